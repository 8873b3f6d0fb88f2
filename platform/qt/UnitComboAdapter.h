#pragma once
#include "foundation/basUnitSystem.h"

class QComboBox;

namespace platform {

// A unit drop-down list of a window as nFctFillUnitCombo fills it.
class UnitComboAdapter : public UnitComboBox {
public:
    explicit UnitComboAdapter(QComboBox* combo) : combo_(combo) {}
    void Clear() override;
    void AddItem(const std::string& text) override;
    void SelectItem(int16_t index) override;

private:
    QComboBox* combo_;
};

} // namespace platform
