// The switch of every axis to the units of another unit system, and small
// queries on an axis that the windows use.
#include "model/basAxisRequirements.h"

#include "foundation/basUnitSystem.h"
#include "model/basAxisCalculationsInternal.h"
#include "model/basChangeDetection.h"

namespace {

namespace UnitTypeCode = calc::detail::UnitTypeCode;

// Converts the entry as a value of the given type and stores its own type
// again afterwards.
void ConvertAs(ParamRec& p, int16_t conversionType, int16_t storedType)
{
    p.UnitType = conversionType;
    SubConvertToSelectedUnit(p, gnUnitSystem);
    p.UnitType = storedType;
}

// A velocity or acceleration of either kind goes to the selected unit of the
// kind its unit is of; every other entry as it is.
void ConvertEntry(ParamRec& p)
{
    const bool linear = bFctIsLinearUnit(p.UnitID) != 0;
    switch (p.UnitType) {
    case UnitTypeCode::Velocity:
        ConvertAs(p, linear ? UnitTypeCode::LinearVelocity : UnitTypeCode::RotaryVelocity, p.UnitType);
        break;
    case UnitTypeCode::Acceleration:
        ConvertAs(p, linear ? UnitTypeCode::LinearAcceleration : UnitTypeCode::RotaryAcceleration,
                  p.UnitType);
        break;
    default: SubConvertToSelectedUnit(p, gnUnitSystem); break;
    }
}

// A quick-setup slot of a linear axis: lengths, velocities and accelerations
// as linear quantities; times as they are.
void ConvertQuickSetupSlot(ParamRec& p)
{
    switch (p.UnitType) {
    case UnitTypeCode::Length:
    case UnitTypeCode::LinearLength:
        ConvertAs(p, UnitTypeCode::LinearLength, UnitTypeCode::Length);
        break;
    case UnitTypeCode::Velocity:
    case UnitTypeCode::LinearVelocity:
        ConvertAs(p, UnitTypeCode::LinearVelocity, UnitTypeCode::Velocity);
        break;
    case UnitTypeCode::Acceleration:
    case UnitTypeCode::LinearAcceleration:
        ConvertAs(p, UnitTypeCode::LinearAcceleration, UnitTypeCode::Acceleration);
        break;
    default: SubConvertToSelectedUnit(p, gnUnitSystem); break;
    }
}

void ConvertMechanism(MechRec& mech)
{
    for (int k = 0; k < mech.DataNumber && k < model::kMechanismParamCapacity; ++k)
        ConvertEntry(mech.MechanismData[static_cast<size_t>(k)]);
}

void ConvertAxis(AxisRec& axis)
{
    for (int k = 0; k < axis.MotorDataNumber && k < model::kMotorParamCapacity; ++k)
        SubConvertToSelectedUnit(axis.MotorData[static_cast<size_t>(k)], gnUnitSystem);
    for (int16_t m = 0; m < axis.NumberOfMechanisms; ++m) {
        MechRec* mech = model::ChainMechanism(axis, m);
        if (mech == nullptr)
            break;
        ConvertMechanism(*mech);
    }
    for (int k = 0; k < axis.LoadDataNumber && k < model::kLoadParamCapacity; ++k)
        SubConvertToSelectedUnit(axis.LoadData[static_cast<size_t>(k)], gnUnitSystem);

    // Rotary units belong to both systems: only a linear profile changes.
    if (axis.MotionMode != MotionMode::Linear)
        return;
    for (int k = 0; k < model::kQuickSetupUsedSlots; ++k)
        ConvertQuickSetupSlot(axis.QuickSetupData[static_cast<size_t>(k)]);
    for (int16_t s = 0; s < axis.NumberOfMotionSegments; ++s) {
        SegmentRec* segment = model::ProfileSegment(axis, s);
        if (segment == nullptr)
            break;
        ConvertAs(segment->InitialVelocity, UnitTypeCode::LinearVelocity, UnitTypeCode::Velocity);
        ConvertAs(segment->FinalVelocity, UnitTypeCode::LinearVelocity, UnitTypeCode::Velocity);
        ConvertAs(segment->Acceleration, UnitTypeCode::LinearAcceleration,
                      UnitTypeCode::Acceleration);
        ConvertAs(segment->Distance, UnitTypeCode::LinearLength, UnitTypeCode::Length);
    }
}

} // namespace

void SubConvertAllAxesToSelectedUnits()
{
    const int16_t n = nFctGetAxisUBound();
    for (int16_t i = 0; i < n; ++i)
        ConvertAxis(gAxis[static_cast<size_t>(i)]);
    // The buffered mechanism is pasted into axes of the new system.
    ConvertMechanism(gMechBuffer);
}

int16_t nFctGetAxisPosition(int16_t axisId)
{
    std::vector<int16_t> ids;
    const int16_t count = nFctGetAxisIdList(ids);
    for (int16_t position = 0; position < count; ++position)
        if (ids[static_cast<size_t>(position)] == axisId)
            return position;
    return count;
}

int16_t bFctAxisExists(int16_t axisId)
{
    return model::AsFlag(nFctFindAxisIndex(axisId) >= 0);
}

int16_t bFctIsQuickSetupDefined(int16_t axisId)
{
    const AxisRec* axis = model::FindAxis(axisId);
    return axis ? axis->QuickSetupDefined : model::kFalse;
}

int16_t bFctProfileEmpty(int16_t axisId)
{
    const AxisRec* axis = model::FindAxis(axisId);
    return axis ? bFctRecProfileEmpty(*axis) : model::kTrue;
}
