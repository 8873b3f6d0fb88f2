#include "tests/support/GearMotorAxis.h"

#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisData.h"
#include "model/basAxisRequirements.h"
#include "model/basMechanismChain.h"

#include <utility>
#include <vector>

namespace testing_support::gear_motor_axis {

bool Build(int16_t axisId)
{
    SubAppendMechanism(axisId, MechanismType::Leadscrew);
    const auto screw = static_cast<int16_t>(nFctGetMechanismCount(axisId) - 1);
    // Diameter, length (mm), density (g/cm^3), lead (mm/rev), efficiency
    // (%), friction coefficient.
    const double screwValues[] = {20, 500, 7.85, 10, 90, 0.1};
    for (int16_t k = 0; k < 6; ++k)
        SubSetMechanismParameterValue(axisId, screw, k, screwValues[k]);
    nFctSetLoadType(axisId, LoadType::WeightOnly);
    nFctSetLoadParameterValue(axisId, 0, 500);  // N

    // Linear motion as the profile window switches to it, then the quick
    // setup as its Submit takes it: velocity, total time, distance (left to
    // the validation), ramp times and dwell.
    SubConvertQuickSetupForMotionSwitch(axisId);
    SubConvertSegmentsForMotionSwitch(axisId);
    SubSetMotionMode(axisId, MotionMode::Linear);
    SubSetQuickSetupMode(axisId, QuickSetupMode::Trapezoidal);
    const double move[] = {250, 1, 0, 0.25, 0.25, 0.5};
    for (int16_t selector = 0; selector < 6; ++selector)
        nFctSetQuickSetupParameterValue(axisId, selector, move[selector]);
    std::vector<double> completed;
    if (!nFctValidateQuickSetup(axisId, 1, completed, model::kFalse))
        return false;
    nFctTransferQuickSetup(axisId, completed, model::kTrue, model::kFalse);
    SetMotor(axisId, kRatedRpm, kRatedTorque, kMaxTorque, kGearRatio);
    return true;
}

void SetMotor(int16_t axisId, double ratedRpm, double ratedTorque, double maxTorque, double gearRatio)
{
    MotorRec motor;
    SubInitMotorRecord(motor, MotorType::AcServo);
    using namespace calc::MotorEntry;
    const std::pair<int, double> entries[] = {{RatedSpeed, ratedRpm},   {RatedTorque, ratedTorque},
                                              {MaxTorque, maxTorque},   {RotorInertia, 0.2},
                                              {TorqueConstant, 0.4},    {BrakeInertia, 0.1},
                                              {GearRatio, gearRatio},   {GearInertia, 0.2}};
    for (const auto& [entry, value] : entries)
        motor.MotorData[static_cast<size_t>(entry)].Data = value;
    nFctSetAxisMotor(axisId, motor, model::kFalse);
}

} // namespace testing_support::gear_motor_axis
