#pragma once
#include "foundation/basGlobalFunctions.h"

#include <QString>

namespace platform {

class FlexGrid;

// Keys typed into the open editor of a number cell of the grid, held to the
// cell's rule as bFctTypeNumberKeys says. True when all of them may go in;
// the editor has then been emptied where the first of them replaces the old
// value (firstKey set), and the flag cleared. False: none of them goes in.
bool FilterNumberKeys(FlexGrid* grid, bool& firstKey, const QString& keys, const NumberKeyRule& rule);

// Text pasted, dropped or committed into the open editor of a number cell,
// inside the grid's PasteEdit: text is the whole text the editor would then
// hold. Where the old value waits to be replaced (firstKey), the text put
// in replaces it, as a first key does. The result must be a number the keys
// could have typed into an emptied cell; one of more significant digits
// than a 64-bit value holds is rounded to kMostEnteredDigits. None when it
// is taken (text is then what the editor takes, and the flag is cleared);
// else why not, with text and flag as they were.
NumberFault TakePastedNumber(const FlexGrid* grid, bool& firstKey, QString& text, const NumberKeyRule& rule);

} // namespace platform
