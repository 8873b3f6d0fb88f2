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

} // namespace platform
