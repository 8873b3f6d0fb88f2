// What a motor must deliver for an axis: RMS and peak torque over the
// profile, the motor speed at the peak, and the speed and power of every
// profile segment.
#include "model/basAxisRequirements.h"

#include <cmath>
#include "foundation/basGlobalFunctions.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisCalculationsInternal.h"
#include "model/basAxisRequirementsInternal.h"

using calc::detail::Finite;

namespace {

constexpr double kHorsepowerDivisor = 63025.0;  // lbf.in x rpm per hp
constexpr double kKilowattPerHorsepower = 0.7456999;

// RMS and peak (magnitude) of a per-segment torque table in N.m, weighted by
// the segment durations, converted into the selected torque unit.
struct TorqueSummary {
    double rms = 0.0;
    double peak = 0.0;
    int16_t unit = 0;
};

bool Summarise(int16_t axisId, const std::vector<double>& torques, TorqueSummary& summary)
{
    const size_t n = torques.empty() ? 0 : torques.size() - 1;
    if (n == 0)
        return false;
    ProfileTable table;
    nFctBuildVelocityProfile(axisId, -1, table, model::kTrue);
    double torqueSum = 0.0;
    double timeSum = 0.0;
    double peak = 0.0;
    for (size_t i = 0; i < n; ++i) {
        const double t = torques[i];
        const size_t durationIndex = calc::kProfileValuesPerSegment * i + calc::ProfileValue::Duration;
        const double duration = durationIndex < table.size() ? table[durationIndex] : 0.0;
        peak = std::max(peak, std::fabs(t));
        torqueSum += t * t * duration;
        timeSum += duration;
    }
    summary.unit = calc::detail::SelectedTorqueUnit();
    const double f = dFctGetConversionFactor(calc::kTorqueResultUnit, summary.unit);
    summary.rms = Finite((timeSum > 0.0 ? std::sqrt(torqueSum / timeSum) : 0.0) * f);
    summary.peak = Finite(peak * f);
    return true;
}

} // namespace

void nFctGetMotorRequirements(int16_t axisId, int16_t withMotor)
{
    AxisRec* axis = model::FindAxis(axisId);
    if (axis == nullptr)
        return;
    const int16_t motorDefined = axis->MotorDefined;
    axis->MotorDefined = model::AsFlag(withMotor != 0);
    std::vector<double> torques;
    int16_t unit = 0;
    double speedAtPeak = 0.0;
    dFctCalculateAxis(axisId, torques, unit, speedAtPeak, model::kTrue);
    axis = model::FindAxis(axisId);
    axis->MotorDefined = motorDefined;

    TorqueSummary summary;
    if (!Summarise(axisId, torques, summary))
        return;
    ResultCell& rms = withMotor ? axis->SystemRmsTorque
                                : axis->AxisResult[calc::RequirementIndex::RmsTorque];
    ResultCell& peak = withMotor ? axis->SystemPeakTorque
                                 : axis->AxisResult[calc::RequirementIndex::PeakTorque];
    ResultCell& speed = withMotor ? axis->SystemMaxVelocity
                                  : axis->AxisResult[calc::RequirementIndex::SpeedAtPeak];
    rms = {summary.rms, summary.unit};
    peak = {summary.peak, summary.unit};
    speed = {speedAtPeak, calc::kVelocityResultUnit};
}

void nFctGetRmsTorqueTable(int16_t axisId, double motorInertia, std::vector<ResultCell>& cells)
{
    cells.assign(2, ResultCell{});
    if (model::FindAxis(axisId) == nullptr)
        return;
    std::vector<double> torques;
    int16_t unit = 0;
    double speedAtPeak = 0.0;
    nFctCalcSegmentTorqueTable(axisId, torques, unit, speedAtPeak, model::kTrue, motorInertia);
    TorqueSummary summary;
    if (!Summarise(axisId, torques, summary))
        return;
    cells[0] = {summary.rms, summary.unit};
    cells[1] = {summary.peak, summary.unit};
}

double dFctGetProfileVelocityTable(int16_t axisId, std::vector<double>& speeds)
{
    const AxisRec* axis = model::FindAxis(axisId);
    if (axis == nullptr)
        return 0.0;
    const int16_t n = axis->NumberOfMotionSegments;
    speeds.assign(static_cast<size_t>(std::max<int16_t>(n, 0)), 0.0);
    if (n <= 0)
        return 0.0;
    ProfileTable table;
    nFctBuildVelocityProfile(axisId, -1, table, model::kTrue);
    const double f = dFctGetConversionFactor(calc::kVelocityResultUnit, calc::kSpeedTableUnit);
    double largest = 0.0;
    for (int16_t i = 0; i < n; ++i) {
        const size_t base = static_cast<size_t>(calc::kProfileValuesPerSegment * i);
        const double a = f * table[base + calc::ProfileValue::InitialVelocity];
        const double b = f * table[base + calc::ProfileValue::FinalVelocity];
        const double speed = std::fabs(b) > std::fabs(a) ? b : a;
        speeds[static_cast<size_t>(i)] = speed;
        largest = std::max(largest, std::fabs(speed));
    }
    return largest;
}

double dFctGetResultPerVelocity(int16_t axisId)
{
    const AxisRec* axis = model::FindAxis(axisId);
    if (axis == nullptr)
        return 0.0;
    std::vector<double> speeds;
    const double v = dFctGetProfileVelocityTable(axisId, speeds);
    const ResultCell& motorVelocity = axis->AxisResult[calc::AxisResultIndex::MotorVelocity];
    const double m = calc::detail::ChainMotorVelocity(*axis) *
                     dFctGetConversionFactor(motorVelocity.UnitID, calc::kSpeedTableUnit);
    return v > 0.0 ? m / v : 0.0;
}

void nFctGetPowerTable(int16_t axisId, std::vector<double>& power, int16_t& powerUnit,
                       std::vector<double>& speeds)
{
    const bool metric = gnUnitSystem == 1;
    powerUnit = metric ? calc::kMetricPowerUnit : calc::kEnglishPowerUnit;
    const AxisRec* axis = model::FindAxis(axisId);
    if (axis == nullptr)
        return;
    const int16_t n = axis->NumberOfMotionSegments;
    power.assign(static_cast<size_t>(std::max<int16_t>(n, 0)), 0.0);
    speeds.assign(static_cast<size_t>(std::max<int16_t>(n, 0)), 0.0);
    if (n <= 0)
        return;
    dFctGetProfileVelocityTable(axisId, speeds);
    std::vector<double> torques;
    int16_t unit = 0;
    double speedAtPeak = 0.0;
    dFctCalculateAxis(axisId, torques, unit, speedAtPeak, model::kTrue);
    const double r = dFctGetResultPerVelocity(axisId);
    const double toPoundInch = dFctGetConversionFactor(calc::kTorqueResultUnit, calc::kPowerTorqueUnit);
    const size_t calculated = torques.empty() ? 0 : torques.size() - 1;
    for (size_t i = 0; i < static_cast<size_t>(n); ++i) {
        const double t = i < calculated ? toPoundInch * torques[i] : 0.0;
        speeds[i] = r * speeds[i];
        double p = t * speeds[i] / kHorsepowerDivisor;
        if (metric)
            p *= kKilowattPerHorsepower;
        power[i] = Finite(p);
    }
}

double dFctGetRequirementResult(int16_t axisId, int16_t which, int16_t& unitId)
{
    const AxisRec* axis = model::FindAxis(axisId);
    if (axis == nullptr)
        return 0.0;
    const ResultCell* cell = nullptr;
    switch (which) {
    case 0: cell = &axis->SystemRmsTorque; break;
    case 1: cell = &axis->SystemPeakTorque; break;
    case 2: cell = &axis->SystemMaxVelocity; break;
    default: return 0.0;
    }
    unitId = cell->UnitID;
    return cell->Value;
}

std::string sFctFormatValueWithUnit(double value, int16_t unitType, int16_t fromUnit,
                                    std::string& unitText, const std::string& system)
{
    int16_t position = nFctGetUnitSetting(unitType);
    const int16_t toUnit = nFctFindUnit(unitType, position, system);
    const double f = dFctGetConversionFactor(fromUnit, toUnit);
    const double converted = f == 0.0 ? dFctConvertPitchLead(fromUnit, toUnit, value) : value * f;
    unitText = sFctGetUnitText(toUnit);
    return sFctFormatNumber(converted);
}
