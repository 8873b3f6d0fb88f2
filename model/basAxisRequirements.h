#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>
#include "model/basAxisCalculations.h"
#include "model/basAxisData.h"

// The sizing calculations of an axis, second half: the quick setup and its
// transfer into profile segments, the completeness check, the dynamic pass
// that gives the motor torque of every profile segment, the motor
// requirements (RMS and peak torque, speed at the peak, speed and power
// tables), the check of a motor against them with its advice text, and the
// switch of every axis to the units of another unit system.
//
// Every operation looks the axis up first; an axis ID that is not in gAxis
// gives the stated empty result and changes nothing. Texts use the string
// table (sFctGetText), "\r\n" as line break, sFctFormatNumber for measured
// values and the plain number form (sFctPlainNumber) for counts and factors.

namespace calc {
// Check categories of nFctCheckMotor.
namespace MotorCheckCategory {
inline constexpr int16_t All = 0;
inline constexpr int16_t SpeedAndTorques = 1;
inline constexpr int16_t Speed = 2;
inline constexpr int16_t RmsTorque = 3;
inline constexpr int16_t PeakTorque = 4;
inline constexpr int16_t Inertia = 5;
} // namespace MotorCheckCategory

// Result codes of nFctCheckMotor.
namespace MotorCheckCode {
inline constexpr int16_t Passed = 0;
inline constexpr int16_t SpeedTooLow = 1;           // required speed above the rated speed
inline constexpr int16_t RatedTorqueTooLow = 2;     // RMS x min factor above the rated torque
inline constexpr int16_t RatedTorqueTooHigh = 3;    // rated torque above max factor x RMS
inline constexpr int16_t MaxTorqueTooLow = 4;       // peak x min factor above the maximum torque
inline constexpr int16_t MaxTorqueTooHigh = 5;      // maximum torque above max factor x peak
inline constexpr int16_t RotorInertiaMissing = 6;
inline constexpr int16_t InertiaRatioDiscard = 7;   // ratio above gdMaxInertiaDiscard
inline constexpr int16_t InertiaRatioWarning = 8;   // ratio above gdMaxInertiaWarning
inline constexpr int16_t InertiaRatioTooLow = 9;    // ratio below gdMinInertiaFactor
} // namespace MotorCheckCode

// Entries of the motor block the check and the dynamic pass read.
namespace MotorEntry {
inline constexpr int RatedSpeed = 0;
inline constexpr int RatedTorque = 1;
inline constexpr int MaxTorque = 2;
inline constexpr int RotorInertia = 3;
inline constexpr int TorqueConstant = 4;  // Kt
inline constexpr int BrakeInertia = 6;
inline constexpr int GearRatio = 7;   // Data as is; not above 0 = no gear
inline constexpr int GearInertia = 8;
} // namespace MotorEntry

// AxisResult cells written by the motor requirements without a motor.
namespace RequirementIndex {
inline constexpr int RmsTorque = 3;
inline constexpr int PeakTorque = 4;
inline constexpr int SpeedAtPeak = 5;
} // namespace RequirementIndex

// Unit-list IDs of the requirement tables.
inline constexpr int16_t kSpeedTableUnit = 11;     // rpm
inline constexpr int16_t kPowerTorqueUnit = 56;    // lbf.in, of the horsepower formula
inline constexpr int16_t kMetricPowerUnit = 72;    // kW
inline constexpr int16_t kEnglishPowerUnit = 73;   // hp
} // namespace calc

// The runtime's plain number form: a leading blank for a value that is not
// negative, "." as decimal point whatever the locale, no thousands
// separator, up to 15 significant digits, no leading zero before the point.
std::string sFctPlainNumber(double value);

// ---- Quick setup ----------------------------------------------------------

// Validates the quick setup of the axis and completes the missing values.
// completed gets six entries: V, T, S, ta, td in the display units of slots
// 0 to 4 and a sixth that stays 0; all 0 when the block is not valid.
// splitMode 0 splits a move without ramp times into two halves (ramps T / 2),
// any other value into thirds (ramps T / 3); the distance checks use those
// ramps. The first failed check shows its message (2003 to 2007) only when
// showMessages is True. Returns True when the block is valid.
int16_t nFctValidateQuickSetup(int16_t axisId, int16_t splitMode, std::vector<double>& completed,
                               int16_t showMessages);

// True when the quick setup is not defined or every slot of its mode is 0
// (Triangular: slots 0, 1, 2, 5); also for an absent axis.
int16_t bFctQuickSetupEmpty(int16_t axisId);

// Writes the completed move (from nFctValidateQuickSetup) into the profile:
// acceleration, constant speed (when the constant part is more than 1 % of
// the distance), deceleration and dwell (when entered), in the units of the
// quick setup; every other segment up to the count (at most 10) is cleared.
// A profile shorter than the move grows to the segments it needs.
// keepEntered True keeps in each written segment only what defines it (the
// profile builder completes the rest); loadWeight True clears every load
// flag and sets it on the written segments.
void nFctTransferQuickSetup(int16_t axisId, const std::vector<double>& completed,
                            int16_t keepEntered, int16_t loadWeight);

// ---- Completeness ---------------------------------------------------------

// Builds the analysis text of the axis (what is missing, the calculation
// warnings of the chain and their counts) and returns True when the axis can
// be calculated. An axis cannot be calculated without a mechanism, without
// profile segments (a quick setup counts only once it was transferred), with
// a required mechanism parameter at 0, or in linear motion when its end
// device gives no revolutions per unit of travel. The count of warnings at
// the end of the text takes in warningsListedAfter more, those a caller lists
// after it (the axis analysis: the motor check's). Absent axis: False and
// text untouched.
int16_t nFctBuildAxisCompletenessText(int16_t axisId, std::string& text, int16_t warningsListedAfter = 0);

// True when the load entries that its type needs are given; no load is
// complete, an unknown type never; False for an absent axis.
int16_t bFctLoadDataComplete(int16_t axisId);

// "Warning : " and the text of the calculation message of that chain
// position that comes after the first `limit` ones; "" when there is none.
std::string sFctGetRepeatWarning(int16_t axisId, int16_t chainPosition, int16_t limit);

// ---- Dynamic pass ---------------------------------------------------------

// The torque at the drive shaft (a gear motor's output) of every used
// profile segment (torques gets n + 1 entries, the last 0) and the peak
// torque (returned) with the drive shaft's speed in rev/s of the segment
// where it occurs (speedAtPeak). rawUnit True gives N.m (unit
// 55), False the selected torque unit; resultUnit receives it. Each segment
// takes the reflected inertia and the constant torque of its own chain run;
// a motor's own inertia counts when MotorDefined is True: rotor and brake
// inertia, and for a gear motor rotor, brake and gear inertia times the
// square of the gear ratio. On an inclined end device the chain efficiency
// is applied by the direction of the power flow. An absent axis or one that
// cannot be calculated gives a one-entry table, speed 0 and 0.
double dFctCalculateAxis(int16_t axisId, std::vector<double>& torques, int16_t& resultUnit,
                         double& speedAtPeak, int16_t rawUnit);

// The same with the motor inertia given (kg.m^2 x 1000) instead of the
// motor's own.
double nFctCalcSegmentTorqueTable(int16_t axisId, std::vector<double>& torques,
                                  int16_t& resultUnit, double& speedAtPeak, int16_t rawUnit,
                                  double motorInertia);

// ---- Motor requirements ---------------------------------------------------

// RMS and peak torque (selected torque unit) and the motor speed at the peak
// (rev/s): into SystemRmsTorque, SystemPeakTorque, SystemMaxVelocity with
// withMotor True (the motor's inertia counts), into AxisResult 3, 4, 5
// otherwise. MotorDefined is back as it was afterwards. Nothing is written
// when no segment could be calculated.
void nFctGetMotorRequirements(int16_t axisId, int16_t withMotor);

// RMS (cell 0) and peak torque (cell 1) in the selected torque unit with the
// given motor inertia (kg.m^2 x 1000); two zero cells when nothing could be
// calculated. The axis's requirement cells are not written.
void nFctGetRmsTorqueTable(int16_t axisId, double motorInertia, std::vector<ResultCell>& cells);

// The speed of every profile segment in rpm at the end device's input (the
// larger of initial and final speed, sign kept; a tie keeps the initial);
// returns the largest magnitude. Absent axis: 0, speeds untouched.
double dFctGetProfileVelocityTable(int16_t axisId, std::vector<double>& speeds);

// Motor speed per unit of profile speed (from the last static pass, at the
// chain's operating point: a centre-driven winder's full roll); 0 when the
// profile has no speed.
double dFctGetResultPerVelocity(int16_t axisId);

// Power (hp, or kW in the metric system) and motor speed (rpm) of every
// profile segment. powerUnit is set first (72 metric, 73 otherwise).
void nFctGetPowerTable(int16_t axisId, std::vector<double>& power, int16_t& powerUnit,
                       std::vector<double>& speeds);

// which 0 SystemRmsTorque, 1 SystemPeakTorque, 2 SystemMaxVelocity with its
// unit; any other value or an absent axis: 0 and unitId untouched.
double dFctGetRequirementResult(int16_t axisId, int16_t which, int16_t& unitId);

// value (in fromUnit) converted into the selected unit of unitType in the
// given system ("EE", "M" or "NA") and formatted with sFctFormatNumber;
// unitText receives that unit's text.
std::string sFctFormatValueWithUnit(double value, int16_t unitType, int16_t fromUnit,
                                    std::string& unitText, const std::string& system);

// ---- Motor check ----------------------------------------------------------

// Checks the motor against the axis requirements (see calc::MotorCheckCode);
// category selects the checks (calc::MotorCheckCategory). A gear motor's
// rated speed and torques are compared with N times the required speed and
// the required torques / N, its rotor and brake inertia with the load
// inertia / N^2 plus the gear inertia (calc::MotorAndGear::
// TotalLoadInertiaAtMotor). withMotor True
// compares with the requirements that count the motor's inertia, False with
// those of the axis alone. With several checks the code of the last failing
// one (speed, RMS, peak, inertia) is returned. Absent axis: 0.
int16_t nFctCheckMotor(int16_t axisId, const MotorRec& motor, int16_t category,
                       int16_t withMotor);

// The advice text of the motor check: each failed check as one entry, each
// entry preceded by indentWidth blanks (and "Warning : " on a line of its own
// when header is True), entries separated by blankLines line breaks. An
// inertia ratio above the warning limit is advised a higher ratio of a gear
// motor's gear or a larger motor, a higher gearbox ratio where the chain has
// a gearbox, else a gearbox. Returns the number of warnings.
int16_t nFctBuildMotorCheckText(int16_t axisId, std::string& text, int16_t indentWidth,
                                int16_t header, int16_t blankLines);

namespace calc {
// What the motor check compares with the motor's rated speed, rated torque
// and maximum torque, at the motor's own shaft: the required speed (rev/s)
// and the RMS and peak torque (N.m), for a gear motor N times the drive
// shaft's speed and 1 / N of its torques.
struct MotorShaftRequirements {
    double speed = 0.0;
    double rmsTorque = 0.0;
    double peakTorque = 0.0;
};
// Runs the requirements as the check text does (with the motor's inertia
// when it has a rotor inertia) and returns them at the motor's shaft; all 0
// for an absent axis.
MotorShaftRequirements RequirementsAtMotorShaft(int16_t axisId);
// The reflected load inertia at the drive shaft from the last static pass
// (axis result 1) in kg.m^2; 0 for an absent axis. The load inertia a
// motor is judged against is MotorAndGear::TotalLoadInertiaAtMotor of it.
double ReflectedLoadInertia(int16_t axisId);
} // namespace calc

// True when a mechanism of the chain is a gearbox.
int16_t bFctAxisHasGearbox(int16_t axisId);
// Copies the motor block into motor when it has at least one entry and
// returns MotorDataNumber; otherwise 0 and motor unchanged.
int16_t nFctGetMotorRecord(int16_t axisId, MotorRec& motor);
// True and a copy of motor entry index (0..MotorDataNumber-1); else False.
int16_t nFctGetMotorParameter(int16_t axisId, int16_t index, ParamRec& param);
std::string sFctGetMotorManufacturer(int16_t axisId);
std::string sFctGetMotorProductKey(int16_t axisId);
// "" outside the chain.
std::string sFctGetMechanismManufacturer(int16_t axisId, int16_t chainIndex);
std::string sFctGetMechanismProductKey(int16_t axisId, int16_t chainIndex);

// ---- Unit system ----------------------------------------------------------

// Converts every entry of every axis (free records too) to the unit now
// selected for its quantity in gnUnitSystem: motor, mechanism and load
// entries always (a velocity or acceleration entry of either kind by the
// kind of its unit, keeping its type), quick setup and segments only in
// linear motion. The mechanism buffer is converted as a mechanism of an axis.
void SubConvertAllAxesToSelectedUnits();

// 0-based position of the axis among the used axes; their count when absent.
int16_t nFctGetAxisPosition(int16_t axisId);
int16_t bFctAxisExists(int16_t axisId);
// QuickSetupDefined; False for an absent axis.
int16_t bFctIsQuickSetupDefined(int16_t axisId);
// True when no segment holds a value; True for an absent axis.
int16_t bFctProfileEmpty(int16_t axisId);
