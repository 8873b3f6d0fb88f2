#pragma once
// A motor and its gear: the speeds, torques, currents and inertias of a gear
// motor carried between the motor's side of the gear and the drive shaft.
#include <array>
#include <cstdint>
#include <string>

#include "model/basAxisData.h"

namespace calc {

// A motor seen from both sides of its gear. A gear motor (gear ratio N,
// entry 7, above 0) is a motor behind a gear whose output is the axis's
// drive shaft, the shaft at which the chain's results (speed, inertia,
// torques) stand; its rated speed and torques, Kt, rotor, brake and gear
// inertia are the motor's own, on the motor's side of the gear. No gear
// efficiency is entered: the gear counts as lossless, so the motor turns N
// times as fast as the drive shaft and gives 1 / N of the shaft's torque,
// and an inertia on the motor's side weighs N^2 times as much at the drive
// shaft. A motor without gear (N not above 0) sits on the drive shaft
// itself: every conversion leaves the value exactly as it is, and the gear
// inertia does not count. Inertias in kg.m^2, torques in N.m, currents in A.
class MotorAndGear {
public:
    MotorAndGear() = default;
    // From the motor's entries (each Data x Factor; the ratio as Data).
    explicit MotorAndGear(const std::array<ParamRec, model::kMotorParamCapacity>& motor);

    bool HasGear() const { return ratio_ > 0.0; }
    double RotorInertia() const { return rotor_; }
    double RotorAndBrakeInertia() const { return rotor_ + brake_; }
    double Kt() const { return kt_; }

    // Drive shaft to motor: the speed times N, the torque divided by N.
    double MotorSpeed(double shaftSpeed) const { return shaftSpeed * TurnsPerShaftTurn(); }
    double MotorTorque(double shaftTorque) const { return shaftTorque / TurnsPerShaftTurn(); }
    // The current for a torque at the drive shaft: torque / (N x Kt), NaN
    // when Kt is not above 0.
    double Current(double shaftTorque) const;
    // An inertia at the drive shaft as the motor feels it, / N^2, and one on
    // the motor's side of the gear as the drive shaft feels it, x N^2.
    double InertiaAtMotor(double shaftInertia) const;
    double InertiaAtShaft(double motorSideInertia) const;
    // The load inertia that the motor's own inertia (rotor and brake) is
    // judged against: the load at the drive shaft as the motor feels it and
    // the gear's own inertia, which sits on the motor's side of the gear,
    // L / N^2 + G. The inertia check's ratio and the range of motor inertia
    // that Motor Requirements offers both stand on it.
    double TotalLoadInertiaAtMotor(double shaftInertia) const;
    // The motor's rotor and brake inertia at the drive shaft: (R + B) x N^2.
    double RotorAndBrakeInertiaAtShaft() const;
    // A motor of that rotor and brake inertia behind this gear as the drive
    // shaft feels it, with the gear's own inertia: (R + B + G) x N^2, the
    // inertia the dynamic pass adds to the load's; without an argument the
    // motor's own.
    double MotorInertiaAtShaft(double rotorAndBrake) const;
    double MotorInertiaAtShaft() const { return MotorInertiaAtShaft(RotorAndBrakeInertia()); }

private:
    double TurnsPerShaftTurn() const { return HasGear() ? ratio_ : 1.0; }

    double ratio_ = 0.0, rotor_ = 0.0, brake_ = 0.0, gear_ = 0.0, kt_ = 0.0;
};

// The motor of the axis with its gear, from its motor record
// (nFctGetMotorRecord); no motor (nor gear) for an absent axis.
MotorAndGear MotorAndGearOfAxis(int16_t axisId);

// The shaft a figure stands at, to follow its unit: for a gear motor
// " (gear output)" at the drive shaft, " (motor shaft)" at the motor's side
// of the gear (string table); nothing for a motor without gear, whose
// figures all stand at its own shaft.
std::string AtGearOutputText(const MotorAndGear& motor);
std::string AtMotorShaftText(const MotorAndGear& motor);

} // namespace calc
