#pragma once
#include <cmath>
#include <cstdint>
#include "model/basAxisData.h"

// Helpers shared by the calculation sources of basAxisCalculations; not part
// of the module's public interface.
namespace calc::detail {

inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kFourPiSquared = 39.478417604357354;
inline constexpr double kGravity = 9806.7;         // mm/s^2
inline constexpr double kTwoGravity = 19613.4;     // 2g
inline constexpr double kDensityToWeight = 9.81e-6;  // g/cm^3 -> N/mm^3
inline constexpr double kInternalScale = 1000.0;

// The unit types of the length, velocity and acceleration quantities: the
// general type of a quantity and its rotary and linear kinds.
namespace UnitTypeCode {
inline constexpr int16_t Length = 1;
inline constexpr int16_t RotaryLength = 2;
inline constexpr int16_t LinearLength = 3;
inline constexpr int16_t Velocity = 4;
inline constexpr int16_t RotaryVelocity = 5;
inline constexpr int16_t LinearVelocity = 6;
inline constexpr int16_t Acceleration = 7;
inline constexpr int16_t RotaryAcceleration = 8;
inline constexpr int16_t LinearAcceleration = 9;
} // namespace UnitTypeCode

// A parameter in the basic unit of its type.
inline double BasicValue(const ParamRec& p) { return p.Data * p.Factor; }

// A value that may go into a result cell or the profile table: a value that
// overflowed or had no divisor becomes 0.
inline double Finite(double value) { return std::isfinite(value) ? value : 0.0; }

// How much faster the motor turns at the core of a centre-driven winder's
// roll (entry 1, when given) than at its full outer diameter (entry 0), at
// which the chain passes run: the product of outer / inner over the chain's
// centre-driven winders, 1.0 without one.
double CoreSpeedFactor(const AxisRec& axis);

// The motor speed of the last static pass at the chain's own operating point
// (a winder's full roll), from which torques, the speed at the peak torque
// and the power follow; the axis's motor speed result is the fastest the
// motor turns.
double ChainMotorVelocity(const AxisRec& axis);

} // namespace calc::detail
