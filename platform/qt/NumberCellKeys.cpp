#include "platform/qt/NumberCellKeys.h"

#include "platform/qt/FlexGrid.h"

namespace platform {

NumberFault FilterNumberKey(FlexGrid* grid, bool& firstKey, const QString& key, const NumberKeyRule& rule)
{
    QString before;
    QString after;
    grid->EditTextAroundCursor(before, after);
    const NumberFault fault =
        nFctNumberKeyFault(before.toStdString(), key.toStdString(), after.toStdString(), firstKey, rule);
    if (fault != NumberFault::None)
        return fault;
    if (firstKey) {
        grid->SetEditText(QString());
        firstKey = false;
    }
    return NumberFault::None;
}

NumberFault TakePastedNumber(const FlexGrid* grid, bool& firstKey, QString& text, const NumberKeyRule& rule,
                             NumberEntry& entry)
{
    const bool pasting = grid->PastingText();
    entry = pasting ? NumberEntry::Pasted : NumberEntry::Typed;
    const std::string whole = (pasting && firstKey ? grid->PastedText() : text).toStdString();
    const NumberFault fault = pasting ? nFctPastedNumberFault(whole, rule) : nFctEditedNumberFault(whole);
    if (fault != NumberFault::None)
        return fault;
    text = QString::fromStdString(pasting ? sFctRoundToEnteredDigits(whole) : whole);
    firstKey = false;
    return NumberFault::None;
}

} // namespace platform
