#include "report/frmReportContent.h"

#include "foundation/basGlobalFunctions.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisRequirements.h"
#include "model/basValueConversion.h"

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace {

constexpr int16_t kLabelColumn = 10;
constexpr int16_t kValueColumn = 41;
constexpr int16_t kUnitColumn = 51;
constexpr int16_t kHeadingColumn = 4;
constexpr int32_t kRed = 255;
constexpr int16_t kCurrentUnit = 66;      // A
constexpr int16_t kCurrentUnitType = 16;
constexpr int16_t kMotorSpeedUnit = 11;   // rpm
constexpr double kNotComputed = std::numeric_limits<double>::quiet_NaN();

// String ids of the report's texts.
namespace Text {
constexpr int16_t Disclaimer1 = 27, Disclaimer2 = 28;
constexpr int16_t FileLabel = 183, AxisLabel = 184, Notice = 298;
constexpr int16_t SelectedMotor = 216, Manufacturer = 261, ProductKey = 262, Undefined = 263;
constexpr int16_t MotorPerformance = 272, MotorLoadData = 273, SystemData = 274;
constexpr int16_t GearMotor = 336, TotalMotorAtShaft = 337, ReflMotorAtShaft = 338;
constexpr int16_t ReflLoadAtMotor = 339, TotalLoadAtMotor = 340, Ratio = 278;
constexpr int16_t MaxVelocity = 78, ConstantTorque = 187, PeakTorque = 188, RmsTorque = 189;
constexpr int16_t LoadInertia = 186, TotalInertia = 275, RmsCurrent = 282, PeakCurrent = 283;
constexpr int16_t MaxPower = 291, Motoring = 287, Generating = 288;
constexpr int16_t MechanismNo = 167, CalculationResults = 190, TravelRange = 279;
constexpr int16_t MaxInputVelocity = 192, MechanismInertia = 345;
constexpr int16_t LoadParameters = 93, InsufficientLoad = 346, Warning = 215, Type = 193;
constexpr int16_t QuickSetup = 197, Mode = 198, Triangular = 130, Trapezoidal = 131;
constexpr int16_t VelocityProfile = 126, SegmentNo = 194, WeightApplied = 196, WeightNotApplied = 195;
constexpr int16_t SystemTorque = 284, MotorShaftVelocity = 290, SystemCurrent = 286, SystemPower = 289;
constexpr int16_t AtCore = 59, AtFullRoll = 60;
constexpr int16_t LoadDataAtGearOutput = 393;
constexpr int16_t RequiredSpeed = 389, RequiredRmsTorque = 390, RequiredPeakTorque = 428;
} // namespace Text

// Labels of the motor entries 0..8; entries from 6 on only when positive.
constexpr int16_t kMotorEntryLabels[] = {251, 252, 253, 220, 53, 50, 332, 333, 334};
constexpr int kFirstConditionalMotorEntry = 6;

// Labels of the quick-setup selectors by mode.
const std::vector<int16_t> kTriangularLabels = {147, 139, 136, 148};
const std::vector<int16_t> kTrapezoidalLabels = {147, 139, 136, 137, 138, 148};

// The display text of a value; "-" for one that could not be computed.
std::string Number(double value)
{
    return std::isfinite(value) ? sFctFormatNumber(value) : "-";
}

// Element index of a list; kNotComputed when the list is too short.
double At(const std::vector<double>& values, size_t index)
{
    return index < values.size() ? values[index] : kNotComputed;
}

double Divide(double numerator, double divisor)
{
    return divisor != 0.0 ? numerator / divisor : kNotComputed;
}

std::string TrimBlanks(const std::u32string& text)
{
    const size_t first = text.find_first_not_of(U' ');
    if (first == std::u32string::npos)
        return "";
    return EncodeUtf8(text.substr(first, text.find_last_not_of(U' ') - first + 1));
}

std::string Trimmed(const std::string& text)
{
    return TrimBlanks(DecodeUtf8(text));
}

std::string UnitSystemTag()
{
    return gnUnitSystem == 1 ? "M" : "EE";
}

// A speed's label followed by the roll diameter it holds at
// (calc::RollDiameter), where it holds at one.
std::string SpeedLabel(int16_t labelId, int16_t diameter)
{
    const std::string label = sFctGetText(labelId);
    switch (diameter) {
    case calc::RollDiameter::Core: return label + " " + sFctGetText(Text::AtCore);
    case calc::RollDiameter::FullRoll: return label + " " + sFctGetText(Text::AtFullRoll);
    default: return label;
    }
}

// A mechanism's heading stands on a page with at least this many of its
// parameter rows.
constexpr int16_t kParameterRowsWithHeading = 3;

} // namespace

ReportContent::ReportContent(int16_t axisId, std::string tag, std::string currentFile,
                             std::string date)
    : axis_(axisId), tag_(std::move(tag)), currentFile_(std::move(currentFile)), date_(std::move(date)),
      motor_(calc::MotorAndGearOfAxis(axisId))
{
}

void ReportContent::mSubWriteReport()
{
    unitSystem_ = UnitSystemTag();
    writer_.SetColumns(static_cast<int>(ReportWidth()));
    writer_.mSubReportLine(0, "", 0, ReportLineWriter::ClearLine);
    mSubPrintPageHeader();

    writer_.Place(0, "Date :");
    writer_.Emit(kLabelColumn, date_);
    writer_.PlaceId(0, Text::FileLabel);
    writer_.Emit(kLabelColumn, sFctShortenPath(currentFile_, 70));
    writer_.BlankLine();

    const std::string title = sFctGetAxisTitle(axis_);
    writer_.mbLineBold = true;
    writer_.PlaceId(0, Text::AxisLabel);
    writer_.Emit(kLabelColumn, Trimmed(tag_) + (title.empty() ? "" : " - " + title));
    writer_.BlankLine();

    mSubReportSelectedMotor();
    mSubReportMotorPerformance();
    mSubReportGearMotor();
    if (mSubReportMotorLoadData())
        mSubReportSystemData();
    for (int16_t i = 0; i < nFctGetMechanismCount(axis_); ++i)
        mSubReportMechanism(i);

    writer_.BlankLine();
    mSubReportLoadData();
    mSubReportQuickSetup();
    mSubReportVelocityProfile();
    mSubReportIndentedText(sFctGetText(Text::Disclaimer1) + sFctGetText(Text::Disclaimer2), kRed);
    writer_.mSubReportLine(0, "", 0, ReportLineWriter::EndDocument);
}

void ReportContent::mSubPrintPageHeader()
{
    // Room for the header picture at the top of the first page.
    for (int k = 0; k < 6; ++k)
        writer_.BlankLine();
    writer_.EmitId(0, Text::Notice);
    writer_.BlankLine();
}

void ReportContent::mSubReportSelectedMotor()
{
    ReportLineWriter::KeepTogether section(writer_);
    Heading(Text::SelectedMotor);
    const std::string manufacturer = sFctGetMotorManufacturer(axis_);
    const std::string productKey = sFctGetMotorProductKey(axis_);
    const std::string undefined = sFctGetText(Text::Undefined);
    TextRow(Text::Manufacturer, manufacturer.empty() ? undefined : manufacturer);
    TextRow(Text::ProductKey, productKey.empty() ? undefined : productKey);
    writer_.BlankLine();

    // A gear motor's rated speed, rated and maximum torque each with what
    // the motor check compares it with: the axis's requirement at the
    // motor's side of the gear, in the rating's unit.
    const std::optional<calc::MotorShaftRequirements> required =
        motor_.HasGear() ? std::optional(calc::RequirementsAtMotorShaft(axis_)) : std::nullopt;
    const std::pair<int16_t, double> requiredBeside[] = {
        {Text::RequiredSpeed, required ? required->speed : kNotComputed},
        {Text::RequiredRmsTorque, required ? required->rmsTorque : kNotComputed},
        {Text::RequiredPeakTorque, required ? required->peakTorque : kNotComputed}};

    // One working record: an entry the motor does not have shows what the
    // record held before (an empty record without a motor).
    ParamRec entry;
    for (int index = 0; index < static_cast<int>(std::size(kMotorEntryLabels)); ++index) {
        nFctGetMotorParameter(axis_, static_cast<int16_t>(index), entry);
        if (index >= kFirstConditionalMotorEntry && !(entry.Data > 0.0))
            continue;
        PlainRow(kMotorEntryLabels[index], entry.Data, entry.UnitText);
        if (required && index < static_cast<int>(std::size(requiredBeside))) {
            const auto& [label, basicValue] = requiredBeside[index];
            PlainRow(label, Divide(basicValue, entry.Factor), entry.UnitText + AtMotorShaft());
        }
    }
    section.End();
    writer_.BlankLine();
}

void ReportContent::mSubReportMotorPerformance()
{
    ReportLineWriter::KeepTogether section(writer_);
    Heading(Text::MotorPerformance);
    std::string text;
    const int16_t warnings = nFctBuildMotorCheckText(axis_, text, 4, model::kFalse, 1);
    const int32_t colour = glReportTextColor;
    if (warnings > 0)
        glReportTextColor = kRed;
    writer_.Emit(0, text);
    glReportTextColor = colour;
}

void ReportContent::mSubReportGearMotor()
{
    nFctGetMotorRequirements(axis_, model::kFalse);
    if (!motor_.HasGear())
        return;

    writer_.BlankLine();
    ReportLineWriter::KeepTogether section(writer_);
    Heading(Text::GearMotor);
    // The motor at the drive shaft, the load at the motor's side.
    InertiaRow(Text::ReflMotorAtShaft, motor_.RotorAndBrakeInertiaAtShaft(), AtGearOutput());
    InertiaRow(Text::TotalMotorAtShaft, motor_.MotorInertiaAtShaft(), AtGearOutput());
    SubCalcAxisResults(axis_);
    const double load = calc::ReflectedLoadInertia(axis_);
    const double totalLoad = motor_.TotalLoadInertiaAtMotor(load);
    InertiaRow(Text::ReflLoadAtMotor, motor_.InertiaAtMotor(load), AtMotorShaft());
    InertiaRow(Text::TotalLoadAtMotor, totalLoad, AtMotorShaft());
    RatioRow(Divide(totalLoad, motor_.RotorAndBrakeInertia()));
    nFctGetMotorRequirements(axis_, model::kFalse);
}

bool ReportContent::mSubReportMotorLoadData()
{
    using namespace calc;
    writer_.BlankLine();
    ReportLineWriter::KeepTogether section(writer_);
    // A gear motor's load data stand at the gear's output.
    Heading(motor_.HasGear() ? Text::LoadDataAtGearOutput : Text::MotorLoadData);
    const std::pair<int16_t, int> torqueRows[] = {{Text::ConstantTorque, AxisResultIndex::ConstantTorque},
                                                  {Text::RmsTorque, RequirementIndex::RmsTorque},
                                                  {Text::PeakTorque, RequirementIndex::PeakTorque}};
    int16_t unit = 0;
    double value = dFctGetAxisResult(axis_, AxisResultIndex::MotorVelocity, unit);
    ConvertedRow(SpeedLabel(Text::MaxVelocity, nFctGetMotorSpeedDiameter(axis_)), value, 5, unit, "NA",
                 AtGearOutput());
    for (const auto& [label, index] : torqueRows) {
        value = dFctGetAxisResult(axis_, static_cast<int16_t>(index), unit);
        ConvertedRow(label, value, 12, unit, unitSystem_, AtGearOutput());
    }
    SubCalcAxisResults(axis_);
    const double load = calc::ReflectedLoadInertia(axis_);
    InertiaRow(Text::LoadInertia, load, AtGearOutput());

    if (!(motor_.RotorInertia() > 0.0))
        return false;
    if (!motor_.HasGear())
        RatioRow(Divide(load, motor_.RotorAndBrakeInertia()));
    section.End();
    writer_.BlankLine();
    return true;
}

void ReportContent::mSubReportSystemData()
{
    ReportLineWriter::KeepTogether section(writer_);
    Heading(Text::SystemData);
    nFctGetMotorRequirements(axis_, model::kTrue);
    int16_t rmsUnit = 0, peakUnit = 0;
    const double rms = dFctGetRequirementResult(axis_, 0, rmsUnit);
    const double peak = dFctGetRequirementResult(axis_, 1, peakUnit);
    ConvertedRow(Text::RmsTorque, rms, 12, rmsUnit, unitSystem_, AtGearOutput());
    ConvertedRow(Text::PeakTorque, peak, 12, peakUnit, unitSystem_, AtGearOutput());

    // The inertia the torques with the motor are computed from; a gear
    // motor's at both shafts.
    SubCalcAxisResults(axis_);
    const double total = motor_.MotorInertiaAtShaft() + calc::ReflectedLoadInertia(axis_);
    InertiaRow(Text::TotalInertia, total, AtGearOutput());
    if (motor_.HasGear())
        InertiaRow(Text::TotalInertia, motor_.InertiaAtMotor(total), AtMotorShaft());

    if (motor_.Kt() > 0.0) {
        writer_.BlankLine();
        ConvertedRow(Text::RmsCurrent, motor_.Current(rms * dFctGetFactorToBasicUnit(12, rmsUnit)),
                     kCurrentUnitType, kCurrentUnit, "NA");
        ConvertedRow(Text::PeakCurrent, motor_.Current(peak * dFctGetFactorToBasicUnit(12, peakUnit)),
                     kCurrentUnitType, kCurrentUnit, "NA");
    }

    std::vector<double> powers, speeds;
    int16_t powerUnit = 0;
    nFctGetPowerTable(axis_, powers, powerUnit, speeds);
    double maxPower = 0.0, minPower = 0.0;
    for (double power : powers) {
        if (power > maxPower)
            maxPower = power;
        else if (power < minPower)
            minPower = power;
    }
    const std::string powerText = sFctGetUnitText(powerUnit);
    writer_.PlaceId(kLabelColumn, Text::MaxPower);
    writer_.Place(kValueColumn, Number(maxPower));
    writer_.Emit(kUnitColumn, powerText + (maxPower > 0.0 ? sFctGetText(Text::Motoring) : ""));
    writer_.Place(kValueColumn, Number(minPower));
    writer_.Emit(kUnitColumn, powerText + (minPower < 0.0 ? sFctGetText(Text::Generating) : ""));
}

void ReportContent::mSubReportMechanism(int16_t index)
{
    using namespace calc::MechResultIndex;
    writer_.BlankLine();
    MechRec mech;
    nFctGetMechanism(axis_, index, mech);
    // The whole block on one page where it fits on one; where it does not,
    // its heading with its first parameter rows, its parameters and its
    // results each.
    ReportLineWriter::KeepTogether block(writer_);
    ReportLineWriter::KeepTogether heading(writer_);
    writer_.mbLineBold = true;
    writer_.Emit(kHeadingColumn, sFctGetText(Text::MechanismNo) + " " + std::to_string(index + 1) +
                                     " : " + sFctGetText(mech.TextID));

    int16_t k = 0;
    for (std::string warning; !(warning = sFctGetRepeatWarning(axis_, index, k)).empty(); ++k)
        mSubReportIndentedText(warning, kRed);
    if (k > 0)
        writer_.BlankLine();

    const std::string manufacturer = sFctGetMechanismManufacturer(axis_, index);
    const std::string productKey = sFctGetMechanismProductKey(axis_, index);
    TextRow(Text::Manufacturer, manufacturer.empty() ? "-" : manufacturer);
    TextRow(Text::ProductKey, productKey.empty() ? "-" : productKey);
    writer_.BlankLine();
    ReportLineWriter::KeepTogether parameters(writer_);
    for (int16_t j = 0; j < mech.DataNumber; ++j) {
        const ParamRec& entry = mech.MechanismData[static_cast<size_t>(j)];
        PlainRow(entry.TextID, entry.Data, entry.UnitText);
        if (j + 1 == kParameterRowsWithHeading)
            heading.End();
    }
    heading.End();
    parameters.End();
    writer_.BlankLine();

    ReportLineWriter::KeepTogether results(writer_);
    writer_.mbLineBold = true;
    writer_.EmitId(kLabelColumn, Text::CalculationResults);
    if (bFctIsLinearMechanismType(mech.Identifier)) {
        int16_t unit = -1;
        const double range = dFctGetProfileTravelRange(axis_, unit);
        PlainRow(Text::TravelRange, range, sFctGetUnitText(unit));
    }
    const struct {
        int16_t label;
        int result;
        int16_t unitType;
    } rows[] = {{Text::MaxInputVelocity, MaxInputVelocity, 5},
                {Text::TotalInertia, TotalInertia, 13},
                {Text::MechanismInertia, MechanismInertia, 13},
                {Text::ConstantTorque, ConstantTorque, 12},
                {Text::PeakTorque, PeakTorque, 12}};
    const int16_t speedDiameter = nFctGetChainSpeedDiameter(axis_);
    // The results stand at the mechanism's input: the first one's at a gear
    // motor's gear output.
    const std::string shaft = index == 0 ? AtGearOutput() : "";
    for (const auto& row : rows) {
        int16_t unit = 0;
        const double value = dFctGetMechanismResult(axis_, index, static_cast<int16_t>(row.result), unit);
        const bool speed = row.result == MaxInputVelocity;
        ConvertedRow(speed ? SpeedLabel(row.label, speedDiameter) : sFctGetText(row.label), value, row.unitType,
                     unit, speed ? "NA" : unitSystem_, shaft);
    }
}

void ReportContent::mSubReportLoadData()
{
    ReportLineWriter::KeepTogether section(writer_);
    Heading(Text::LoadParameters, " :");
    if (!bFctLoadDataComplete(axis_)) {
        std::string insufficient = sFctGetText(Text::InsufficientLoad);
        insufficient.erase(insufficient.size() >= 2 ? insufficient.size() - 2 : 0);
        mSubReportIndentedText(sFctGetText(Text::Warning) + insufficient, kRed);
    }
    const int16_t type = nFctGetLoadType(axis_);
    const bool hasShape = type == LoadType::SolidCylinder || type == LoadType::HollowCylinder ||
                          type == LoadType::SolidRectangular;
    int16_t typeText = 0;
    if (type == LoadType::None)
        typeText = 119;
    else if (type >= LoadType::WeightOnly && type <= LoadType::SolidRectangular)
        typeText = static_cast<int16_t>(120 + (type - LoadType::WeightOnly));
    TextRow(Text::Type, typeText != 0 ? sFctGetText(typeText) : "");

    for (int16_t j = 0; j < nFctGetLoadParameterCount(axis_); ++j) {
        ParamRec entry;
        nFctGetLoadParameter(axis_, j, entry);
        PlainRow(entry.TextID, entry.Data, entry.UnitText);
    }
    if (hasShape) {
        writer_.BlankLine();
        InertiaRow(Text::LoadInertia, dFctGetLoadShapeInertia(axis_));
    }
    section.End();
    writer_.BlankLine();
}

void ReportContent::mSubReportQuickSetup()
{
    if (bFctQuickSetupEmpty(axis_))
        return;
    ReportLineWriter::KeepTogether section(writer_);
    Heading(Text::QuickSetup);
    const int16_t mode = nFctGetQuickSetupMode(axis_);
    if (mode == QuickSetupMode::Triangular || mode == QuickSetupMode::Trapezoidal) {
        const bool triangular = mode == QuickSetupMode::Triangular;
        TextRow(Text::Mode, sFctGetText(triangular ? Text::Triangular : Text::Trapezoidal));
        const std::vector<int16_t>& labels = triangular ? kTriangularLabels : kTrapezoidalLabels;
        // The values the quick setup works with: those it derives (in the
        // units of their rows), the dwell time in the last row as entered. A
        // quick setup that does not validate shows what was entered.
        std::vector<double> derived;
        const bool valid = nFctValidateQuickSetup(axis_, mode, derived, model::kFalse) != 0;
        for (size_t selector = 0; selector < labels.size(); ++selector) {
            ParamRec entry;
            nFctGetQuickSetupParameter(axis_, static_cast<int16_t>(selector), entry);
            const bool dwell = selector + 1 == labels.size();
            PlainRow(labels[selector], valid && !dwell ? derived.at(selector) : entry.Data, entry.UnitText);
        }
    }
    section.End();
    writer_.BlankLine();
}

void ReportContent::mSubReportVelocityProfile()
{
    using namespace calc::ProfileValue;
    const int16_t used = nFctGetUsedSegmentCount(axis_);
    if (used < 1)
        return;

    std::string unitTexts[calc::kProfileValuesPerSegment];
    for (int16_t p = 0; p < calc::kProfileValuesPerSegment; ++p) {
        ParamRec entry;
        SubGetProfileSegmentParameter(axis_, 0, p, entry);
        unitTexts[p] = entry.UnitText;
    }
    ProfileTable table;
    nFctBuildVelocityProfile(axis_, -1, table, model::kFalse);
    std::vector<double> torques;
    int16_t torqueUnit = 0;
    double speedAtPeak = 0.0;
    dFctCalculateAxis(axis_, torques, torqueUnit, speedAtPeak, model::kTrue);
    // The last element of the torque list is no segment's.
    if (!torques.empty())
        torques.pop_back();
    const int16_t userTorqueUnit =
        nFctFindUnit(12, gnUnitSystem == 1 ? gnMTorqueUnit : gnEETorqueUnit, unitSystem_);
    const std::string torqueText = sFctGetUnitText(userTorqueUnit);
    const double toUserTorque = dFctGetConversionFactor(torqueUnit, userTorqueUnit);
    const double toBasicTorque = dFctGetFactorToBasicUnit(12, userTorqueUnit);
    std::vector<double> powers, speeds;
    int16_t powerUnit = 0;
    nFctGetPowerTable(axis_, powers, powerUnit, speeds);
    const std::string powerText = sFctGetUnitText(powerUnit);
    const int16_t speedDiameter = nFctGetChainSpeedDiameter(axis_);
    const std::string motorSpeedLabel = SpeedLabel(Text::MotorShaftVelocity, speedDiameter);
    const std::string speedText = sFctGetUnitText(kMotorSpeedUnit);

    // The heading stands with the first segment; each segment's block on
    // one page.
    ReportLineWriter::KeepTogether heading(writer_);
    Heading(Text::VelocityProfile, " :");
    const int16_t valueLabels[] = {132, 133, 134, 135, 136};
    const int valueOrder[] = {InitialVelocity, FinalVelocity, Duration, Acceleration, Distance};
    for (int16_t s = 0; s < used; ++s) {
        ReportLineWriter::KeepTogether segment(writer_);
        writer_.mbLineBold = writer_.mbLineItalic = true;
        writer_.Emit(kLabelColumn, sFctGetText(Text::SegmentNo) + " " + std::to_string(s + 1));
        const size_t first = static_cast<size_t>(s) * calc::kProfileValuesPerSegment;
        for (int k = 0; k < calc::kProfileValuesPerSegment; ++k)
            PlainRow(valueLabels[k], At(table, first + static_cast<size_t>(valueOrder[k])), unitTexts[k]);
        ParamRec flag;
        SubGetProfileSegmentParameter(axis_, s, SegmentParam::LoadWeightApplied, flag);
        writer_.EmitId(kLabelColumn, flag.Data == 0.0 ? Text::WeightNotApplied : Text::WeightApplied);
        writer_.BlankLine();

        // A gear motor's torque and speed at the gear's output, then at the
        // motor's shaft: each pair gives the power below.
        const double torque = At(torques, static_cast<size_t>(s)) * toUserTorque;
        const double speed = At(speeds, static_cast<size_t>(s));
        PlainRow(Text::SystemTorque, torque, torqueText + AtGearOutput());
        if (motor_.HasGear()) {
            PlainRow(SpeedLabel(Text::MaxVelocity, speedDiameter), speed, speedText + AtGearOutput());
            PlainRow(Text::SystemTorque, motor_.MotorTorque(torque), torqueText + AtMotorShaft());
        }
        PlainRow(motorSpeedLabel, motor_.MotorSpeed(speed), speedText);
        if (motor_.Kt() > 0.0)
            PlainRow(Text::SystemCurrent, motor_.Current(torque * toBasicTorque),
                     sFctGetUnitText(kCurrentUnit));
        const double power = At(powers, static_cast<size_t>(s));
        const std::string suffix = power > 0.0   ? sFctGetText(Text::Motoring)
                                   : power < 0.0 ? sFctGetText(Text::Generating)
                                                 : "";
        PlainRow(Text::SystemPower, power, powerText + suffix);
        segment.End();
        heading.End();
        writer_.BlankLine();
    }
}

size_t ReportContent::ReportWidth()
{
    return gnReportFontSize <= 10 ? 80 : 65;
}

std::vector<std::string> ReportContent::WrapToReportWidth(const std::string& text)
{
    const size_t width = ReportWidth();
    std::vector<std::string> lines;
    std::u32string rest = DecodeUtf8(text);
    while (rest.size() > width) {
        // The last blank at a 1-based position below the width; the rest
        // keeps it. Without one (or only a leading one) the word is cut.
        const size_t blank = rest.rfind(U' ', width - 2);
        const size_t cut = blank == std::u32string::npos || blank == 0 ? width : blank;
        lines.push_back(TrimBlanks(rest.substr(0, cut)));
        rest.erase(0, cut);
    }
    if (!rest.empty())
        lines.push_back(TrimBlanks(rest));
    return lines;
}

void ReportContent::mSubReportIndentedText(const std::string& text, int32_t colour)
{
    const int32_t previous = glReportTextColor;
    glReportTextColor = colour;
    writer_.BlankLine();
    ReportLineWriter::KeepTogether paragraph(writer_);
    for (const std::string& line : WrapToReportWidth(text))
        writer_.Emit(0, line);
    glReportTextColor = previous;
}

void ReportContent::Heading(int16_t textId, const std::string& suffix)
{
    writer_.mbLineBold = true;
    writer_.Emit(kHeadingColumn, sFctGetText(textId) + suffix);
}

void ReportContent::ValueRow(const std::string& label, const std::string& value, const std::string& unitText)
{
    // A label that reaches the value's column (a speed with its roll
    // diameter) stands on a line of its own, its value and unit on the next
    // in their columns.
    std::optional<ReportLineWriter::KeepTogether> longLabel;
    if (kLabelColumn + DecodeUtf8(label).size() >= static_cast<size_t>(kValueColumn)) {
        longLabel.emplace(writer_);
        writer_.Emit(kLabelColumn, label);
    } else {
        writer_.Place(kLabelColumn, label);
    }
    writer_.Place(kValueColumn, value);
    writer_.Emit(kUnitColumn, unitText);
}

void ReportContent::PlainRow(int16_t labelId, double value, const std::string& unitText)
{
    PlainRow(sFctGetText(labelId), value, unitText);
}

void ReportContent::PlainRow(const std::string& label, double value, const std::string& unitText)
{
    ValueRow(label, Number(value), unitText);
}

void ReportContent::TextRow(int16_t labelId, const std::string& text)
{
    writer_.PlaceId(kLabelColumn, labelId);
    writer_.Emit(kValueColumn, text);
}

void ReportContent::ConvertedRow(int16_t labelId, double value, int16_t unitType, int16_t unitId,
                                 const std::string& system, const std::string& shaft)
{
    ConvertedRow(sFctGetText(labelId), value, unitType, unitId, system, shaft);
}

void ReportContent::ConvertedRow(const std::string& label, double value, int16_t unitType, int16_t unitId,
                                 const std::string& system, const std::string& shaft)
{
    std::string unitText;
    std::string shown = sFctFormatValueWithUnit(value, unitType, unitId, unitText, system);
    ValueRow(label, std::isfinite(value) ? shown : "-", unitText + shaft);
}

void ReportContent::InertiaRow(int16_t labelId, double kgm2, const std::string& shaft)
{
    ConvertedRow(labelId, kgm2, 13, calc::kInertiaResultUnit, unitSystem_, shaft);
}

void ReportContent::RatioRow(double ratio)
{
    writer_.PlaceId(kLabelColumn, Text::Ratio);
    writer_.Emit(kValueColumn, Number(ratio));
}

std::string ReportContent::AtGearOutput() const
{
    return calc::AtGearOutputText(motor_);
}

std::string ReportContent::AtMotorShaft() const
{
    return calc::AtMotorShaftText(motor_);
}
