#include "foundation/basParameterControl.h"

#include "foundation/ClsMessageSystem.h"
#include "foundation/basDatabaseAccess.h"
#include "foundation/basUnitSystem.h"
#include "platform/core/Database.h"

#include <utility>

std::vector<ParamControlRow> gParamControl;
int16_t gnParamControlCount = 0;

namespace {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;
constexpr int16_t kParamControlMessage = 1003;

// The display units of a parameter in both systems, and the unit type whose
// basic unit its factors refer to.
struct DisplayUnits {
    int16_t ee = 0;
    int16_t metric = 0;
    int16_t basicOfType = 0;
};

// The display units of a unit type; false for a type without handling.
// Selections of -1 are turned into their Default's position on the way.
bool FindDisplayUnits(int16_t unitType, DisplayUnits& units)
{
    switch (unitType) {
    case 1: units = {1, 1, 2}; return true;     // generic length: shown in 1
    case 4: units = {11, 11, 5}; return true;   // generic velocity: shown in 11
    case 7: units = {27, 27, 8}; return true;   // generic acceleration: shown in 27
    case 14: units = {63, 62, 14}; return true;
    case 19: units = {74, 74, 19}; return true;
    case 20: units = {75, 75, 20}; return true;
    case 21: units = {76, 76, 21}; return true;
    case 2: case 5: case 8: case 22: {
        const int16_t unit = nFctFindUnit(unitType, *SelectedUnitVariable(unitType, false), "NA");
        units = {unit, unit, unitType};
        return true;
    }
    case 3: case 6: case 9: case 10: case 11: case 12: case 13: case 17:
        units.ee = nFctFindUnit(unitType, *SelectedUnitVariable(unitType, false), "EE");
        units.metric = nFctFindUnit(unitType, *SelectedUnitVariable(unitType, true), "M");
        units.basicOfType = unitType;
        return true;
    default:
        return false;
    }
}

// The rows of ParameterSetup in Index order, display fields still empty.
bool ReadParameterSetup(std::vector<ParamControlRow>& rows, platform::DbError& error)
{
    if (!gdbReference) {
        error = {platform::kDbNotOpen, "The reference database is not open."};
        return false;
    }
    platform::Recordset rs;
    if (!gdbReference->OpenQuery("SELECT * FROM ParameterSetup ORDER BY \"Index\"", rs)) {
        error = gdbReference->Error();
        return false;
    }
    for (; !rs.Eof(); rs.MoveNext()) {
        ParamControlRow row;
        if (!rs.GetInt16("MechID", row.MechID) || !rs.GetInt16("UnitID", row.UnitID)
            || !rs.GetInt16("Status", row.Status) || !rs.GetInt16("TextID", row.TextID)
            || !rs.GetInt16("HelpID", row.HelpID)) {
            error = rs.Error();
            return false;
        }
        rows.push_back(row);
    }
    rs.Close();
    return true;
}

// A unit selection past the units of its type and system (possible only
// from an edited settings file) counts as none made, so that its type's
// Default unit is taken, as the units dialog shows it, and no parameter is
// left without a unit.
void ForgetSelectionsPastTheUnitList()
{
    const auto forget = [](int16_t unitType, bool metric, const char* system) {
        int16_t& position = *SelectedUnitVariable(unitType, metric);
        if (position != -1 && nFctFindUnit(unitType, std::as_const(position), system) == -1)
            position = -1;
    };
    for (int16_t rotaryType : {2, 5, 8})
        forget(rotaryType, false, "NA");
    for (int16_t unitType : {3, 6, 9, 10, 11, 12, 13, 17}) {
        forget(unitType, false, "EE");
        forget(unitType, true, "M");
    }
}

void SetDisplayUnits(ParamControlRow& row)
{
    DisplayUnits units;
    if (!FindDisplayUnits(row.UnitID, units)) {
        // A unit type without handling: no display unit and a neutral factor.
        row.EEFactor = 1.0;
        row.MFactor = 1.0;
        return;
    }
    row.EEUnitID = units.ee;
    row.MUnitID = units.metric;
    row.EEUnitText = sFctGetUnitText(units.ee);
    row.MUnitText = sFctGetUnitText(units.metric);
    const int16_t basic = nFctGetBasicUnit(units.basicOfType);
    row.EEFactor = dFctGetConversionFactor(units.ee, basic);
    row.MFactor = dFctGetConversionFactor(units.metric, basic);
}

} // namespace

int16_t bFctCreateParameterControlTable()
{
    std::vector<ParamControlRow> rows;
    platform::DbError error;
    if (!ReadParameterSetup(rows, error)) {
        SubShowCriticalBox(kParamControlMessage, error.number, error.description);
        return kFalse;
    }
    ForgetSelectionsPastTheUnitList();
    for (ParamControlRow& row : rows)
        SetDisplayUnits(row);

    // Resolve these Default selections even when no row asked for them.
    nFctFindUnit(17, gnEEKtUnit, "EE");
    nFctFindUnit(17, gnMKtUnit, "M");
    nFctFindUnit(2, gnRotaryLengthUnit, "NA");
    nFctFindUnit(5, gnRotaryVelocityUnit, "NA");
    nFctFindUnit(8, gnRotaryAccelerationUnit, "NA");

    gParamControl = std::move(rows);
    gnParamControlCount = static_cast<int16_t>(gParamControl.size());
    return kTrue;
}
