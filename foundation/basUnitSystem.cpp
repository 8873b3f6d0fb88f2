#include "foundation/basUnitSystem.h"

#include "foundation/basDatabaseAccess.h"

int16_t gnUnitSystem = 0;

int16_t gnRotaryLengthUnit = -1;
int16_t gnRotaryVelocityUnit = -1;
int16_t gnRotaryAccelerationUnit = -1;
int16_t gnEELinearLengthUnit = -1;
int16_t gnEELinearVelocityUnit = -1;
int16_t gnEELinearAccelerationUnit = -1;
int16_t gnEEPitchLeadUnit = -1;
int16_t gnEEWeightUnit = -1;
int16_t gnEETorqueUnit = -1;
int16_t gnEEInertiaUnit = -1;
int16_t gnEEKtUnit = -1;
int16_t gnMLinearLengthUnit = -1;
int16_t gnMLinearVelocityUnit = -1;
int16_t gnMLinearAccelerationUnit = -1;
int16_t gnMPitchLeadUnit = -1;
int16_t gnMWeightUnit = -1;
int16_t gnMTorqueUnit = -1;
int16_t gnMInertiaUnit = -1;
int16_t gnMKtUnit = -1;
int16_t gnTimeUnit = 0;

namespace {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;
constexpr double kMillimetresPerInch = 25.4;

// The first unit-list row with the ID, nullptr when there is none.
const UnitListRow* FindUnitRow(int16_t unitID)
{
    for (const UnitListRow& row : gUnitList)
        if (row.ID == unitID)
            return &row;
    return nullptr;
}

int16_t BoolOf(bool value) { return value ? kTrue : kFalse; }

} // namespace

int16_t* SelectedUnitVariable(int16_t unitType, bool metric)
{
    switch (unitType) {
    case 2: return &gnRotaryLengthUnit;
    case 5: return &gnRotaryVelocityUnit;
    case 8: return &gnRotaryAccelerationUnit;
    case 22: return &gnTimeUnit;
    case 3: return metric ? &gnMLinearLengthUnit : &gnEELinearLengthUnit;
    case 6: return metric ? &gnMLinearVelocityUnit : &gnEELinearVelocityUnit;
    case 9: return metric ? &gnMLinearAccelerationUnit : &gnEELinearAccelerationUnit;
    case 10: return metric ? &gnMPitchLeadUnit : &gnEEPitchLeadUnit;
    case 11: return metric ? &gnMWeightUnit : &gnEEWeightUnit;
    case 12: return metric ? &gnMTorqueUnit : &gnEETorqueUnit;
    case 13: return metric ? &gnMInertiaUnit : &gnEEInertiaUnit;
    case 17: return metric ? &gnMKtUnit : &gnEEKtUnit;
    default: return nullptr;
    }
}

double dFctGetConversionFactor(int16_t fromUnit, int16_t toUnit)
{
    for (const ConversionFactorRow& row : gConversionFactors) {
        if (row.From == fromUnit && row.To == toUnit)
            return row.Factor;
        if (row.From == toUnit && row.To == fromUnit)
            return row.Factor == 0.0 ? 0.0 : 1.0 / row.Factor;
    }
    return 1.0;
}

int16_t nFctGetBasicUnit(int16_t unitType)
{
    switch (unitType) {
    case 1: return 1;
    case 4: return 10;
    case 7: return 26;
    default: break;
    }
    for (const UnitListRow& row : gUnitList)
        if (row.Type == unitType && row.BasicUnit != 0)
            return row.ID;
    return -1;
}

double dFctGetFactorToBasicUnit(int16_t& unitType, int16_t unitID)
{
    if (unitType == -1) {
        if (const UnitListRow* row = FindUnitRow(unitID))
            unitType = row->Type;
    }
    if (unitType == -1)
        return 1.0;
    return dFctGetConversionFactor(unitID, nFctGetBasicUnit(unitType));
}

double dFctGetFactorToBasicUnit(const int16_t& unitType, int16_t unitID)
{
    int16_t type = unitType;
    return dFctGetFactorToBasicUnit(type, unitID);
}

int16_t nFctFindUnit(int16_t unitType, int16_t& position, const std::string& system)
{
    std::vector<const UnitListRow*> units;
    for (const UnitListRow& row : gUnitList)
        if (row.Type == unitType && row.Class == system)
            units.push_back(&row);

    if (position != -1) {
        if (position >= 0 && position < static_cast<int>(units.size()))
            return units[position]->ID;
        return -1;
    }
    for (size_t i = 0; i < units.size(); ++i) {
        if (units[i]->Default != 0) {
            position = static_cast<int16_t>(i);
            return units[i]->ID;
        }
    }
    return -1;
}

int16_t nFctFindUnit(int16_t unitType, const int16_t& position, const std::string& system)
{
    int16_t copy = position;
    return nFctFindUnit(unitType, copy, system);
}

int16_t nFctGetUnitsOfType(int16_t unitType, std::vector<int16_t>& positions)
{
    positions.clear();
    for (size_t i = 0; i < gUnitList.size(); ++i) {
        const int16_t type = gUnitList[i].Type;
        const bool taken = type == unitType || (unitType == 1 && (type == 2 || type == 3))
                           || (unitType == 4 && (type == 5 || type == 6));
        if (taken)
            positions.push_back(static_cast<int16_t>(i));
    }
    return static_cast<int16_t>(positions.size());
}

int16_t nFctGetSelectedUnitPos(int16_t unitType, int16_t unitSystem)
{
    // Time has no selection here: a time value is converted to the Default
    // time unit.
    const int16_t* selection = unitType == 22 ? nullptr : SelectedUnitVariable(unitType, unitSystem != 0);
    return selection ? *selection : -1;
}

int16_t nFctGetUnitSetting(int16_t unitType)
{
    const int16_t* selection = SelectedUnitVariable(unitType, gnUnitSystem == 1);
    return selection ? *selection : 0;
}

std::string sFctGetUnitText(int16_t unitID)
{
    if (unitID == -1)
        return "";
    const UnitListRow* row = FindUnitRow(unitID);
    return row ? row->Text : "";
}

int16_t bFctIsLinearUnit(int16_t unitID)
{
    const UnitListRow* row = FindUnitRow(unitID);
    return BoolOf(row && (row->Type == 3 || row->Type == 6 || row->Type == 9));
}

int16_t bFctIsRotaryUnit(int16_t unitID)
{
    const UnitListRow* row = FindUnitRow(unitID);
    return BoolOf(row && (row->Type == 2 || row->Type == 5 || row->Type == 8));
}

int16_t nFctGetPairedUnit(int16_t unitID)
{
    for (const ConversionFactorRow& row : gConversionFactors) {
        if (row.Factor != -1.0)
            continue;
        if (row.From == unitID)
            return row.To;
        if (row.To == unitID)
            return row.From;
    }
    return -1;
}

int16_t nFctGetPitchUnitForLengthUnit(int16_t unitID)
{
    switch (unitID) {
    case 6: return 44;
    case 7: return 43;
    case 8: return 47;
    case 9: return 48;
    default: return -1;
    }
}

int16_t nFctGetLengthUnitOfPitchUnit(int16_t unitID)
{
    switch (unitID) {
    case 41: case 43: return 7;
    case 42: case 44: return 6;
    case 45: case 47: return 8;
    case 46: case 48: return 9;
    default: return -1;
    }
}

int16_t bFctIsMappedPitchUnit(int16_t unitID)
{
    return BoolOf(unitID == 43 || unitID == 44 || unitID == 47 || unitID == 48);
}

int16_t nFctGetAccelUnitForVelocityUnit(int16_t unitID)
{
    if (unitID >= 10 && unitID <= 15)
        return static_cast<int16_t>(unitID + 16);  // 10..15 -> 26..31
    if (unitID >= 18 && unitID <= 25)
        return static_cast<int16_t>(unitID + 15);  // 18..25 -> 33..40
    return -1;
}

double dFctConvertPitchLead(int16_t fromUnit, int16_t toUnit, double value)
{
    if (value == 0.0)
        return 0.0;
    const auto isPair = [&](int16_t a, int16_t b) {
        return (fromUnit == a && toUnit == b) || (fromUnit == b && toUnit == a);
    };
    if (isPair(41, 47))
        return kMillimetresPerInch / value;
    if (isPair(43, 45))
        return 1.0 / (kMillimetresPerInch * value);
    return 0.0;
}

int16_t nFctFillUnitCombo(UnitComboBox& combo, int16_t unitType, const std::string& system,
                          int16_t& index)
{
    combo.Clear();
    int16_t itemCount = 0;
    int16_t defaultItem = -1;
    for (const UnitListRow& row : gUnitList) {
        if (row.Class != system || row.Type != unitType)
            continue;
        combo.AddItem(row.Text);
        if (row.Default != 0)
            defaultItem = itemCount;
        ++itemCount;
    }
    if (itemCount == 0) {
        index = -1;
        return kFalse;
    }
    // An index below -1 can only come from an edited settings file: it is
    // treated like -1.
    if (index < 0 || index >= itemCount)
        index = defaultItem;
    if (index != -1)
        combo.SelectItem(index);
    return kTrue;
}

void SubConvertFieldsToSelectedUnit(int16_t& unitType, int16_t& unitID, double& data,
                                    double& factor, std::string& unitText, int16_t unitSystem)
{
    const std::string system = unitSystem == 1 ? "M" : "EE";
    const int16_t position = nFctGetSelectedUnitPos(unitType, unitSystem);
    int16_t newUnit = nFctFindUnit(unitType, position, system);
    if (newUnit == -1)
        newUnit = nFctFindUnit(unitType, position, "NA");

    const double f = dFctGetConversionFactor(unitID, newUnit);
    if (f == -1.0)
        data = data == 0.0 ? 0.0 : 1.0 / data;  // reciprocal units
    else if (f == 0.0)
        data = dFctConvertPitchLead(unitID, newUnit, data);
    else
        data *= f;

    unitID = newUnit;
    factor = dFctGetFactorToBasicUnit(unitType, newUnit);
    unitText = sFctGetUnitText(newUnit);
}
