#pragma once

class QMdiArea;

namespace platform {

// The arrangements of an MDI area's children that the area itself lacks.
// Each takes the visible children that are not minimised, in the area's
// creation order, and fills the area's viewport with them.

// One above the other, each the full width.
void TileHorizontally(QMdiArea* area);
// Side by side, each the full height.
void TileVertically(QMdiArea* area);
// The minimised children in a row along the bottom edge, from the left,
// wrapping upwards when the row is full.
void ArrangeIcons(QMdiArea* area);
// The frame's own cascade, kept reachable.
void Cascade(QMdiArea* area);

// Keeps every visible child reachable, as each arrangement above leaves
// them: a child in the normal state larger than the viewport shrinks to it
// (not below its smallest size), and one past an edge of the viewport moves
// back inside, or to its top left corner when it is larger; the viewport is
// first scrolled back to its origin.
void KeepWindowsReachable(QMdiArea* area);

} // namespace platform
