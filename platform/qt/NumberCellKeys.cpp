#include "platform/qt/NumberCellKeys.h"

#include "platform/qt/FlexGrid.h"

namespace platform {

bool FilterNumberKeys(FlexGrid* grid, bool& firstKey, const QString& keys, const NumberKeyRule& rule)
{
    std::string text = grid->EditText().toStdString();
    const bool replacing = firstKey;
    if (!bFctTypeNumberKeys(text, firstKey, keys.toStdString(), rule))
        return false;
    if (replacing && !firstKey)
        grid->SetEditText(QString());
    return true;
}

NumberFault TakePastedNumber(const FlexGrid* grid, bool& firstKey, QString& text, const NumberKeyRule& rule)
{
    const std::string whole = (firstKey ? grid->PastedText() : text).toStdString();
    const NumberFault fault = nFctTypedNumberFault(whole, rule);
    if (fault != NumberFault::None)
        return fault;
    text = QString::fromStdString(sFctRoundToEnteredDigits(whole));
    firstKey = false;
    return NumberFault::None;
}

} // namespace platform
