#pragma once

class QMdiArea;

namespace platform {

// The arrangements of an MDI area's children that the area itself lacks.
// Each lays out the visible children that are not minimised, in the area's
// creation order, over the area from its origin, above a row of the
// minimised ones along the bottom edge (the icons keep their own row, no
// window covers them). Where the windows do not fit at their smallest
// sizes they keep those sizes and the area scrolls: no window covers
// another's title bar.

// One above the other: as many rows as fit, each row's windows side by side
// across the full width. Where the windows in creation order fit in no
// number of rows, they go into rows in another grouping that fits (the one
// with the most rows); the area scrolls only where no grouping fits.
void TileHorizontally(QMdiArea* area);
// Side by side: as many columns as fit, each column's windows one above the
// other over the full height; in another grouping as the rows above.
void TileVertically(QMdiArea* area);
// The minimised children in a row along the bottom edge, from the left,
// wrapping upwards when the row is full.
void ArrangeIcons(QMdiArea* area);
// The windows one title bar below and right of the one before, all of one
// size, the active one in front: every title bar shows whole.
void Cascade(QMdiArea* area);

// Keeps every visible child reachable, as each arrangement above leaves
// them: a child in the normal state larger than the viewport shrinks to it
// (not below its smallest size), and one past an edge of the viewport moves
// back inside, or to its top left corner when it is larger; the viewport is
// first scrolled back to its origin.
void KeepWindowsReachable(QMdiArea* area);

} // namespace platform
