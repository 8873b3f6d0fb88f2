#pragma once
#include <cstdint>
#include <vector>
#include "model/basAxisData.h"

// The sizing calculations of an axis, first half: the completed velocity
// profile and its segment solver, the motion-mode conversion of the stored
// profile, the mechanism and load calculations, and the chain passes that run
// the mechanisms from the load back to the motor shaft.
//
// Scale: inside the chain, torques and inertias are 1000 times their value in
// the basic unit (weights in N, lengths in mm, g = 9806.7 mm/s^2, densities in
// g/cm^3 times 9.81e-6 give N/mm^3). Every torque and inertia result cell is
// divided by 1000 when stored; velocities (rev/s) and accelerations (rev/s^2)
// are stored unscaled. LoadInertia and LoadAccelTorque stay in the internal
// scale. A parameter is used as Data x Factor, except efficiencies (Data /
// 100), counts, ratios, friction coefficients and angles in degrees (Data).
//
// No result cell ever receives a non-finite value: where a division has no
// divisor the result is 0. Calculation warnings are appended to the axis's
// CalcMessages with the chain position of the mechanism that raised them.

namespace calc {
// The velocity-profile table: segment j at 5j .. 5j+4 (see ProfileValue),
// plus one trailing element that stays 0.
inline constexpr int kProfileValuesPerSegment = 5;
namespace ProfileValue {
inline constexpr int InitialVelocity = 0;
inline constexpr int FinalVelocity = 1;
inline constexpr int Duration = 2;
inline constexpr int Acceleration = 3;
inline constexpr int Distance = 4;
} // namespace ProfileValue

// Unit-list IDs of the result cells.
inline constexpr int16_t kVelocityResultUnit = 10;      // rev/s
inline constexpr int16_t kAccelerationResultUnit = 26;  // rev/s^2
inline constexpr int16_t kWeightResultUnit = 51;        // N
inline constexpr int16_t kTorqueResultUnit = 55;        // N.m
inline constexpr int16_t kInertiaResultUnit = 59;       // kg.m^2

// MechResult cells.
namespace MechResultIndex {
inline constexpr int MaxInputVelocity = 0;
inline constexpr int TotalInertia = 1;
inline constexpr int ConstantTorque = 2;
inline constexpr int PeakTorque = 3;
inline constexpr int MechanismInertia = 4;
} // namespace MechResultIndex

// AxisResult cells written by the static pass (3..5 belong to the motor
// requirements).
namespace AxisResultIndex {
inline constexpr int MotorVelocity = 0;  // the fastest the motor turns
inline constexpr int ReflectedInertia = 1;
inline constexpr int ConstantTorque = 2;
} // namespace AxisResultIndex

// String ids of the calculation warnings.
namespace CalcWarning {
inline constexpr int16_t MotorPulleyWeightInconsistent = 361;
inline constexpr int16_t LoadPulleyWeightInconsistent = 362;
inline constexpr int16_t MotorPulleyWeightMissing = 363;
inline constexpr int16_t LoadPulleyWeightMissing = 364;
inline constexpr int16_t CouplingWeightInconsistent = 376;
inline constexpr int16_t CouplingWeightMissing = 377;
inline constexpr int16_t DiskWeightInconsistent = 172;
inline constexpr int16_t DiskWeightMissing = 173;
inline constexpr int16_t VelocityAboveMaximum = 174;
inline constexpr int16_t VelocityCloseToMaximum = 175;
inline constexpr int16_t TravelExceedsScrewLength = 176;
inline constexpr int16_t TravelCloseToScrewLength = 177;
inline constexpr int16_t TravelExceedsRackLength = 179;
inline constexpr int16_t TravelCloseToRackLength = 180;
} // namespace CalcWarning

// The roll diameter at which a speed of an axis holds.
namespace RollDiameter {
inline constexpr int16_t None = 0;  // no centre-driven winder ends the chain
inline constexpr int16_t Core = 1;
inline constexpr int16_t FullRoll = 2;
} // namespace RollDiameter
} // namespace calc

// The completed velocity profile of an axis (see calc::ProfileValue).
using ProfileTable = std::vector<double>;

// ---- Chain accumulators -------------------------------------------------
// The values carried through the chain, at the output shaft of the mechanism
// about to be calculated: constant torque and inertia (internal scale),
// velocity (rev/s) and acceleration (rev/s^2). Seeded by the chain passes,
// transformed by SubCalcMechanism.
extern double gdChainValue1;
extern double gdChainValue2;
extern double gdChainValue3;
extern double gdChainValue4;

// ---- Velocity profile ---------------------------------------------------

// Builds the profile table of one segment (segmentIndex 0-based) or of all
// segments (segmentIndex -1): every segment completed by SubCompleteSegment,
// 5 values per segment plus a trailing 0 (one element for no segment).
// Display form (calculationForm False): each value in its member's display
// unit. Calculation form (True): basic units; in linear motion velocities,
// acceleration and distance are multiplied by the end device's revolutions
// per unit of travel (0 when the end device gives none), durations never.
// An absent axis leaves the table untouched. The axis record never changes.
void nFctBuildVelocityProfile(int16_t axisId, int16_t segmentIndex, ProfileTable& table,
                              int16_t calculationForm);

// Completes the missing values (exactly 0 = not entered) of one segment by the
// first rule that applies, then sets the sign of a non-zero acceleration:
// negative exactly when the magnitude of the velocity falls. A distance from
// which a duration is found counts along the motion (its magnitude with the
// sign of the mean velocity), so no duration comes out negative.
void SubCompleteSegment(double& initialVelocity, double& finalVelocity, double& duration,
                        double& acceleration, double& distance);

// The kinematics solver; x is the initial velocity. Cases (x, y, z):
//   1 (vi, vf, t) -> a = (vf - vi) / t          4 (vi, t, a) -> s = vi t + a t^2 / 2
//   2 (vi, vf, t) -> s = ((vf - vi) / 2 + vi) t 5 (vi, vf, a) -> t = (vf - vi) / a
//   3 (vi, t, a)  -> vf = a t + vi              6 (vi, vf, s) -> t = s / ((vf - vi) / 2 + vi)
//   7 (vi, t, s)  -> vf = 2 s / t - vi
// A zero divisor gives 0; any other case gives 0.
double dFctSolveSegment(int16_t solverCase, double x, double y, double z);

// The span between the farthest positions the profile reaches (the start
// position 0 always inside). unitId receives its unit: the first segment's
// distance unit; for a rotary distance unit with an end device that gives a
// travel value, the span is converted into the length unit of that device's
// pitch/lead unit. -1.0 (unitId untouched) for an absent axis.
double dFctGetProfileTravelRange(int16_t axisId, int16_t& unitId);

// Segments from the first up to and including the last non-empty one; 0 for
// an empty profile or an absent axis.
int16_t nFctGetUsedSegmentCount(int16_t axisId);

// ---- Motion mode --------------------------------------------------------

// True when the last mechanism of the chain has a linear output.
int16_t bFctAxisEndsLinear(int16_t axisId);
// MotionMode (0 rotary, 1 linear) / QuickSetupMode (0 Triangular,
// 1 Trapezoidal); -1 for an absent axis.
int16_t nFctGetMotionMode(int16_t axisId);
int16_t nFctGetQuickSetupMode(int16_t axisId);

// Re-express the profile segments (initial and final velocity, acceleration,
// distance) / the quick-setup slots 0 (velocity) and 2 (distance) for the
// other motion mode, read from the axis's current MotionMode (the mode being
// left), in the selected units of the new mode; each converted member ends
// with the general unit type 4 (velocity), 7 (acceleration) or 1 (length).
// Durations, times and load flags are untouched. Nothing changes for an
// absent axis or an end device without a positive travel value. The caller
// stores the new mode (SubSetMotionMode) afterwards.
void SubConvertSegmentsForMotionSwitch(int16_t axisId);
void SubConvertQuickSetupForMotionSwitch(int16_t axisId);

// ---- Mechanisms ---------------------------------------------------------

// Turns the chain accumulators at the output of mechanism mechIndex into the
// values at its input, stores MechResult 0..4 and appends its warnings.
// chained True takes the carried torque and inertia (conveyor, leadscrew and
// rack-pinion: the axis's LoadWeight; the rotary table also a weight-only
// load's LoadWeight, as weight turning with the table) as they are; False
// uses 0 instead.
// Codes without a calculation leave accumulators and results unchanged.
void SubCalcMechanism(AxisRec& axis, int16_t mechIndex, int16_t chained);

// Appends a warning (string id) raised by mechanism mechIndex.
void SubAddCalcMessage(AxisRec& axis, int16_t mechIndex, int16_t message);

// Zeroes AxisResult 0..4, MechResult 0..4 of every mechanism, LoadResult 0..3
// and the eight requirement cells, sets their units, and empties the
// calculation messages. AxisResult 5..6, MechResult 5, LoadResult 4..5 stay.
void SubResetAxisResults(AxisRec& axis);

// ---- Load ---------------------------------------------------------------

// Fills LoadWeight (N), LoadInertia and LoadAccelTorque (internal scale) from
// the load type and entries; LoadAccelTorque uses ProfileMaxAcceleration.
// chained True keeps them only when a segment before the first empty one
// applies the load weight; otherwise they become 0.
void SubCalcLoadByShape(AxisRec& axis, int16_t chained);

// The load inertia in kg.m^2 from the stored LoadWeight and the entries; 0
// for a load without shape or an absent axis.
double dFctGetLoadShapeInertia(int16_t axisId);

// ---- Chain passes and results -------------------------------------------

// The static pass: resets the results, takes the largest profile velocity and
// acceleration (ProfileMaxVelocity, ProfileMaxAcceleration; in linear motion
// times the end device's revolutions per unit of travel, 0 when it gives
// none), the load, runs every mechanism from the load to the motor and stores
// AxisResult 0..2 and every mechanism's results and warnings. AxisResult 0 is
// the fastest the motor turns: with a centre-driven winder, at the roll's
// core (entry 1, when given), while the chain runs at its full outer
// diameter.
void SubCalcAxisResults(int16_t axisId);

// Where the speeds of an axis hold on the roll of a centre-driven winder at
// the end of its chain (calc::RollDiameter): the motor speed result
// (AxisResult 0, and with it the required speed and the speed check) at the
// core where the core diameter is given and below the full roll's, else at
// the full roll; the chain's own speeds (every mechanism's input velocity,
// each segment's motor speed and the speed at the peak torque, as the
// torques and the power) always at the full roll. None on an axis whose
// last mechanism is no centre-driven winder, and on an absent axis.
int16_t nFctGetMotorSpeedDiameter(int16_t axisId);
int16_t nFctGetChainSpeedDiameter(int16_t axisId);

// The per-segment pass: inertia gets n + 1 elements (n = used segments), the
// reflected inertia at the motor of each segment (kg.m^2) and a trailing 0.
// In a segment whose load flag is not 1.0 the end device takes neither the
// load weight nor the carried inertia. torque receives the constant torque at
// the motor of the last segment's run (N.m; 0 when n = 0). When
// segmentTorques is given it receives, in the same form as inertia, the
// constant torque at the motor of each segment's own run (N.m).
void nFctCalcSegmentTorques(int16_t axisId, std::vector<double>& inertia, double& torque,
                            std::vector<double>* segmentTorques = nullptr);

// True when the segment exists and its LoadWeightApplied Data is exactly 1.0.
int16_t bFctSegmentFlagIsOne(int16_t axisId, int16_t segmentIndex);

// The product of the efficiencies of the chain (an efficiency of 0 counts as
// 1.0; types without one count 1.0); 1.0 for an empty chain or absent axis.
double dFctGetChainEfficiency(int16_t axisId);

// The inclination in degrees of a conveyor, leadscrew or rack-pinion at the
// end of the chain; 0 otherwise.
double dFctGetEndDeviceAngle(int16_t axisId);

// A result cell's value, its unit in unitId; 0 and unit -1 for an absent
// axis or an index outside the chain or the cells.
double dFctGetMechanismResult(int16_t axisId, int16_t mechIndex, int16_t resultIndex,
                              int16_t& unitId);
double dFctGetAxisResult(int16_t axisId, int16_t resultIndex, int16_t& unitId);

// The largest absolute velocity (initial or final) and acceleration of the
// completed profile, in the segments' display units; both 0 to start with.
void nFctGetProfileExtremes(int16_t axisId, double& maxVelocity, double& maxAcceleration);
