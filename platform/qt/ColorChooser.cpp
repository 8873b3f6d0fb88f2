#include "platform/qt/ColorChooser.h"

#include "platform/qt/DialogLook.h"

#include <QColorDialog>

namespace platform {

bool ChooseColor(QWidget* parent, int32_t& color)
{
    QColorDialog dialog(ColorFromRgbLong(color), parent);
    dialog.setObjectName("CMDialog");
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    color = RgbLongFromColor(dialog.selectedColor());
    return true;
}

} // namespace platform
