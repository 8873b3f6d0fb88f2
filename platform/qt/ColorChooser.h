#pragma once
#include <cstdint>

class QWidget;

namespace platform {

// The colour dialog ("CMDialog"), opened modally at color. Returns true and
// the chosen colour in color when the user confirmed; false and color
// unchanged when the dialog was cancelled. Colours as the settings store
// them (red + 256 x green + 65536 x blue).
bool ChooseColor(QWidget* parent, int32_t& color);

} // namespace platform
