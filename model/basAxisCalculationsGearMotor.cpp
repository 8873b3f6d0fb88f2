#include "model/basAxisCalculationsGearMotor.h"

#include <limits>

#include "model/basAxisCalculationsInternal.h"
#include "model/basAxisRequirements.h"

namespace calc {

MotorAndGear::MotorAndGear(const std::array<ParamRec, model::kMotorParamCapacity>& motor)
    : ratio_(motor[MotorEntry::GearRatio].Data),
      rotor_(detail::BasicValue(motor[MotorEntry::RotorInertia])),
      brake_(detail::BasicValue(motor[MotorEntry::BrakeInertia])),
      gear_(detail::BasicValue(motor[MotorEntry::GearInertia])),
      kt_(detail::BasicValue(motor[MotorEntry::TorqueConstant]))
{
}

MotorAndGear MotorAndGearOfAxis(int16_t axisId)
{
    MotorRec motor;
    nFctGetMotorRecord(axisId, motor);
    return MotorAndGear(motor.MotorData);
}

double MotorAndGear::Current(double shaftTorque) const
{
    return kt_ > 0.0 ? MotorTorque(shaftTorque) / kt_ : std::numeric_limits<double>::quiet_NaN();
}

double MotorAndGear::LoadInertiaAtMotor(double shaftInertia) const
{
    return HasGear() ? shaftInertia / (ratio_ * ratio_) : shaftInertia;
}

double MotorAndGear::TotalLoadInertiaAtMotor(double shaftInertia) const
{
    return HasGear() ? LoadInertiaAtMotor(shaftInertia) + gear_ : shaftInertia;
}

double MotorAndGear::RotorAndBrakeInertiaAtShaft() const
{
    return HasGear() ? RotorAndBrakeInertia() * ratio_ * ratio_ : RotorAndBrakeInertia();
}

double MotorAndGear::InertiaAtShaft() const
{
    return HasGear() ? (RotorAndBrakeInertia() + gear_) * ratio_ * ratio_ : RotorAndBrakeInertia();
}

} // namespace calc
