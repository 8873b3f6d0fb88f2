#pragma once
#include "foundation/basGlobalFunctionsNumbers.h"

#include <QString>

namespace platform {

class FlexGrid;

// A key typed into the open editor of a number cell of the grid, held to
// the cell's rule as nFctNumberKeyFault says (where the old value waits to
// be replaced, firstKey set, the key replaces it). None when it may go in:
// the editor has then been emptied where it replaces the old value, and the
// flag cleared. Else why not; nothing changed.
NumberFault FilterNumberKey(FlexGrid* grid, bool& firstKey, const QString& key, const NumberKeyRule& rule);

// Text pasted, dropped or committed into the open editor of a number cell,
// or an edit the editor made by itself (Delete, Cut, Undo), inside the
// grid's PasteEdit: text is the whole text the editor would then hold.
// Where the old value waits to be replaced (firstKey), pasted text replaces
// it, as a first key does. A paste must leave a number text
// (nFctPastedNumberFault), rounded to kMostEnteredDigits significant digits
// where it has more; an edit a text that is one or can become one
// (nFctEditedNumberFault). None when it is taken (text is then what the
// editor takes, and the flag is cleared); else why not, with text and flag
// as they were. entry tells which of the two it was.
NumberFault TakePastedNumber(const FlexGrid* grid, bool& firstKey, QString& text, const NumberKeyRule& rule,
                             NumberEntry& entry);

} // namespace platform
