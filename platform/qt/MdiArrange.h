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

} // namespace platform
