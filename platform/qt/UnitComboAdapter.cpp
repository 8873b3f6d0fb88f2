#include "platform/qt/UnitComboAdapter.h"

#include <QComboBox>

namespace platform {

void UnitComboAdapter::Clear()
{
    combo_->clear();
}

void UnitComboAdapter::AddItem(const std::string& text)
{
    combo_->addItem(QString::fromStdString(text));
}

void UnitComboAdapter::SelectItem(int16_t index)
{
    combo_->setCurrentIndex(index);
}

} // namespace platform
