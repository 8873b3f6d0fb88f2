#include "design/frmMotorReq.h"

#include "foundation/basGlobalFunctions.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisCalculationsGearMotor.h"
#include "model/basAxisRequirements.h"

#include <cfenv>
#include <cmath>
#include <vector>

namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr int16_t kFirstColumnWidth = 30;
constexpr int16_t kSecondColumnEnd = 60;

// A row of three columns starting at characters 1, 31 and 61.
std::string TableRow(const std::string& first, const std::string& second, const std::string& third)
{
    return sFctPadRight(sFctPadRight(first, kFirstColumnWidth) + second, kSecondColumnEnd) + third +
           kLineBreak;
}

std::string Text(int16_t id)
{
    return sFctGetText(id);
}

// w rounded to the nearest integer, a half to the even neighbour.
int RoundHalfToEven(double value)
{
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return static_cast<int>(rounded);
}

} // namespace

int16_t nFctBuildMotorRequirementsText(int16_t axisId, std::string& text)
{
    const std::string system = gnUnitSystem == 1 ? "M" : "EE";
    if (!nFctBuildAxisCompletenessText(axisId, text))
        return model::kFalse;
    SubCalcAxisResults(axisId);
    nFctGetMotorRequirements(axisId, model::kFalse);

    // For a gear motor each figure names its shaft: the axis's speed and
    // the motor inertias stand at the gear's output, the speed, the inertia
    // and the torques the motor must give at the motor's shaft too.
    const calc::MotorAndGear motor = calc::MotorAndGearOfAxis(axisId);
    const std::string atGearOutput = calc::AtGearOutputText(motor);
    const std::string atMotorShaft = calc::AtMotorShaftText(motor);

    int16_t speedUnit = 0;
    std::string unitText;
    const double speed = dFctGetAxisResult(axisId, calc::AxisResultIndex::MotorVelocity, speedUnit);
    const auto speedLine = [&](double value, const std::string& shaft) {
        return sFctPadRight(Text(424), kFirstColumnWidth) +
               sFctFormatValueWithUnit(value, 5, speedUnit, unitText, "NA") + " " + unitText + Text(429) + shaft +
               kLineBreak;
    };
    std::string speedLines = speedLine(speed, atGearOutput);
    if (motor.HasGear())
        speedLines += speedLine(motor.MotorSpeed(speed), atMotorShaft);

    // The range of the motor's own inertia from J / w to J, J the load
    // inertia the motor check judges it against (kg.m^2, at the motor's side
    // of the gear).
    const double matched = motor.TotalLoadInertiaAtMotor(calc::ReflectedLoadInertia(axisId));
    const double factor = std::fabs(gdMaxInertiaWarning);
    std::string inertiaText;
    const auto inertiaShown = [&](double kgm2) {
        return sFctFormatValueWithUnit(kgm2, 13, calc::kInertiaResultUnit, inertiaText, system);
    };
    const auto inertiaLine = [&](double largest, const std::string& shaft) {
        // No smallest inertia without a factor.
        const std::string smallest = factor > 0.0 ? inertiaShown(largest / factor) : "-";
        const std::string range = smallest + "..." + inertiaShown(largest);
        return sFctPadRight(Text(425), kFirstColumnWidth) + range + " " + inertiaText + shaft + kLineBreak;
    };
    std::string inertiaLines = inertiaLine(motor.InertiaAtShaft(matched), atGearOutput);
    if (motor.HasGear())
        inertiaLines += inertiaLine(matched, atMotorShaft);
    text = speedLines + inertiaLines + kLineBreak;

    text += TableRow(Text(426), Text(427), Text(428));
    int16_t torqueUnit = 0;
    std::string torqueText;
    const double rms = dFctGetAxisResult(axisId, calc::RequirementIndex::RmsTorque, torqueUnit);
    sFctFormatValueWithUnit(rms, 12, torqueUnit, torqueText, system);
    text += TableRow("[" + inertiaText + "]" + atGearOutput, "[" + torqueText + "]" + atMotorShaft,
                     "[" + torqueText + "]" + atMotorShaft);

    const int16_t shownUnit =
        nFctFindUnit(13, system == "M" ? gnMInertiaUnit : gnEEInertiaUnit, system);
    const double toShown = dFctGetConversionFactor(calc::kInertiaResultUnit, shownUnit);
    // No rows for a factor of 0 or less (the options dialog admits only
    // factors above 0; a settings file may hold another). Row k: a motor of
    // J / k, shown at the gear's output, its torques with it (and a gear
    // motor's gear) at the drive shaft, in the scale the torque table takes
    // (kg.m^2 x 1000).
    const int rows = gdMaxInertiaWarning > 0.0 ? RoundHalfToEven(factor) : 0;
    for (int k = rows; k >= 1; --k) {
        const double rotorAndBrake = matched / k;
        std::vector<ResultCell> cells;
        nFctGetRmsTorqueTable(axisId, motor.MotorInertiaAtShaft(rotorAndBrake) * 1000.0, cells);
        text += TableRow(sFctFormatNumber(motor.InertiaAtShaft(rotorAndBrake) * toShown),
                         sFctFormatNumber(motor.MotorTorque(cells.at(0).Value)),
                         sFctFormatNumber(motor.MotorTorque(cells.at(1).Value)));
    }
    return model::kTrue;
}

frmMotorReq::frmMotorReq(QWidget* parent)
    : FixedTextDialog(parent, {{758, 340}, {4, 6, 749, 299}, {636, 310, 115, 27}},
                      QString::fromStdString(sFctGetText(398)),
                      QString::fromStdString(sFctGetText(354)))
{
    setObjectName("frmMotorReq");
}

platform::FixedTextDialog::Content frmMotorReq::BuildText()
{
    std::string text;
    // The table keeps its columns; the sentences of why the axis cannot
    // be calculated wrap at the box.
    const bool table = nFctBuildMotorRequirementsText(gnAnalysisAxis, text) != 0;
    return {QString::fromStdString(text), !table};
}
