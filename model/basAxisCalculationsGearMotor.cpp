#include "model/basAxisCalculationsGearMotor.h"

#include <limits>

#include "foundation/basTextResources.h"
#include "model/basAxisCalculationsInternal.h"
#include "model/basAxisRequirements.h"

namespace calc {

namespace {
constexpr int16_t kAtGearOutputText = 387, kAtMotorShaftText = 388;
} // namespace

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

double MotorAndGear::InertiaAtMotor(double shaftInertia) const
{
    return HasGear() ? shaftInertia / (ratio_ * ratio_) : shaftInertia;
}

double MotorAndGear::InertiaAtShaft(double motorSideInertia) const
{
    return HasGear() ? motorSideInertia * ratio_ * ratio_ : motorSideInertia;
}

double MotorAndGear::TotalLoadInertiaAtMotor(double shaftInertia) const
{
    return HasGear() ? InertiaAtMotor(shaftInertia) + gear_ : shaftInertia;
}

double MotorAndGear::RotorAndBrakeInertiaAtShaft() const
{
    return InertiaAtShaft(RotorAndBrakeInertia());
}

double MotorAndGear::MotorInertiaAtShaft(double rotorAndBrake) const
{
    return HasGear() ? InertiaAtShaft(rotorAndBrake + gear_) : rotorAndBrake;
}

std::string AtGearOutputText(const MotorAndGear& motor)
{
    return motor.HasGear() ? sFctGetText(kAtGearOutputText) : "";
}

std::string AtMotorShaftText(const MotorAndGear& motor)
{
    return motor.HasGear() ? sFctGetText(kAtMotorShaftText) : "";
}

} // namespace calc
