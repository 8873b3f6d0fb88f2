#include "model/basValueConversion.h"

#include <cmath>

#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kSnapTolerance = 2.5e-05;
constexpr int16_t kPitchLeadType = 10;

// A travel value t in unit tu expressed in the basic pitch/lead unit.
double TravelInBasicPitchUnit(double t, int16_t tu)
{
    const double b = dFctGetFactorToBasicUnit(kPitchLeadType, tu);
    return b == 0.0 ? dFctConvertPitchLead(tu, nFctGetBasicUnit(kPitchLeadType), t) : b * t;
}

// The rotary unit type of a linear one and back; 0 for any other type.
int16_t RotaryTypeOf(int16_t linearType)
{
    switch (linearType) {
    case 3: return 2;
    case 6: return 5;
    case 9: return 8;
    default: return 0;
    }
}

int16_t LinearTypeOf(int16_t rotaryType)
{
    switch (rotaryType) {
    case 2: return 3;
    case 5: return 6;
    case 8: return 9;
    default: return 0;
    }
}

enum class Direction { ToRotary, ToLinear };

void ConvertThroughTravel(ParamRec& param, int16_t targetUnit, double travel, int16_t travelUnit,
                          Direction direction)
{
    ParamRec q = param;
    const double t = TravelInBasicPitchUnit(travel, travelUnit);
    SubConvertValueToUnit(q, nFctGetBasicUnit(q.UnitType));
    if (t > 0.0)
        q.Data = direction == Direction::ToRotary ? q.Data * t : q.Data / t;
    else
        q.Data = 0.0;
    const int16_t newType = direction == Direction::ToRotary ? RotaryTypeOf(q.UnitType) : LinearTypeOf(q.UnitType);
    if (newType != 0) {
        q.UnitType = newType;
        q.UnitID = nFctGetBasicUnit(newType);
    }
    SubConvertValueToUnit(q, targetUnit);
    param = q;
}

// 1 / (pi x diameter), 0 for a diameter that is not greater than 0.
double RevsPerTravelOfDiameter(double diameter)
{
    return diameter > 0.0 ? 1.0 / (kPi * diameter) : 0.0;
}

// The travel of a roller or pulley whose diameter is the entry, in the
// pitch/lead unit of the entry's length unit.
void RollerTravel(const ParamRec& diameter, double& t, int16_t& tu)
{
    tu = nFctGetPitchUnitForLengthUnit(diameter.UnitID);
    t = RevsPerTravelOfDiameter(diameter.Data);
}

// The travel of a screw or rack whose pitch/lead is the entry: as it stands
// in a revolutions-per-length unit, else as the reciprocal in the paired
// unit.
void PitchTravel(const ParamRec& pitch, double& t, int16_t& tu)
{
    if (bFctIsMappedPitchUnit(pitch.UnitID)) {
        t = pitch.Data;
        tu = pitch.UnitID;
    } else if (pitch.Data > 0.0) {
        t = 1.0 / pitch.Data;
        tu = nFctGetPairedUnit(pitch.UnitID);
    } else {
        t = 0.0;
        tu = pitch.UnitID;
    }
}

} // namespace

void SubConvertValueToUnit(ParamRec& param, int16_t unitId)
{
    const double f = dFctGetConversionFactor(param.UnitID, unitId);
    const double b = dFctGetFactorToBasicUnit(param.UnitType, unitId);  // sets a UnitType of -1
    double v;
    if (f == -1.0) {
        v = param.Data == 0.0 ? 0.0 : 1.0 / param.Data;
    } else {
        v = f == 0.0 ? dFctConvertPitchLead(param.UnitID, unitId, param.Data) : std::fabs(f) * param.Data;
        if (v != 0.0 && f < 0.0) v = 1.0 / v;
    }
    param.Data = dFctRoundValue(v);
    param.Factor = b;
    param.UnitID = unitId;
    param.UnitText = sFctGetUnitText(unitId);
}

double dFctValueInUnitOf(const ParamRec& entry, double value, int16_t fromUnit)
{
    ParamRec given = entry;
    given.Data = value;
    given.UnitID = fromUnit;
    SubConvertValueToUnit(given, entry.UnitID);
    return given.Data;
}

double dFctRoundValue(double value)
{
    if (value <= 1.0 - kSnapTolerance) return value;
    // The snapping is tied to "." being the decimal separator of the locale.
    if (gsDecimalSeparator != ".") return value;
    const double whole = std::trunc(value);
    if (value - whole < kSnapTolerance) return whole;
    if ((whole + 1.0) - value < kSnapTolerance) return whole + 1.0;
    return value;
}

void SubConvertParamToRotary(ParamRec& param, int16_t targetUnit, double travel, int16_t travelUnit)
{
    ConvertThroughTravel(param, targetUnit, travel, travelUnit, Direction::ToRotary);
}

void SubConvertParamToLinear(ParamRec& param, int16_t targetUnit, double travel, int16_t travelUnit)
{
    ConvertThroughTravel(param, targetUnit, travel, travelUnit, Direction::ToLinear);
}

int16_t bFctIsLinearMechanismType(int16_t mechanismType)
{
    switch (mechanismType) {
    case MechanismType::Conveyor:
    case MechanismType::Leadscrew:
    case MechanismType::RackPinion:
    case MechanismType::NipRoll:
    case MechanismType::WinderCenter:
    case MechanismType::WinderSurface: return model::kTrue;
    default: return model::kFalse;
    }
}

int16_t nFctGetRevsPerTravel(const MechRec& mech, double& travel, int16_t& travelUnit, int16_t convert)
{
    travel = -1.0;
    travelUnit = -1;
    const auto& data = mech.MechanismData;
    switch (mech.Identifier) {
    case MechanismType::Conveyor: {
        const ParamRec& drive = data[0];
        if (drive.UnitID == data[3].UnitID) {  // drive and idler pulley in the same unit
            RollerTravel(drive, travel, travelUnit);
        } else {
            // Revolutions per basic length unit: its unit is the pitch unit of
            // that length (rev/mm), not the length itself, or the travel
            // range would be inverted.
            travelUnit = nFctGetPitchUnitForLengthUnit(nFctGetBasicUnit(drive.UnitType));
            travel = RevsPerTravelOfDiameter(drive.Data * drive.Factor);  // in basic units
        }
        break;
    }
    case MechanismType::Leadscrew: PitchTravel(data[3], travel, travelUnit); break;
    case MechanismType::RackPinion: PitchTravel(data[5], travel, travelUnit); break;
    case MechanismType::NipRoll:
    case MechanismType::WinderCenter: RollerTravel(data[0], travel, travelUnit); break;
    case MechanismType::WinderSurface: RollerTravel(data[5], travel, travelUnit); break;
    default: return model::kFalse;
    }
    if (convert) {
        travel = TravelInBasicPitchUnit(travel, travelUnit);
        travelUnit = nFctGetBasicUnit(kPitchLeadType);
    }
    return model::kTrue;
}

int16_t nFctGetAxisRevsPerTravel(int16_t axisId, double& travel, int16_t& travelUnit, int16_t convert)
{
    travel = -1.0;
    const AxisRec* axis = model::FindAxis(axisId);
    const MechRec* end = axis ? model::ChainMechanism(*axis, axis->NumberOfMechanisms - 1) : nullptr;
    if (end == nullptr) return model::kFalse;
    MechRec last;
    SubCopyMechRecord(*end, last);
    nFctGetRevsPerTravel(last, travel, travelUnit, convert);
    return model::AsFlag(travel > 0.0);
}
