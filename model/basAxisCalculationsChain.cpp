// The chain passes of an axis: the static pass over the largest velocity and
// acceleration of the profile, the pass once per profile segment, and the
// small readers around them (efficiency, end-device angle, result cells,
// profile extremes).
#include "model/basAxisCalculations.h"

#include <algorithm>
#include <cmath>
#include "model/basAxisCalculationsInternal.h"
#include "model/basValueConversion.h"

using calc::detail::Finite;
using calc::detail::kInternalScale;

namespace {

// Runs the mechanisms from the load to the motor after seeding the
// accumulators; the end device takes the load side only when endChained.
void RunChain(AxisRec& axis, double velocity, double acceleration, int16_t endChained)
{
    gdChainValue1 = 0.0;
    gdChainValue2 = axis.LoadInertia.Value;
    gdChainValue3 = velocity;
    gdChainValue4 = acceleration;
    for (int16_t index = static_cast<int16_t>(axis.NumberOfMechanisms - 1); index >= 0; --index) {
        const bool endDevice = index == axis.NumberOfMechanisms - 1;
        SubCalcMechanism(axis, index, endDevice ? endChained : model::kTrue);
    }
}

// Revolutions per unit of travel of the end device in the basic pitch/lead
// unit; 0 when the end device gives none.
double RevsPerTravel(int16_t axisId)
{
    double revs = -1.0;
    int16_t unit = -1;
    return nFctGetAxisRevsPerTravel(axisId, revs, unit, model::kTrue) ? revs : 0.0;
}

} // namespace

void SubCalcAxisResults(int16_t axisId)
{
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    if (axisIndex < 0)
        return;
    AxisRec& axis = gAxis[axisIndex];
    SubResetAxisResults(axis);

    double vmax = 0.0;
    double amax = 0.0;
    nFctGetProfileExtremes(axisId, vmax, amax);
    double velocityFactor = 1.0;
    double accelerationFactor = 1.0;
    if (!axis.MotionSegments.empty()) {
        velocityFactor = axis.MotionSegments[0].InitialVelocity.Factor;
        accelerationFactor = axis.MotionSegments[0].Acceleration.Factor;
    }
    const double travel = axis.MotionMode == MotionMode::Linear ? RevsPerTravel(axisId) : 1.0;
    axis.ProfileMaxVelocity.Value = Finite(velocityFactor * vmax * travel);
    axis.ProfileMaxAcceleration.Value = Finite(accelerationFactor * amax * travel);

    SubCalcLoadByShape(axis, model::kTrue);
    RunChain(axis, axis.ProfileMaxVelocity.Value, axis.ProfileMaxAcceleration.Value,
             model::kTrue);

    // The motor must reach the speed of the fastest operating point.
    axis.AxisResult[calc::AxisResultIndex::MotorVelocity].Value =
        Finite(gdChainValue3 * calc::detail::CoreSpeedFactor(axis));
    axis.AxisResult[calc::AxisResultIndex::ReflectedInertia].Value =
        Finite(gdChainValue2 / kInternalScale);
    axis.AxisResult[calc::AxisResultIndex::ConstantTorque].Value =
        Finite(gdChainValue1 / kInternalScale);
}

void nFctCalcSegmentTorques(int16_t axisId, std::vector<double>& inertia, double& torque,
                            std::vector<double>* segmentTorques)
{
    const int16_t n = nFctGetUsedSegmentCount(axisId);
    inertia.assign(static_cast<size_t>(n) + 1, 0.0);
    if (segmentTorques)
        segmentTorques->assign(static_cast<size_t>(n) + 1, 0.0);
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    if (axisIndex < 0)
        return;
    AxisRec& axis = gAxis[axisIndex];

    SubResetAxisResults(axis);
    ProfileTable table;
    nFctBuildVelocityProfile(axisId, -1, table, model::kTrue);
    SubCalcLoadByShape(axis, model::kFalse);

    using namespace calc::ProfileValue;
    for (int16_t k = 0; k < n; ++k) {
        const size_t base = static_cast<size_t>(calc::kProfileValuesPerSegment * k);
        const double v = std::max(std::fabs(table[base + InitialVelocity]),
                                  std::fabs(table[base + FinalVelocity]));
        const double a = std::fabs(table[base + Acceleration]);
        RunChain(axis, v, a, bFctSegmentFlagIsOne(axisId, k));
        inertia[static_cast<size_t>(k)] = Finite(gdChainValue2 / kInternalScale);
        if (segmentTorques)
            (*segmentTorques)[static_cast<size_t>(k)] = Finite(gdChainValue1 / kInternalScale);
    }
    // Without a used segment no chain ran: no torque.
    torque = n > 0 ? Finite(gdChainValue1 / kInternalScale) : 0.0;
}

int16_t bFctSegmentFlagIsOne(int16_t axisId, int16_t segmentIndex)
{
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    if (axisIndex < 0)
        return model::kFalse;
    const AxisRec& axis = gAxis[axisIndex];
    if (segmentIndex < 0 || segmentIndex >= axis.NumberOfMotionSegments ||
        segmentIndex >= static_cast<int16_t>(axis.MotionSegments.size()))
        return model::kFalse;
    return model::AsFlag(axis.MotionSegments[segmentIndex].LoadWeightApplied.Data == 1.0);
}

double dFctGetChainEfficiency(int16_t axisId)
{
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    if (axisIndex < 0)
        return 1.0;
    const AxisRec& axis = gAxis[axisIndex];
    double product = 1.0;
    for (int16_t k = 0; k < axis.NumberOfMechanisms; ++k) {
        const MechRec& mech = axis.Mechanisms[k];
        int entry = -1;
        switch (mech.Identifier) {
        case MechanismType::BeltPulley: entry = 10; break;
        case MechanismType::Conveyor: entry = 7; break;
        case MechanismType::Gearbox:
        case MechanismType::RotaryTable: entry = 0; break;
        case MechanismType::Leadscrew: entry = 4; break;
        case MechanismType::RackPinion: entry = 6; break;
        default: break;
        }
        if (entry < 0)
            continue;
        const double efficiency = mech.MechanismData[entry].Data / 100.0;
        product *= efficiency == 0.0 ? 1.0 : efficiency;
    }
    return product;
}

double dFctGetEndDeviceAngle(int16_t axisId)
{
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    if (axisIndex < 0 || gAxis[axisIndex].NumberOfMechanisms < 1)
        return 0.0;
    const AxisRec& axis = gAxis[axisIndex];
    const MechRec& last = axis.Mechanisms[axis.NumberOfMechanisms - 1];
    switch (last.Identifier) {
    case MechanismType::Conveyor:
    case MechanismType::Leadscrew:
    case MechanismType::RackPinion: return last.MechanismData[9].Data;
    default: return 0.0;
    }
}

double dFctGetMechanismResult(int16_t axisId, int16_t mechIndex, int16_t resultIndex,
                              int16_t& unitId)
{
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    if (axisIndex < 0 || mechIndex < 0 || mechIndex >= gAxis[axisIndex].NumberOfMechanisms ||
        resultIndex < 0 || resultIndex >= model::kMechResultCount) {
        unitId = -1;
        return 0.0;
    }
    const ResultCell& cell = gAxis[axisIndex].Mechanisms[mechIndex].MechResult[resultIndex];
    unitId = cell.UnitID;
    return cell.Value;
}

double dFctGetAxisResult(int16_t axisId, int16_t resultIndex, int16_t& unitId)
{
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    if (axisIndex < 0 || resultIndex < 0 || resultIndex >= model::kAxisResultCount) {
        unitId = -1;
        return 0.0;
    }
    const ResultCell& cell = gAxis[axisIndex].AxisResult[resultIndex];
    unitId = cell.UnitID;
    return cell.Value;
}

void nFctGetProfileExtremes(int16_t axisId, double& maxVelocity, double& maxAcceleration)
{
    maxVelocity = 0.0;
    maxAcceleration = 0.0;
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    if (axisIndex < 0)
        return;
    ProfileTable table;
    nFctBuildVelocityProfile(axisId, -1, table, model::kFalse);
    using namespace calc::ProfileValue;
    for (int k = 0; k < gAxis[axisIndex].NumberOfMotionSegments; ++k) {
        const size_t base = static_cast<size_t>(calc::kProfileValuesPerSegment * k);
        maxVelocity = std::max({maxVelocity, std::fabs(table[base + InitialVelocity]),
                                std::fabs(table[base + FinalVelocity])});
        maxAcceleration = std::max(maxAcceleration, std::fabs(table[base + Acceleration]));
    }
}
