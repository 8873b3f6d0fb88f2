#pragma once
// A user's hands on a grid: a mouse click on a cell, keys typed into the
// editor that opens, a unit picked from a cell's drop-down list.
#include <QString>

namespace platform {
class FlexGrid;
}

namespace testing_support {

// Scrolls the cell into view and clicks it, which opens its editor where the
// window lets it.
void ClickCell(platform::FlexGrid* grid, int row, int col);
// Clicks the cell, types the keys into its editor and presses Enter. False
// when no editor opened.
bool TypeIntoCell(platform::FlexGrid* grid, int row, int col, const QString& keys);
// Clicks the cell and picks the text from its drop-down list with the arrow
// keys and Enter. False when no list opened or it lacks the text.
bool PickFromCellList(platform::FlexGrid* grid, int row, int col, const QString& text);

} // namespace testing_support
