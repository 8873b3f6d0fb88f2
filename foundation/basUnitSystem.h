#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The unit system over the loaded unit list and conversion rows
// (basDatabaseAccess.h): the user's selection of one unit per quantity and
// system, unit lookups, conversion factors, conversion of a parameter to the
// selected unit, unit texts and the fixed maps between unit IDs.
//
// Unit types (the Type of a unit, the UnitType of a parameter):
//   1 Length (either kind)        fixed display unit 1, basic unit 1
//   2 RotaryLength                gnRotaryLengthUnit, "NA"
//   3 LinearLength                gnEELinearLengthUnit / gnMLinearLengthUnit
//   4 Velocity (either kind)      fixed display unit 11, basic unit 10
//   5 RotaryVelocity              gnRotaryVelocityUnit, "NA"
//   6 LinearVelocity              gnEELinearVelocityUnit / gnMLinearVelocityUnit
//   7 Acceleration (either kind)  fixed display unit 27, basic unit 26
//   8 RotaryAcceleration          gnRotaryAccelerationUnit, "NA"
//   9 LinearAcceleration          gnEELinearAccelerationUnit / gnMLinearAccelerationUnit
//  10 PitchLead                   gnEEPitchLeadUnit / gnMPitchLeadUnit
//  11 Weight                      gnEEWeightUnit / gnMWeightUnit
//  12 Torque                      gnEETorqueUnit / gnMTorqueUnit
//  13 Inertia                     gnEEInertiaUnit / gnMInertiaUnit
//  14 (density)                   fixed display unit 63 (EE) / 62 (M)
//  17 Kt (torque constant)        gnEEKtUnit / gnMKtUnit
//  19, 20, 21                     fixed display units 74, 75, 76
//  22 Time                        gnTimeUnit, "NA"
// Types 15, 16 and 18 have no handling. Apart from 1, 4 and 7, the basic unit
// of a type is the first unit of that type flagged BasicUnit.
//
// Unit systems (the Class of a unit): "EE" English engineering, "M" metric,
// "NA" both. gnUnitSystem 0 selects English engineering, 1 metric.
//
// Booleans are 16-bit, True = -1, False = 0. Nothing here reports an error:
// not found is -1 (IDs, positions), 1.0 (factors), "" (texts) or False.

// The current unit system: 0 English engineering, 1 metric.
extern int16_t gnUnitSystem;

// The selected unit of each type and system: a position among the units of
// that type and system in unit-list order; -1 = the type's Default unit.
extern int16_t gnRotaryLengthUnit;
extern int16_t gnRotaryVelocityUnit;
extern int16_t gnRotaryAccelerationUnit;
extern int16_t gnEELinearLengthUnit;
extern int16_t gnEELinearVelocityUnit;
extern int16_t gnEELinearAccelerationUnit;
extern int16_t gnEEPitchLeadUnit;
extern int16_t gnEEWeightUnit;
extern int16_t gnEETorqueUnit;
extern int16_t gnEEInertiaUnit;
extern int16_t gnEEKtUnit;
extern int16_t gnMLinearLengthUnit;
extern int16_t gnMLinearVelocityUnit;
extern int16_t gnMLinearAccelerationUnit;
extern int16_t gnMPitchLeadUnit;
extern int16_t gnMWeightUnit;
extern int16_t gnMTorqueUnit;
extern int16_t gnMInertiaUnit;
extern int16_t gnMKtUnit;
extern int16_t gnTimeUnit;  // no settings key; stays 0, the first time unit

// The selection variable of a unit type (metric: the "M" one, else "EE"):
// the shared one of types 2, 5, 8 and 22, the system's own of types 3, 6, 9,
// 10, 11, 12, 13 and 17; nullptr for any other type.
int16_t* SelectedUnitVariable(int16_t unitType, bool metric);

// The factor that turns a value in fromUnit into toUnit: the first conversion
// row naming the pair decides (direct: its Factor; reverse: 1 / Factor, or 0
// when Factor is 0; -1 both ways); no row gives 1.0.
double dFctGetConversionFactor(int16_t fromUnit, int16_t toUnit);

// The basic unit of a type: 1, 10, 26 for types 1, 4, 7; otherwise the first
// unit of the type flagged BasicUnit, whatever its system; -1 when none.
int16_t nFctGetBasicUnit(int16_t unitType);

// The factor from unitID to the basic unit of unitType. A unitType of -1 is
// first replaced by the unit's own type, written back into the variable; a
// unit not in the list then gives 1.0. The const overload takes a value and
// writes nothing back.
double dFctGetFactorToBasicUnit(int16_t& unitType, int16_t unitID);
double dFctGetFactorToBasicUnit(const int16_t& unitType, int16_t unitID);

// The unit at position among the units of unitType and system (exact,
// case-sensitive Class match), -1 when out of range. Position -1 finds the
// Default unit and writes its position back into the variable (it stays -1
// when there is none). The const overload writes nothing back.
int16_t nFctFindUnit(int16_t unitType, int16_t& position, const std::string& system);
int16_t nFctFindUnit(int16_t unitType, const int16_t& position, const std::string& system);

// Fills positions with the gUnitList positions of the units of unitType
// (type 1 also takes 2 and 3; type 4 also 5 and 6) and returns their number.
int16_t nFctGetUnitsOfType(int16_t unitType, std::vector<int16_t>& positions);

// The selection global of unitType in the given system (non-zero = metric),
// -1 for a type without one (time included).
int16_t nFctGetSelectedUnitPos(int16_t unitType, int16_t unitSystem);

// The selection global of unitType in gnUnitSystem (only 1 = metric); time
// gives gnTimeUnit; 0 for a type without one.
int16_t nFctGetUnitSetting(int16_t unitType);

// The text of a unit; "" for -1 or an ID not in the list.
std::string sFctGetUnitText(int16_t unitID);

// True when the unit's type is 3, 6 or 9 (linear) / 2, 5 or 8 (rotary);
// False for an ID not in the list.
int16_t bFctIsLinearUnit(int16_t unitID);
int16_t bFctIsRotaryUnit(int16_t unitID);

// The reciprocal partner of a unit (the other unit of the first conversion
// row with Factor -1 that names it), -1 when none.
int16_t nFctGetPairedUnit(int16_t unitID);

// Fixed maps between unit IDs (no table lookup); -1 / False otherwise.
//   length -> pitch:  6 -> 44, 7 -> 43, 8 -> 47, 9 -> 48
//   pitch -> length:  41, 43 -> 7; 42, 44 -> 6; 45, 47 -> 8; 46, 48 -> 9
//   mapped pitch:     43, 44, 47, 48
//   velocity -> acceleration: 10..15 -> 26..31, 18..25 -> 33..40
int16_t nFctGetPitchUnitForLengthUnit(int16_t unitID);
int16_t nFctGetLengthUnitOfPitchUnit(int16_t unitID);
int16_t bFctIsMappedPitchUnit(int16_t unitID);
int16_t nFctGetAccelUnitForVelocityUnit(int16_t unitID);

// A pitch/lead value between two units that no conversion factor links:
// 41 <-> 47: 25.4 / value; 43 <-> 45: 1 / (25.4 x value); a value of 0 or
// any other pair gives 0. Never divides by zero.
double dFctConvertPitchLead(int16_t fromUnit, int16_t toUnit, double value);

// A drop-down list that nFctFillUnitCombo fills; the window side implements
// it over its own widget.
class UnitComboBox {
public:
    virtual ~UnitComboBox() = default;
    virtual void Clear() = 0;
    virtual void AddItem(const std::string& text) = 0;
    virtual void SelectItem(int16_t index) = 0;
};

// Lists the texts of the units of unitType and system (exact Class match, no
// widening of types 1, 4, 7) and selects index. An index of -1, below -1 or
// past the last item becomes the position of the (last) Default item, and is
// written back. Returns True when at least one unit was listed; otherwise
// index becomes -1 and nothing is selected.
int16_t nFctFillUnitCombo(UnitComboBox& combo, int16_t unitType, const std::string& system,
                          int16_t& index);

// Moves a value to the selected unit of its type: the unit at the selected
// position in "M" (unitSystem 1) or "EE" (any other value), else in "NA";
// the value is multiplied by the conversion factor, taken as its reciprocal
// for a reciprocal pair (factor -1; 0 stays 0), or converted by the
// pitch/lead rule when the factor is 0. unitID, factor and unitText take the
// new unit (-1, 1.0 and "" when no unit is found). No rounding.
void SubConvertFieldsToSelectedUnit(int16_t& unitType, int16_t& unitID, double& data,
                                    double& factor, std::string& unitText, int16_t unitSystem);

// The same for a parameter record (any record with the fields UnitType,
// UnitID, Data, Factor and UnitText, such as the axis model's ParamRec).
template <class Param>
void SubConvertToSelectedUnit(Param& param, int16_t unitSystem)
{
    SubConvertFieldsToSelectedUnit(param.UnitType, param.UnitID, param.Data, param.Factor,
                                   param.UnitText, unitSystem);
}
