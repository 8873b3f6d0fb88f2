// The motion mode of an axis (rotary or linear) and the conversion of the
// stored profile values when the user switches between the two, through the
// end device's revolutions per unit of travel.
#include "model/basAxisCalculations.h"

#include <string>
#include "foundation/basUnitSystem.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculationsInternal.h"
#include "model/basValueConversion.h"

namespace {

namespace UnitTypeCode = calc::detail::UnitTypeCode;

// What a switch needs: the direction, the end device's travel value and the
// selected units of the mode being entered.
struct MotionSwitch {
    bool leavingRotary = true;
    double travel = 0.0;
    int16_t travelUnit = -1;
    int16_t velocityUnit = -1;
    int16_t lengthUnit = -1;
    int16_t accelerationUnit = -1;

    // Moves one value into the new mode: typed as the quantity of the mode
    // being left, converted, then given the general type of its quantity.
    void Convert(ParamRec& p, int16_t rotaryType, int16_t linearType, int16_t generalType,
                 int16_t target) const
    {
        p.UnitType = leavingRotary ? rotaryType : linearType;
        if (leavingRotary)
            SubConvertParamToLinear(p, target, travel, travelUnit);
        else
            SubConvertParamToRotary(p, target, travel, travelUnit);
        p.UnitType = generalType;
    }
    void ConvertVelocity(ParamRec& p) const
    {
        Convert(p, UnitTypeCode::RotaryVelocity, UnitTypeCode::LinearVelocity,
                UnitTypeCode::Velocity, velocityUnit);
    }
    void ConvertAcceleration(ParamRec& p) const
    {
        Convert(p, UnitTypeCode::RotaryAcceleration, UnitTypeCode::LinearAcceleration,
                UnitTypeCode::Acceleration, accelerationUnit);
    }
    void ConvertLength(ParamRec& p) const
    {
        Convert(p, UnitTypeCode::RotaryLength, UnitTypeCode::LinearLength, UnitTypeCode::Length,
                lengthUnit);
    }
};

// Finds the axis and prepares its switch; false when the axis is absent or
// its end device gives no travel value.
bool PrepareSwitch(int16_t axisId, AxisRec*& axis, MotionSwitch& sw)
{
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    if (axisIndex < 0)
        return false;
    if (!nFctGetAxisRevsPerTravel(axisId, sw.travel, sw.travelUnit, model::kFalse))
        return false;
    axis = &gAxis[axisIndex];
    sw.leavingRotary = axis->MotionMode == MotionMode::Rotary;
    if (sw.leavingRotary) {
        const bool metric = gnUnitSystem != 0;
        const std::string system = metric ? "M" : "EE";
        sw.velocityUnit = nFctFindUnit(UnitTypeCode::LinearVelocity,
                                       metric ? gnMLinearVelocityUnit : gnEELinearVelocityUnit,
                                       system);
        sw.lengthUnit = nFctFindUnit(UnitTypeCode::LinearLength,
                                     metric ? gnMLinearLengthUnit : gnEELinearLengthUnit, system);
        sw.accelerationUnit =
            nFctFindUnit(UnitTypeCode::LinearAcceleration,
                         metric ? gnMLinearAccelerationUnit : gnEELinearAccelerationUnit, system);
    } else {
        sw.velocityUnit = nFctFindUnit(UnitTypeCode::RotaryVelocity, gnRotaryVelocityUnit, "NA");
        sw.lengthUnit = nFctFindUnit(UnitTypeCode::RotaryLength, gnRotaryLengthUnit, "NA");
        sw.accelerationUnit =
            nFctFindUnit(UnitTypeCode::RotaryAcceleration, gnRotaryAccelerationUnit, "NA");
    }
    return true;
}

} // namespace

int16_t bFctAxisEndsLinear(int16_t axisId)
{
    return bFctIsLinearMechanismType(nFctGetLastMechanismType(axisId));
}

int16_t nFctGetMotionMode(int16_t axisId)
{
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    return axisIndex < 0 ? int16_t{-1} : gAxis[axisIndex].MotionMode;
}

int16_t nFctGetQuickSetupMode(int16_t axisId)
{
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    return axisIndex < 0 ? int16_t{-1} : gAxis[axisIndex].QuickSetupMode;
}

void SubConvertSegmentsForMotionSwitch(int16_t axisId)
{
    AxisRec* axis = nullptr;
    MotionSwitch sw;
    if (!PrepareSwitch(axisId, axis, sw))
        return;
    for (int16_t k = 0; k < axis->NumberOfMotionSegments &&
                        k < static_cast<int16_t>(axis->MotionSegments.size());
         ++k) {
        SegmentRec& segment = axis->MotionSegments[k];
        sw.ConvertVelocity(segment.InitialVelocity);
        sw.ConvertVelocity(segment.FinalVelocity);
        sw.ConvertAcceleration(segment.Acceleration);
        sw.ConvertLength(segment.Distance);
    }
}

void SubConvertQuickSetupForMotionSwitch(int16_t axisId)
{
    AxisRec* axis = nullptr;
    MotionSwitch sw;
    if (!PrepareSwitch(axisId, axis, sw))
        return;
    sw.ConvertVelocity(axis->QuickSetupData[QuickSetupSlot::Velocity]);
    sw.ConvertLength(axis->QuickSetupData[QuickSetupSlot::Distance]);
}
