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
    // inertia stand at the gear's output, the speed and the torques the motor
    // must give at the motor's shaft.
    const calc::MotorAndGear motor = calc::MotorAndGearOfAxis(axisId);
    const std::string atGearOutput = motor.HasGear() ? Text(387) : "";
    const std::string atMotorShaft = motor.HasGear() ? Text(388) : "";

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

    int16_t inertiaUnit = 0;
    const double inertia = dFctGetAxisResult(axisId, calc::AxisResultIndex::ReflectedInertia, inertiaUnit);
    const double factor = std::fabs(gdMaxInertiaWarning);
    std::string inertiaText;
    // No smallest inertia without a factor.
    const std::string smallest = factor > 0.0
        ? sFctFormatValueWithUnit(inertia / factor, 13, inertiaUnit, inertiaText, system)
        : "-";
    const std::string largest = sFctFormatValueWithUnit(inertia, 13, inertiaUnit, inertiaText, system);
    const std::string inertiaLine = sFctPadRight(Text(425), kFirstColumnWidth) + smallest + "..." + largest +
                                    " " + inertiaText + atGearOutput;
    text = speedLines + inertiaLine + kLineBreak + kLineBreak;

    text += TableRow(Text(426), Text(427), Text(428));
    int16_t torqueUnit = 0;
    std::string torqueText;
    const double rms = dFctGetAxisResult(axisId, calc::RequirementIndex::RmsTorque, torqueUnit);
    sFctFormatValueWithUnit(rms, 12, torqueUnit, torqueText, system);
    text += TableRow("[" + inertiaText + "]" + atGearOutput, "[" + torqueText + "]" + atMotorShaft,
                     "[" + torqueText + "]" + atMotorShaft);

    // Motor inertias in the scale the torque table takes (kg.m^2 x 1000).
    const double scaledInertia = inertia * dFctGetFactorToBasicUnit(13, inertiaUnit) * 1000.0;
    const int16_t shownUnit =
        nFctFindUnit(13, system == "M" ? gnMInertiaUnit : gnEEInertiaUnit, system);
    const double toShown = dFctGetConversionFactor(calc::kInertiaResultUnit, shownUnit);
    // No rows for a factor of 0 or less (the options dialog admits only
    // factors above 0; a settings file may hold another).
    const int rows = gdMaxInertiaWarning > 0.0 ? RoundHalfToEven(factor) : 0;
    for (int k = rows; k >= 1; --k) {
        const double motorInertia = scaledInertia / k;
        std::vector<ResultCell> cells;
        nFctGetRmsTorqueTable(axisId, motorInertia, cells);
        text += TableRow(sFctFormatNumber(motorInertia * toShown / 1000.0),
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
