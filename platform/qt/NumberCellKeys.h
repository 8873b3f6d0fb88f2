#pragma once
#include "foundation/basGlobalFunctions.h"

#include <QString>

namespace platform {

class FlexGrid;

// Keys typed, or text pasted, into the open editor of a number cell of the
// grid, held to the cell's rule as bFctTypeNumberKeys says. True when all of
// them may go in; the editor has then been emptied where the first of them
// replaces the old value (firstKey set), and the flag cleared. False: none
// of them goes in.
bool FilterNumberKeys(FlexGrid* grid, bool& firstKey, const QString& keys, const NumberKeyRule& rule);

} // namespace platform
