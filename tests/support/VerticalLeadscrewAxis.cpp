#include "tests/support/VerticalLeadscrewAxis.h"

#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisData.h"
#include "model/basAxisRequirements.h"
#include "model/basMechanismChain.h"

#include <utility>

namespace testing_support::vertical_leadscrew_axis {

void BuildMachine(int16_t axisId)
{
    SubAppendMechanism(axisId, MechanismType::Leadscrew);
    const auto screw = static_cast<int16_t>(nFctGetMechanismCount(axisId) - 1);
    // Diameter, length (mm), density (g/cm^3), lead (mm/rev), efficiency
    // (%), friction coefficient, angle (degrees).
    const std::pair<int16_t, double> screwValues[] = {{0, 12}, {1, 400}, {2, 7.85}, {3, 10},
                                                      {4, 90}, {5, 0.1}, {9, 90}};
    for (const auto& [entry, value] : screwValues)
        SubSetMechanismParameterValue(axisId, screw, entry, value);
    nFctSetLoadType(axisId, LoadType::WeightOnly);
    nFctSetLoadParameterValue(axisId, 0, kWeightN);

    MotorRec motor;
    SubInitMotorRecord(motor, MotorType::AcServo);
    using namespace calc::MotorEntry;
    const std::pair<int, double> entries[] = {{RatedSpeed, 3000}, {RatedTorque, 0.14}, {MaxTorque, 0.5},
                                              {RotorInertia, 0.1}, {TorqueConstant, 0.2}};
    for (const auto& [entry, value] : entries)
        motor.MotorData[static_cast<size_t>(entry)].Data = value;
    nFctSetAxisMotor(axisId, motor, model::kFalse);
}

void Build(int16_t axisId)
{
    BuildMachine(axisId);
    // Linear motion as the profile window switches to it; the segments'
    // initial and final velocities (mm/s) and durations (s).
    SubConvertQuickSetupForMotionSwitch(axisId);
    SubConvertSegmentsForMotionSwitch(axisId);
    SubSetMotionMode(axisId, MotionMode::Linear);
    for (int16_t s = 0; s < kSegments; ++s) {
        nFctSetProfileSegmentValue(axisId, s, 0, kSegmentVelocities[s][0]);
        nFctSetProfileSegmentValue(axisId, s, 1, kSegmentVelocities[s][1]);
        nFctSetProfileSegmentValue(axisId, s, 2, kSegmentDurations[s]);
    }
}

} // namespace testing_support::vertical_leadscrew_axis
