#pragma once
// A leadscrew axis driven by a 3:1 gear motor, built with the model's own
// operations in the metric unit system, and its values worked out by hand
// (SI units; g = 9.8067 m/s^2, a density in g/cm^3 weighs rho x 9.81e-6
// N/mm^3). The gear counts as lossless.
//
// Leadscrew: steel, 20 mm x 500 mm, lead 10 mm/rev, 90 %, friction 0.1,
// level; a weight of 500 N on it. Move (quick setup, trapezoidal): 250 mm/s,
// 1 s in all with ramps of 0.25 s, then 0.5 s dwell: four segments.
// Motor: rotor R = 0.2, brake B = 0.1, gear G = 0.2 kg.cm^2, gear ratio
// N = 3, Kt 0.4 N.m/A.
//
// Screw: V = pi 0.01^2 x 0.5 = 1.5707963e-4 m^3, weight 7.85 x 9.81e-6 x
//   1.5707963e5 mm^3 = 12.096467 N, m = 1.2334901 kg, Js = m r^2 / 2 =
//   6.1674503e-5 kg.m^2.
// Weight: 500 / 9.8067 = 50.985551 kg x (0.01 / 2 pi)^2 = 1.2914791e-4,
//   through the screw's 90 %: 1.4349768e-4 kg.m^2.
// Load inertia at the drive shaft L = 2.0517218e-4 kg.m^2 = 2.0517218 kg.cm^2.
// Friction: 0.1 x 500 N x 0.01 m / (2 pi x 0.9) = 0.088419413 N.m.
// Drive shaft: 250 / 10 = 25 rev/s = 1500 rpm; the motor 3 x 1500 = 4500 rpm.
// Acceleration 1000 mm/s^2 = 100 rev/s^2, alpha = 628.31853 rad/s^2.
//
// Gear motor at the drive shaft: (R + B) x 9 = 2.7 kg.cm^2, (R + B + G) x 9 =
//   4.5 kg.cm^2; total inertia L + 4.5e-4 = 6.5517218e-4 kg.m^2.
//   J alpha = 0.41165682 N.m; segment torques at the shaft: ramp up
//   0.50007623 (0.25 s), steady 0.088419413 (0.5 s), ramp down 0.088419413 -
//   0.41165682 = -0.32323741 (0.25 s), dwell 0 (0.5 s).
//   RMS = sqrt((0.50007623^2 x 0.25 + 0.088419413^2 x 0.5 + 0.32323741^2 x
//   0.25) / 1.5) = 0.24839305 N.m, peak 0.50007623 N.m.
//   At the motor (/ 3): RMS 0.082797684, peak 0.16669208 N.m.
//   Currents torque / (3 x 0.4): 0.41673019, 0.073682844, -0.26936451, 0;
//   RMS 0.20699421 A, peak 0.41673019 A.
//   Load at the motor: L / 9 = 0.22796909 kg.cm^2, + G = 0.42796909 kg.cm^2;
//   ratio 0.42796909 / (0.2 + 0.1) = 1.4265636.
//   The axis alone: J alpha = 0.12891348; torques 0.21733289, 0.088419413,
//   -0.040494069, 0; RMS 0.10368971 N.m, at the motor 0.034563238 N.m.
//
// The same motor without gear (N = 0; the gear inertia does not count):
//   total inertia L + 3e-5 = 2.3517218e-4 kg.m^2, J alpha = 0.14776304;
//   torques 0.23618245, 0.088419413, -0.059343625, 0; RMS 0.11175852 N.m,
//   peak 0.23618245 N.m; currents / 0.4: 0.59045613, 0.22104853,
//   -0.14835906, 0; RMS 0.27939630 A, peak 0.59045613 A; inertia ratio
//   L / (R + B) = 6.8390726; the motor turns at 1500 rpm.
#include <cstdint>

namespace testing_support::gear_motor_axis {

inline constexpr double kShaftRpm = 1500;
inline constexpr double kGearRatio = 3;
inline constexpr double kLoadInertiaKgCm2 = 2.0517218;

// The gear-motor block.
inline constexpr double kReflMotorInertiaKgCm2 = 2.7;
inline constexpr double kTotalMotorInertiaKgCm2 = 4.5;
inline constexpr double kReflLoadInertiaKgCm2 = 0.22796909;
inline constexpr double kTotalLoadInertiaKgCm2 = 0.42796909;
inline constexpr double kInertiaRatio = 1.4265636;
// Load to rotor and brake without gear.
inline constexpr double kInertiaRatioNoGear = 6.8390726;

// The leadscrew's results at its input, the drive shaft (with or without the
// gear): kShaftRpm, the load inertia L, the screw's own Js, the friction and
// the peak torque of the axis alone (J alpha 0.12891348 + the friction).
inline constexpr double kScrewInertiaKgCm2 = 0.61674503;
inline constexpr double kFrictionTorque = 0.088419413;
inline constexpr double kPeakTorqueAlone = 0.21733289;

// What the axis gives with the motor, with or without the gear.
struct WithMotor {
    double motorRpm;           // the motor's speed in the moving segments
    double totalInertiaKgCm2;  // load and motor at the drive shaft
    double rmsTorque, peakTorque;    // at the drive shaft, N.m
    double rmsCurrent, peakCurrent;  // A
    double segmentTorques[4];        // at the drive shaft, N.m
    double segmentCurrents[4];       // A
};
inline constexpr WithMotor kWithGear{.motorRpm = 4500,
                                     .totalInertiaKgCm2 = 6.5517218,
                                     .rmsTorque = 0.24839305,
                                     .peakTorque = 0.50007623,
                                     .rmsCurrent = 0.20699421,
                                     .peakCurrent = 0.41673019,
                                     .segmentTorques = {0.50007623, 0.088419413, -0.32323741, 0},
                                     .segmentCurrents = {0.41673019, 0.073682844, -0.26936451, 0}};
inline constexpr WithMotor kWithoutGear{.motorRpm = 1500,
                                        .totalInertiaKgCm2 = 2.3517218,
                                        .rmsTorque = 0.11175852,
                                        .peakTorque = 0.23618245,
                                        .rmsCurrent = 0.27939630,
                                        .peakCurrent = 0.59045613,
                                        .segmentTorques = {0.23618245, 0.088419413, -0.059343625, 0},
                                        .segmentCurrents = {0.59045613, 0.22104853, -0.14835906, 0}};

// Builds the chain, the load and the move on the axis (which has its
// segments and quick setup) in linear motion, and sets the motor below.
// False when the quick setup was not taken.
bool Build(int16_t axisId);
// The motor of the axis: rated speed (rpm), rated and maximum torque (N.m)
// and gear ratio; rotor, brake, gear inertia and Kt as above.
void SetMotor(int16_t axisId, double ratedRpm, double ratedTorque, double maxTorque, double gearRatio);

// Ratings the gear motor meets only through its gear: 5000 rpm (4500
// needed), rated 0.15 and maximum 0.4 N.m, below the shaft's RMS and peak
// torque but above the motor's.
inline constexpr double kRatedRpm = 5000, kRatedTorque = 0.15, kMaxTorque = 0.4;

} // namespace testing_support::gear_motor_axis
