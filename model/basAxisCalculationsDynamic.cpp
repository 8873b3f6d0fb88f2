// The dynamic pass: the torque the motor must give in every segment of the
// profile (the constant torque and the inertia reflected through the chain,
// the motor's own inertia and the acceleration), the peak torque and the
// motor speed at which it occurs. A segment at rest holds the whole constant
// torque, without the chain's losses, on an axis whose load pulls at
// standstill (an inclined axis, friction and thrust force included, on the
// safe side; a web under tension); on every other axis it holds none.
#include "model/basAxisCalculationsGearMotor.h"
#include "model/basAxisRequirements.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculationsInternal.h"
#include "model/basAxisRequirementsInternal.h"

using calc::detail::Finite;
using calc::detail::kInternalScale;
using calc::detail::kTwoPi;

namespace {

// The motor's own inertia at the drive shaft in the chain scale: rotor and
// brake; a gear motor's rotor, brake and gear inertia times the square of
// its ratio.
double MotorInertiaOfAxis(const AxisRec& axis)
{
    if (axis.MotorDefined == 0)
        return 0.0;
    return kInternalScale * calc::MotorAndGear(axis.MotorData).MotorInertiaAtShaft();
}

// Whether the end device keeps a web under tension (a winder or a nip roll),
// which pulls at the motor also at standstill.
bool EndDeviceHoldsWebTension(int16_t axisId)
{
    switch (nFctGetLastMechanismType(axisId)) {
    case MechanismType::NipRoll:
    case MechanismType::WinderCenter:
    case MechanismType::WinderSurface: return true;
    default: return false;
    }
}

// In both torques below eta is the product of the efficiencies of the whole
// chain, by which the chain pass divided the load's torque on its way to the
// motor (a winder or a nip roll has none of its own: there it is the
// transmissions'). constantTorque x eta is the load's torque at the motor
// without the chain's losses.

// The torque of a segment on an axis whose end device is not inclined: the
// constant torque with the chain's losses while it moves; at rest nothing
// turns and the load held (a web's tension) takes no losses.
double LevelSegmentTorque(bool atRest, double constantTorque, double accelerationTorque,
                          double eta)
{
    return (atRest ? constantTorque * eta : constantTorque) + accelerationTorque;
}

// The torque of a segment on an inclined axis: the chain's efficiency eta
// works with or against the motor by the direction of the power flow.
double InclinedSegmentTorque(double vi, double vf, double alpha, double constantTorque,
                             double accelerationTorque, double eta)
{
    const double load = constantTorque * eta;  // without the chain's losses
    const double etaS = std::fabs(load) < std::fabs(accelerationTorque) ? 1.0 / eta : eta;
    if (vi > 0.0 || (vf > 0.0 && alpha >= 0.0))
        return load / eta + accelerationTorque;
    if (vi <= 0.0 && vf > 0.0 && alpha < 0.0)
        return load / etaS - accelerationTorque;
    if (vi < 0.0 || (vi == 0.0 && vf < 0.0 && alpha > 0.0))
        return load * etaS - accelerationTorque;
    if (vi == 0.0 && vf < 0.0 && alpha <= 0.0)
        return load * eta + accelerationTorque;
    return load + accelerationTorque;  // at rest: the load held without the losses
}

// The largest and the smallest segment torque with the motor speed of the
// segment each occurs in (of equal torques the faster segment).
struct PeakTracker {
    double largest = 0.0, largestSpeed = 0.0;
    double smallest = 0.0, smallestSpeed = 0.0;

    void Add(double torque, double speed)
    {
        if (torque > largest || (torque == largest && speed > largestSpeed)) {
            largest = torque;
            largestSpeed = speed;
        }
        if (torque < smallest || (torque == smallest && speed > smallestSpeed)) {
            smallest = torque;
            smallestSpeed = speed;
        }
    }
    // The peak magnitude and its speed; when both extremes are equal within
    // 1 % the faster of the two segments.
    double Peak(double& speed) const
    {
        const double m = std::fabs(smallest);
        const double peak = largest > m ? largest : m;
        speed = largest > m ? largestSpeed : smallestSpeed;
        if (0.99 * m <= largest && largest <= 1.01 * m)
            speed = std::max(largestSpeed, smallestSpeed);
        return peak;
    }
};

// The pass of both operations; motorInertia empty takes the motor's own.
double RunDynamicPass(int16_t axisId, std::vector<double>& torques, int16_t& resultUnit,
                      double& speedAtPeak, int16_t rawUnit, std::optional<double> motorInertia)
{
    torques.assign(1, 0.0);
    speedAtPeak = 0.0;
    if (model::FindAxis(axisId) == nullptr)
        return 0.0;
    std::string ignored;
    if (!nFctBuildAxisCompletenessText(axisId, ignored))
        return 0.0;

    const double eta = dFctGetChainEfficiency(axisId);
    std::vector<double> inertia;
    std::vector<double> constantTorque;
    double lastTorque = 0.0;
    nFctCalcSegmentTorques(axisId, inertia, lastTorque, &constantTorque);
    SubCalcAxisResults(axisId);
    const AxisRec& axis = *model::FindAxis(axisId);
    const double jm = motorInertia ? *motorInertia : MotorInertiaOfAxis(axis);

    ProfileTable table;
    nFctBuildVelocityProfile(axisId, -1, table, model::kTrue);
    double outputFactor = 1.0 / kInternalScale;
    if (rawUnit) {
        resultUnit = calc::kTorqueResultUnit;
    } else {
        resultUnit = calc::detail::SelectedTorqueUnit();
        outputFactor = dFctGetConversionFactor(calc::kTorqueResultUnit, resultUnit) / kInternalScale;
    }

    const int16_t n = nFctGetUsedSegmentCount(axisId);
    torques.assign(static_cast<size_t>(n) + 1, 0.0);
    const double profileMax = axis.ProfileMaxVelocity.Value;
    const double ratio = profileMax > 0.0
                             ? calc::detail::ChainMotorVelocity(axis) / profileMax
                             : 1.0;
    const bool inclined = dFctGetEndDeviceAngle(axisId) != 0.0;
    // A segment at rest holds the constant torque only where the load pulls
    // at standstill: on an inclined axis (all of it, friction and thrust
    // force included, on the safe side) and under a web's tension.
    const bool heldAtRest = inclined || EndDeviceHoldsWebTension(axisId);

    PeakTracker tracker;
    using namespace calc::ProfileValue;
    for (int16_t i = 0; i < n; ++i) {
        const size_t base = static_cast<size_t>(calc::kProfileValuesPerSegment * i);
        const double vi = table[base + InitialVelocity];
        const double vf = table[base + FinalVelocity];
        const double alpha = ratio * table[base + Acceleration];
        const double j = kInternalScale * inertia[static_cast<size_t>(i)] + jm;
        const bool atRest = vi == 0.0 && vf == 0.0;
        const double tc = atRest && !heldAtRest
                              ? 0.0
                              : kInternalScale * constantTorque[static_cast<size_t>(i)];
        const double tacc = kTwoPi * j * alpha;
        const double t = Finite(inclined ? InclinedSegmentTorque(vi, vf, alpha, tc, tacc, eta)
                                         : LevelSegmentTorque(atRest, tc, tacc, eta));
        tracker.Add(t, std::max(std::fabs(vi), std::fabs(vf)) * ratio);
        torques[static_cast<size_t>(i)] = Finite(t * outputFactor);
    }
    const double peak = tracker.Peak(speedAtPeak);
    return Finite(peak * outputFactor);
}

} // namespace

double dFctCalculateAxis(int16_t axisId, std::vector<double>& torques, int16_t& resultUnit,
                         double& speedAtPeak, int16_t rawUnit)
{
    return RunDynamicPass(axisId, torques, resultUnit, speedAtPeak, rawUnit, std::nullopt);
}

double nFctCalcSegmentTorqueTable(int16_t axisId, std::vector<double>& torques,
                                  int16_t& resultUnit, double& speedAtPeak, int16_t rawUnit,
                                  double motorInertia)
{
    return RunDynamicPass(axisId, torques, resultUnit, speedAtPeak, rawUnit, motorInertia);
}
