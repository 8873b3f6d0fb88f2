// The composed report of whole axes built with the model's own operations on
// the real reference data: the sections in their order, the columns, and the
// values worked out here from the physics (SI units, g = 9.8067 m/s^2), in
// the metric and the English-engineering unit system; the sections that are
// left out, the wrapped notice, the colours and the values that cannot be
// computed.
#include "foundation/basGlobalFunctions.h"
#include "foundation/basIniFileControl.h"
#include "report/frmReportContent.h"
#include "tests/model/SizingTestSupport.h"
#include "tests/report/ReportFixtures.h"
#include "tests/support/GearMotorAxis.h"

#include <algorithm>
#include <map>

namespace sizing_test {
namespace {

namespace gear_motor_axis = testing_support::gear_motor_axis;

constexpr double kNmPerPoundInch = 0.1129848290276167;
constexpr double kKgM2PerPoundInch2 = 0.0002926396534292;
constexpr double kKwPerHp = 0.7456999;
constexpr int32_t kRed = 255;

std::string RightTrimmed(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// A line of texts at columns (ASCII texts; the last may be anything).
std::string Columns(std::initializer_list<std::pair<size_t, std::string>> pieces)
{
    std::string line;
    for (const auto& [column, text] : pieces) {
        if (line.size() < column)
            line.resize(column, ' ');
        line += text;
    }
    return line;
}

class ReportContentTest : public SizingTest {
protected:
    void SetUp() override
    {
        SizingTest::SetUp();
        gnReportFontSize = 10;
        glReportTextColor = 0x123456;
    }
    void TearDown() override
    {
        gnReportFontSize = savedFontSize_;
        glReportTextColor = savedColor_;
        SizingTest::TearDown();
    }

    void Compose()
    {
        ReportContent content(kAxisId, " 1", "/home/user/Machines/Press.dat", "12-10-2026");
        content.mSubWriteReport();
        document_ = content.Document();
        lines_.clear();
        for (const auto& line : document_.lines)
            lines_.push_back(RightTrimmed(line.text));
    }

    // Index of the first line equal to text from `from` on; -1 when none.
    int Find(const std::string& text, int from = 0) const
    {
        for (int k = std::max(from, 0); k < static_cast<int>(lines_.size()); ++k)
            if (lines_[k] == text)
                return k;
        return -1;
    }
    bool Has(const std::string& text) const { return Find(text) >= 0; }
    // The first row of that label (at column 10) after the heading.
    int RowIndex(const std::string& heading, const std::string& label) const
    {
        const int start = Find(heading);
        for (int k = start + 1; start >= 0 && k < static_cast<int>(lines_.size()); ++k)
            if (lines_[k].compare(0, 10 + label.size(), std::string(10, ' ') + label) == 0)
                return k;
        return -1;
    }
    // The number at column 41 of that row and the unit text at column 51.
    void ExpectRow(const std::string& heading, const std::string& label, double value,
                   const std::string& unit)
    {
        SCOPED_TRACE(heading);
        ExpectRowAt(RowIndex(heading, label), label, value, unit);
    }
    // The same for the row in line k.
    void ExpectRowAt(int k, const std::string& label, double value, const std::string& unit)
    {
        ASSERT_GE(k, 0) << label << "\n" << document_.Text();
        ASSERT_LT(k, static_cast<int>(lines_.size()));
        ASSERT_EQ(lines_[k].compare(0, 10 + label.size(), std::string(10, ' ') + label), 0) << lines_[k];
        const std::string& line = lines_[k];
        ASSERT_GE(line.size(), 42u) << line;
        EXPECT_EQ(line.substr(10 + label.size(), 41 - 10 - label.size()),
                  std::string(41 - 10 - label.size(), ' '))
            << line;
        const std::string shown = line.substr(41, unit.empty() ? std::string::npos : 10);
        EXPECT_NEAR(std::stod(shown), value, std::fabs(value) * 5e-4 + 5e-7) << line;
        if (!unit.empty())
            EXPECT_EQ(line.substr(51), unit) << line;
        else
            EXPECT_EQ(shown.find(' '), std::string::npos) << line;
    }
    std::vector<std::string> BoldLines() const
    {
        std::vector<std::string> bold;
        for (size_t k = 0; k < lines_.size(); ++k)
            if (document_.lines[k].bold)
                bold.push_back(lines_[k]);
        return bold;
    }

    // A steel disk 200 mm x 20 mm at 120 rpm in 0.5 s, 1 s steady, 0.5 s to
    // rest, on a motor of 3000 rpm, 1 and 2 N.m, rotor 0.5 kg.cm^2, Kt 0.5
    // N.m/A and 3 N; no load.
    void BuildDiskAxis()
    {
        AddMechanism(MechanismType::Disk, {{0, 200}, {1, 20}, {3, 7.85}});
        SetSegments({{0, 120, 0.5}, {120, 120, 1}, {120, 0, 0.5}});
        SetMotor({{0, 3000}, {1, 1}, {2, 2}, {3, 0.5}, {4, 0.5}, {5, 3}});
        SubSetMotorManufacturer(kAxisId, "Acme Drives");
    }

    // Leadscrew 20 mm x 150 mm, 10 mm/rev, a 100 mm x 50 mm steel cylinder
    // as load; a trapezoid of 200 mm/s, 1.2 s with ramps of 0.2 s and
    // 0.4 s dwell, no distance given: 200 x 0.2 / 2 twice + 200 x 0.8 =
    // 200 mm of travel, more than the screw's 150 mm.
    bool BuildLeadscrewAxis()
    {
        AddMechanism(MechanismType::Leadscrew, {{0, 20}, {1, 150}, {2, 7.85}, {3, 10}, {4, 90}});
        SetLoad(LoadType::SolidCylinder, {100, 50, 7.85});
        UseLinearMotion();
        return SubmitQuickSetup(QuickSetupMode::Trapezoidal, {200, 1.2, 0, 0.2, 0.2, 0.4});
    }

    platform::ReportDocument document_;
    std::vector<std::string> lines_;

private:
    int16_t savedFontSize_ = gnReportFontSize;
    int32_t savedColor_ = glReportTextColor;
};

TEST_F(ReportContentTest, HeadingsInTheirOrderAtTheirColumns)
{
    BuildDiskAxis();
    SubSetAxisTitle(kAxisId, "Flywheel");
    Compose();

    // Six blank lines for the picture, the notice, date, file and axis.
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(lines_[k], "");
    EXPECT_EQ(lines_[6], "Copyright (c) 2004 Orvamis. All rights reserved.");
    EXPECT_EQ(lines_[7], "");
    EXPECT_EQ(lines_[8], Columns({{0, "Date :"}, {10, "12-10-2026"}}));
    EXPECT_EQ(lines_[9], Columns({{0, "File :"}, {10, "/home/user/Machines/Press.dat"}}));
    EXPECT_EQ(lines_[11], Columns({{0, "Axis :"}, {10, "1 - Flywheel"}}));

    const std::vector<std::string> headings = {
        "Axis :    1 - Flywheel",
        "    Selected Motor :",
        "    Motor Performance :",
        "    Motor Load Data :",
        "    System Data (incl. Motor Inertia) :",
        "    Mechanism No. 1 : Disk",
        "          Calculation Results :",
        "    Load Parameters :",
        "    Velocity Profile :",
        "          Segment No. 1",
        "          Segment No. 2",
        "          Segment No. 3",
    };
    EXPECT_EQ(BoldLines(), headings);
    EXPECT_TRUE(document_.lines[Find("          Segment No. 2")].italic);
    EXPECT_FALSE(document_.lines[Find("    Selected Motor :")].italic);
    // No gear motor, an empty quick setup: neither section.
    EXPECT_FALSE(Has("    Gear Motor Calculations :"));
    EXPECT_FALSE(Has("    Quick Setup Data :"));

    // Texts without unit at column 41; the disk's parameters as entered.
    EXPECT_EQ(lines_[RowIndex("    Selected Motor :", "Manufacturer")],
              Columns({{10, "Manufacturer"}, {41, "Acme Drives"}}));
    EXPECT_EQ(lines_[RowIndex("    Selected Motor :", "Product Key")],
              Columns({{10, "Product Key"}, {41, "Undefined"}}));
    EXPECT_EQ(lines_[RowIndex("    Mechanism No. 1 : Disk", "Manufacturer")],
              Columns({{10, "Manufacturer"}, {41, "-"}}));
    EXPECT_EQ(lines_[RowIndex("    Mechanism No. 1 : Disk", "Diameter")],
              Columns({{10, "Diameter"}, {41, "200"}, {51, "mm"}}));
    EXPECT_EQ(lines_[RowIndex("    Load Parameters :", "Type")], Columns({{10, "Type"}, {41, "None"}}));
    EXPECT_EQ(lines_[RowIndex("          Segment No. 1", "Load Weight")],
              Columns({{10, "Load Weight Is Applied"}}));
    // Only the motor's unconditional entries (brake, gear ratio and gear
    // inertia are 0).
    EXPECT_EQ(RowIndex("    Selected Motor :", "Brake Inertia"), -1);
    EXPECT_EQ(RowIndex("    Selected Motor :", "Gear"), -1);
}

// The values of the disk axis, worked out by hand, in both unit systems.
TEST_F(ReportContentTest, ValuesOfTheDiskAxisInBothUnitSystems)
{
    BuildDiskAxis();
    // Disk 4.93396 kg: J = 0.5 m r^2 = 0.0246698 kg.m^2; 2 rev/s at 4 rev/s^2.
    const double disk = CylinderInertia(PartMass(7.85, CylinderVolume(200, 20)), 200);
    const double rotor = KgCm2(0.5);
    const double peak = 2 * kPi * disk * 4;                 // 0.620020 N.m
    const double rms = peak * std::sqrt(0.5);               // 1 s of 2 at the peak
    const double systemPeak = 2 * kPi * (disk + rotor) * 4; // 0.621276 N.m
    const double systemRms = systemPeak * std::sqrt(0.5);   // 0.439309 N.m
    // Power: lbf.in x rpm / 63025 hp, 120 rpm while accelerating and braking.
    const double hp = systemPeak / kNmPerPoundInch * 120 / 63025;

    struct System {
        int16_t unitSystem;
        double torque, inertia, power;  // per N.m, kg.m^2 and hp
        std::string torqueUnit, inertiaUnit, powerUnit;
    };
    const System systems[] = {{1, 1, 1e4, kKwPerHp, "Nm", "kgcm²", "kW"},
                              {0, 1 / kNmPerPoundInch, 1 / kKgM2PerPoundInch2, 1, "lb-in", "lb-in²", "hp"}};
    for (const System& s : systems) {
        SCOPED_TRACE(s.unitSystem);
        UseUnitSystem(s.unitSystem);
        SubConvertAllAxesToSelectedUnits();
        Compose();
        const std::string load = "    Motor Load Data :", system = "    System Data (incl. Motor Inertia) :";
        ExpectRow(load, "Max. Velocity", 120, "rpm");
        ExpectRow(load, "Constant Torque", 0, s.torqueUnit);
        ExpectRow(load, "RMS Torque", rms * s.torque, s.torqueUnit);
        ExpectRow(load, "Peak Torque", peak * s.torque, s.torqueUnit);
        ExpectRow(load, "Load Inertia", disk * s.inertia, s.inertiaUnit);
        ExpectRow(load, "Ratio Load/Motor Inertia", disk / rotor, "");  // 493.4
        ExpectRow(system, "RMS Torque", systemRms * s.torque, s.torqueUnit);
        ExpectRow(system, "Peak Torque", systemPeak * s.torque, s.torqueUnit);
        ExpectRow(system, "Total Inertia", (disk + rotor) * s.inertia, s.inertiaUnit);
        ExpectRow(system, "RMS Current", systemRms / 0.5, "A");   // Kt 0.5 N.m/A
        ExpectRow(system, "Peak Current", systemPeak / 0.5, "A");
        ExpectRow(system, "Max. Power", hp * s.power, s.powerUnit + " (Motoring)");
        const int maxPower = RowIndex(system, "Max. Power");
        EXPECT_EQ(lines_[maxPower + 1].substr(0, 41), std::string(41, ' '));
        EXPECT_NEAR(std::stod(lines_[maxPower + 1].substr(41, 10)), -hp * s.power, 1e-6);
        EXPECT_EQ(lines_[maxPower + 1].substr(51), s.powerUnit + " (Generating)");

        const std::string disk1 = "    Mechanism No. 1 : Disk";
        ExpectRow(disk1, "Max. Input Velocity", 120, "rpm");
        ExpectRow(disk1, "Total Inertia", disk * s.inertia, s.inertiaUnit);
        ExpectRow(disk1, "Mechanism Inertia", disk * s.inertia, s.inertiaUnit);
        ExpectRow(disk1, "Peak Torque", peak * s.torque, s.torqueUnit);

        // Segment 1: 0 -> 120 rpm in 0.5 s, 240 rpm/s, 0.5 rev; segment 3
        // the way back, braking.
        const std::string first = "          Segment No. 1", third = "          Segment No. 3";
        ExpectRow(first, "Final Velocity", 120, "rpm");
        ExpectRow(first, "Duration", 0.5, "s");
        ExpectRow(first, "Acceleration", 240, "rev/min/s");
        ExpectRow(first, "Distance", 0.5, "rev");
        ExpectRow(first, "System (Total) Torque", systemPeak * s.torque, s.torqueUnit);
        ExpectRow(first, "Max. Velocity at Motor Shaft", 120, "rpm");
        ExpectRow(first, "System Current", systemPeak / 0.5, "A");
        ExpectRow(first, "System Power", hp * s.power, s.powerUnit + " (Motoring)");
        ExpectRow(third, "Acceleration", -240, "rev/min/s");
        ExpectRow(third, "System (Total) Torque", -systemPeak * s.torque, s.torqueUnit);
        ExpectRow(third, "System Power", -hp * s.power, s.powerUnit + " (Generating)");
        ExpectRow("          Segment No. 2", "System Power", 0, s.powerUnit);
    }
    // The English-engineering parameters as converted: 200 mm = 7.874 in.
    ExpectRow("    Mechanism No. 1 : Disk", "Diameter", 200 / 25.4, "in");
}

TEST_F(ReportContentTest, ColoursOfTheMotorCheckAndTheNotice)
{
    BuildDiskAxis();
    Compose();
    // The load inertia is 493 times the rotor's: the motor check warns in
    // red; every other line keeps the report colour, also afterwards.
    const int performance = Find("    Motor Performance :");
    const int loadData = Find("    Motor Load Data :");
    ASSERT_LT(performance + 1, loadData);
    EXPECT_NE(lines_[performance + 1].find("    "), std::string::npos);
    for (int k = performance + 1; k < loadData - 1; ++k)
        EXPECT_EQ(document_.lines[k].color, kRed) << lines_[k];
    EXPECT_EQ(document_.lines[loadData].color, 0x123456);
    EXPECT_EQ(glReportTextColor, 0x123456);
    EXPECT_EQ(document_.lines.back().color, kRed);
    for (const auto& line : document_.lines)
        EXPECT_EQ(line.fontSize, 10);
}

TEST_F(ReportContentTest, NoticeWrapsAtTheWidthOfTheFontSize)
{
    // Worked out by hand: the last blank before position 80 (65); the two
    // sentences stand apart by one blank ("components. Orvamis").
    gnReportFontSize = 10;
    BuildDiskAxis();
    Compose();
    const std::vector<std::string> at80 = {
        "This software package is made available as an aid to the selection of",
        "electrical motors, drives, and additional components. Orvamis does not",
        "guarantee the results and cannot accept the responsibility for their",
        "interpretation. Consult a qualified representative of the components' vendors",
        "to confirm the final selection."};
    ASSERT_GE(lines_.size(), at80.size() + 1);
    EXPECT_EQ(std::vector<std::string>(lines_.end() - 5, lines_.end()), at80);
    EXPECT_EQ(lines_[lines_.size() - 6], "");

    gnReportFontSize = 12;
    EXPECT_EQ(ReportContent::WrapToReportWidth(sFctGetText(27) + sFctGetText(28)),
              (std::vector<std::string>{
                  "This software package is made available as an aid to the",
                  "selection of electrical motors, drives, and additional",
                  "components. Orvamis does not guarantee the results and cannot",
                  "accept the responsibility for their interpretation. Consult a",
                  "qualified representative of the components' vendors to confirm",
                  "the final selection."}));
    // A word longer than the width is cut rather than looping forever.
    EXPECT_EQ(ReportContent::WrapToReportWidth(" " + std::string(70, 'x')),
              (std::vector<std::string>{std::string(64, 'x'), std::string(6, 'x')}));
}

TEST_F(ReportContentTest, AxisWithoutMotorLoadOrProfile)
{
    // A motor never entered, a weight-only load without its weight, no
    // segment used: "Undefined", six rows of 0 without unit, the motor
    // load data, but neither gear motor nor system data, the load warning in
    // red, no quick setup and no profile.
    AddMechanism(MechanismType::Disk, {{0, 200}, {1, 20}, {3, 7.85}});
    SetLoad(LoadType::WeightOnly, {});
    Compose();
    EXPECT_EQ(lines_[RowIndex("    Selected Motor :", "Manufacturer")],
              Columns({{10, "Manufacturer"}, {41, "Undefined"}}));
    EXPECT_EQ(lines_[RowIndex("    Selected Motor :", "Product Key")],
              Columns({{10, "Product Key"}, {41, "Undefined"}}));
    const int first = RowIndex("    Selected Motor :", "Rated Speed");
    const char* labels[] = {"Rated Speed", "Rated Torque", "Max. (Peak) Torque", "Rotor Inertia", "Kt", "Weight"};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(lines_[first + k], Columns({{10, labels[k]}, {41, "0"}}));
    EXPECT_EQ(lines_[first + 6], "");
    EXPECT_TRUE(Has("    Motor Load Data :"));
    EXPECT_GE(RowIndex("    Motor Load Data :", "Load Inertia"), 0);
    EXPECT_EQ(RowIndex("    Motor Load Data :", "Ratio"), -1);
    EXPECT_FALSE(Has("    Gear Motor Calculations :"));
    EXPECT_FALSE(Has("    System Data (incl. Motor Inertia) :"));
    EXPECT_FALSE(Has("    Velocity Profile :"));
    EXPECT_FALSE(Has("    Quick Setup Data :"));

    const int load = Find("    Load Parameters :");
    EXPECT_EQ(lines_[load + 1], "");
    EXPECT_EQ(lines_[load + 2], "Warning : Insufficient load parameters.");
    EXPECT_EQ(document_.lines[load + 2].color, kRed);
    EXPECT_EQ(lines_[load + 3], "");
    EXPECT_EQ(lines_[load + 4], Columns({{10, "Type"}, {41, "Weight Only"}}));
    EXPECT_EQ(document_.lines[load + 4].color, 0x123456);
}

TEST_F(ReportContentTest, GearMotorBlock)
{
    // The disk on a gear motor 10:1, rotor 0.5, brake 0.2 and gear 0.1
    // kg.cm^2, no Kt.
    AddMechanism(MechanismType::Disk, {{0, 200}, {1, 20}, {3, 7.85}});
    SetSegments({{0, 120, 0.5}, {120, 120, 1}, {120, 0, 0.5}});
    SetMotor({{0, 3000}, {1, 1}, {2, 2}, {3, 0.5}, {6, 0.2}, {7, 10}, {8, 0.1}});
    Compose();
    const double disk = CylinderInertia(PartMass(7.85, CylinderVolume(200, 20)), 200);
    const std::string gear = "    Gear Motor Calculations :";
    ASSERT_TRUE(Has(gear)) << document_.Text();
    // At the gear's output the motor weighs (0.5 + 0.2) x 10^2 = 70 kg.cm^2,
    // with the gear (0.5 + 0.2 + 0.1) x 10^2 = 80; at the motor's side the
    // load 246.698 / 100 = 2.46698 kg.cm^2, with the gear 2.56698; ratio
    // 2.56698 / 0.7 = 3.66711. Each names its shaft.
    ExpectRow(gear, "Refl. Motor Inertia At Shaft", 70, "kgcm² (gear output)");
    ExpectRow(gear, "Total Motor Inertia At Shaft", 80, "kgcm² (gear output)");
    ExpectRow(gear, "Refl. Load Inertia At Motor", disk * 1e4 / 100, "kgcm² (motor shaft)");
    ExpectRow(gear, "Total Load Inertia At Motor", disk * 1e4 / 100 + 0.1, "kgcm² (motor shaft)");
    ExpectRow(gear, "Ratio Load/Motor Inertia", (disk * 1e4 / 100 + 0.1) / 0.7, "");
    const std::string load = "    Load Data at Gear Output :";
    EXPECT_FALSE(Has("    Motor Load Data :"));
    EXPECT_LT(RowIndex(gear, "Ratio"), Find(load));
    EXPECT_EQ(RowIndex(load, "Ratio"), -1);
    ExpectRow(load, "Load Inertia", disk * 1e4, "kgcm² (gear output)");
    ExpectRow("    Selected Motor :", "Gear Ratio", 10, "-");
    // The torques with the motor stand on 246.698 + 80 kg.cm^2 at the gear's
    // output, 2.46698 + 0.8 at the motor's shaft.
    const std::string system = "    System Data (incl. Motor Inertia) :";
    const int total = RowIndex(system, "Total Inertia");
    ExpectRowAt(total, "Total Inertia", disk * 1e4 + 80, "kgcm² (gear output)");
    ExpectRowAt(total + 1, "Total Inertia", disk * 1e4 / 100 + 0.8, "kgcm² (motor shaft)");
    // No Kt: no currents.
    EXPECT_EQ(RowIndex("    System Data (incl. Motor Inertia) :", "RMS Current"), -1);
    EXPECT_EQ(RowIndex("    Velocity Profile :", "System Current"), -1);

    // Neither rotor nor brake inertia: the ratio cannot be computed and
    // shows "-"; there is no system data.
    SetMotor({{0, 3000}, {1, 1}, {2, 2}, {7, 10}, {8, 0.1}});
    Compose();
    ASSERT_TRUE(Has(gear));
    ExpectRow(gear, "Refl. Motor Inertia At Shaft", 0, "kgcm² (gear output)");
    ExpectRow(gear, "Total Motor Inertia At Shaft", 10, "kgcm² (gear output)");
    const int ratio = RowIndex(gear, "Ratio");
    ASSERT_GE(ratio, 0) << document_.Text();
    EXPECT_EQ(lines_[ratio], Columns({{10, "Ratio Load/Motor Inertia"}, {41, "-"}}));
    EXPECT_EQ(document_.Text().find("inf"), std::string::npos);
    EXPECT_FALSE(Has("    System Data (incl. Motor Inertia) :"));
}

// The leadscrew on the 3:1 gear motor of the shared hand calculation: the
// motor check, the block, the total inertia, the currents and the motor's
// speed; then the same axis and motor without gear, as it always printed.
TEST_F(ReportContentTest, GearMotorOnALeadscrewAndTheSameMotorWithoutGear)
{
    using namespace gear_motor_axis;
    const std::string performance = "    Motor Performance :", gear = "    Gear Motor Calculations :",
                      load = "    Motor Load Data :", gearLoad = "    Load Data at Gear Output :",
                      system = "    System Data (incl. Motor Inertia) :",
                      results = "          Calculation Results :";
    // Load data, system data, the screw's results and the profile with the
    // motor; a gear motor names the gear's output after the unit of each
    // speed, torque and inertia at the drive shaft (the load data under a
    // heading of their own), and gives the total inertia and each segment's
    // torque and speed at the motor's shaft as well.
    auto expectWithMotor = [&](const WithMotor& e, double gearRatio) {
        const std::string atShaft = gearRatio > 0 ? " (gear output)" : "";
        const std::string& loadData = gearRatio > 0 ? gearLoad : load;
        ExpectRow(loadData, "Max. Velocity", kShaftRpm, "rpm" + atShaft);
        ExpectRow(loadData, "Load Inertia", kLoadInertiaKgCm2, "kgcm²" + atShaft);
        ExpectRow(system, "RMS Torque", e.rmsTorque, "Nm" + atShaft);
        ExpectRow(system, "Peak Torque", e.peakTorque, "Nm" + atShaft);
        const int total = RowIndex(system, "Total Inertia");
        ExpectRowAt(total, "Total Inertia", e.totalInertiaKgCm2, "kgcm²" + atShaft);
        if (gearRatio > 0)
            ExpectRowAt(total + 1, "Total Inertia", e.totalInertiaKgCm2 / (gearRatio * gearRatio),
                        "kgcm² (motor shaft)");
        else
            EXPECT_EQ(lines_[total + 1], "") << lines_[total + 1];
        ExpectRow(results, "Max. Input Velocity", kShaftRpm, "rpm" + atShaft);
        ExpectRow(results, "Total Inertia", kLoadInertiaKgCm2, "kgcm²" + atShaft);
        ExpectRow(results, "Mechanism Inertia", kScrewInertiaKgCm2, "kgcm²" + atShaft);
        ExpectRow(results, "Constant Torque", kFrictionTorque, "Nm" + atShaft);
        ExpectRow(results, "Peak Torque", kPeakTorqueAlone, "Nm" + atShaft);
        ExpectRow(system, "RMS Current", e.rmsCurrent, "A");
        ExpectRow(system, "Peak Current", e.peakCurrent, "A");
        for (int s = 0; s < 4; ++s) {
            const std::string segment = "          Segment No. " + std::to_string(s + 1);
            SCOPED_TRACE(segment);
            const double shaftRpm = s < 3 ? kShaftRpm : 0;
            const int torque = RowIndex(segment, "System (Total) Torque");
            ExpectRowAt(torque, "System (Total) Torque", e.segmentTorques[s], "Nm" + atShaft);
            int next = torque + 1;
            if (gearRatio > 0) {
                ExpectRowAt(next++, "Max. Velocity", shaftRpm, "rpm (gear output)");
                ExpectRowAt(next++, "System (Total) Torque", e.segmentTorques[s] / gearRatio, "Nm (motor shaft)");
            }
            ExpectRowAt(next++, "Max. Velocity at Motor Shaft", s < 3 ? e.motorRpm : 0, "rpm");
            ExpectRowAt(next++, "System Current", e.segmentCurrents[s], "A");
            // Either pair gives the power: T 2 pi n, in kW.
            const double power = e.segmentTorques[s] * 2 * kPi * shaftRpm / 60 / 1000;
            ExpectRowAt(next, "System Power", power,
                        power > 0 ? "kW (Motoring)" : power < 0 ? "kW (Generating)" : "kW");
        }
    };
    auto checkText = [&](int count) {
        const int first = Find(performance) + 1;
        return first > 0 && first + count <= static_cast<int>(lines_.size())
                   ? std::vector<std::string>(lines_.begin() + first, lines_.begin() + first + count)
                   : std::vector<std::string>{};
    };

    ASSERT_TRUE(gear_motor_axis::Build(kAxisId));
    Compose();
    EXPECT_EQ(checkText(1), std::vector<std::string>{"    Selected motor meets all requirements."});
    // Below each rating what the check compared it with, at the motor's
    // shaft: 3 x 1500 rpm, the shaft's RMS and peak torque / 3.
    const std::string motor = "    Selected Motor :";
    const int rated = RowIndex(motor, "Rated Speed");
    ExpectRowAt(rated + 1, "Required Speed", 4500, "rpm (motor shaft)");
    ExpectRowAt(rated + 2, "Rated Torque", kRatedTorque, "Nm");
    ExpectRowAt(rated + 3, "Required RMS Torque", kWithGear.rmsTorque / kGearRatio, "Nm (motor shaft)");
    ExpectRowAt(rated + 4, "Max. (Peak) Torque", kMaxTorque, "Nm");
    ExpectRowAt(rated + 5, "Required Peak Torque", kWithGear.peakTorque / kGearRatio, "Nm (motor shaft)");
    ExpectRowAt(rated + 6, "Rotor Inertia", 0.2, "kgcm²");
    EXPECT_EQ(document_.lines[Find(performance) + 1].color, 0x123456);
    ExpectRow(gear, "Refl. Motor Inertia At Shaft", kReflMotorInertiaKgCm2, "kgcm² (gear output)");
    ExpectRow(gear, "Total Motor Inertia At Shaft", kTotalMotorInertiaKgCm2, "kgcm² (gear output)");
    ExpectRow(gear, "Refl. Load Inertia At Motor", kReflLoadInertiaKgCm2, "kgcm² (motor shaft)");
    ExpectRow(gear, "Total Load Inertia At Motor", kTotalLoadInertiaKgCm2, "kgcm² (motor shaft)");
    ExpectRow(gear, "Ratio Load/Motor Inertia", kInertiaRatio, "");
    EXPECT_FALSE(Has(load));
    EXPECT_EQ(RowIndex(gearLoad, "Ratio"), -1);
    {
        SCOPED_TRACE("with gear");
        expectWithMotor(kWithGear, kGearRatio);
    }

    gear_motor_axis::SetMotor(kAxisId, kRatedRpm, kRatedTorque, kMaxTorque, 0);
    Compose();
    EXPECT_FALSE(Has(gear));
    EXPECT_FALSE(Has(gearLoad));
    EXPECT_EQ(checkText(3), (std::vector<std::string>{"    The selected motor does not meet the inertia requirements.",
                                                      "    The factor of load to motor inertia is greater than 6 : 1.",
                                                      "    We recommend to add a gearbox."}));
    ExpectRow("    Selected Motor :", "Gear Inertia", 0.2, "kgcm²");
    EXPECT_EQ(RowIndex("    Selected Motor :", "Gear Ratio"), -1);
    ExpectRow(load, "Ratio Load/Motor Inertia", kInertiaRatioNoGear, "");
    EXPECT_EQ(RowIndex("    Selected Motor :", "Required"), -1);
    SCOPED_TRACE("without gear");
    expectWithMotor(kWithoutGear, 0);
}

// The same reduction as a lossless gearbox of the gear's inertia in front of
// a motor without gear: the motor turns at 4500 rpm and gives the torques
// the gear motor's report puts beside its ratings, the shaft's RMS
// 0.24839305 and peak 0.50007623 N.m / 3 (the motor's rotor and brake and
// the gear's inertia count at the motor's side in both).
TEST_F(ReportContentTest, AGearboxOfTheSameReductionGivesTheGearMotorsMotorTorques)
{
    using namespace gear_motor_axis;
    ASSERT_TRUE(gear_motor_axis::Build(kAxisId));
    Compose();
    const std::string motor = "    Selected Motor :";
    const std::pair<std::string, double> required[] = {{"Required Speed", 4500},
                                                       {"Required RMS Torque", 0.082797684},
                                                       {"Required Peak Torque", 0.16669208}};
    std::vector<double> gearMotor;
    for (const auto& [label, hand] : required) {
        ExpectRow(motor, label, hand, label == "Required Speed" ? "rpm (motor shaft)" : "Nm (motor shaft)");
        const int k = RowIndex(motor, label);
        ASSERT_GE(k, 0);
        gearMotor.push_back(std::stod(lines_[k].substr(41, 10)));
    }

    NewAxis();
    AddMechanism(MechanismType::Gearbox, {{0, 100}, {1, 0.2}, {2, kGearRatio}});
    ASSERT_TRUE(gear_motor_axis::Build(kAxisId));
    gear_motor_axis::SetMotor(kAxisId, kRatedRpm, kRatedTorque, kMaxTorque, 0);
    Compose();
    const std::string system = "    System Data (incl. Motor Inertia) :";
    ExpectRow("    Motor Load Data :", "Max. Velocity", gearMotor[0], "rpm");
    ExpectRow(system, "RMS Torque", gearMotor[1], "Nm");
    ExpectRow(system, "Peak Torque", gearMotor[2], "Nm");
}

// A 5:1 gear motor behind a gearbox of 80 % with its own inertia, in
// English-engineering units, worked out by hand (lb, in, g = 386.09 in/s^2):
// a 20 lb disk of 10 in: 20 x 5^2 / 2 = 250 lb-in^2; a belt of 2:1, pulleys
// of 1 lb, 2 in and 2 lb, 4 in: 0.5 + 4 / 4 + 250 / 4 = 64 lb-in^2 and its
// friction torque of 10 lb-in; the gearbox of 2:1: L = 64 / 4 / 0.8 + 0.5 =
// 20.5 lb-in^2 and 10 / (2 x 0.8) = 6.25 lb-in at the drive shaft, which
// turns at 100 x 2 x 2 = 400 rpm (the motor at 2000) and accelerates at
// 500 x 4 rpm/s = 209.44 rad/s^2. The motor at the drive shaft: (0.1 + 0.05
// + 0.08) x 25 = 5.75 lb-in^2; with it J alpha / g = 26.25 x 209.44 / 386.09
// = 14.240 lb-in, so the segments need 20.490 (0.2 s), 6.25 (1 s), -7.990
// (0.2 s) and 0 (0.5 s): RMS sqrt((20.490^2 0.2 + 6.25^2 + 7.990^2 0.2) /
// 1.9) = 8.4540 lb-in; at the motor 1.6908 and 4.0979 lb-in. The axis alone:
// 20.5 x 209.44 / 386.09 = 11.120, peak 17.370, RMS 7.4039 lb-in. Power
// 20.490 x 400 / 63025 = 4.0979 x 2000 / 63025 = 0.13004 hp; current 4.0979
// / 5 lb-in/A = 0.81959 A.
TEST_F(ReportContentTest, GearMotorBehindALossyGearboxInEnglishUnitsAndInGerman)
{
    UseUnitSystem(0);
    NewAxis();
    AddMechanism(MechanismType::Gearbox, {{0, 80}, {1, 0.5}, {2, 2}});
    AddMechanism(MechanismType::BeltPulley, {{0, 2}, {1, 1}, {4, 1}, {5, 4}, {6, 2}, {10, 100}, {11, 10}});
    AddMechanism(MechanismType::Disk, {{0, 10}, {2, 20}});
    SetSegments({{0, 100, 0.2}, {100, 100, 1}, {100, 0, 0.2}, {0, 0, 0.5}});
    SetMotor({{0, 3000}, {1, 20}, {2, 60}, {3, 0.1}, {4, 5}, {6, 0.05}, {7, 5}, {8, 0.08}});
    Compose();

    const std::string motor = "    Selected Motor :", load = "    Load Data at Gear Output :",
                      system = "    System Data (incl. Motor Inertia) :", first = "          Segment No. 1";
    const int rated = RowIndex(motor, "Rated Speed");
    ExpectRowAt(rated + 1, "Required Speed", 2000, "rpm (motor shaft)");
    ExpectRowAt(rated + 3, "Required RMS Torque", 1.6908, "lb-in (motor shaft)");
    ExpectRowAt(rated + 5, "Required Peak Torque", 4.0979, "lb-in (motor shaft)");
    EXPECT_EQ(lines_[Find("    Motor Performance :") + 1], "    Selected motor meets all requirements.");
    ExpectRow(load, "Max. Velocity", 400, "rpm (gear output)");
    ExpectRow(load, "Constant Torque", 6.25, "lb-in (gear output)");
    ExpectRow(load, "RMS Torque", 7.4039, "lb-in (gear output)");
    ExpectRow(load, "Peak Torque", 17.370, "lb-in (gear output)");
    ExpectRow(load, "Load Inertia", 20.5, "lb-in² (gear output)");
    ExpectRow(system, "RMS Torque", 8.4540, "lb-in (gear output)");
    ExpectRow(system, "Peak Torque", 20.490, "lb-in (gear output)");
    // 26.25 / 5^2 = 1.05 lb-in^2 at the motor's shaft.
    const int total = RowIndex(system, "Total Inertia");
    ExpectRowAt(total, "Total Inertia", 26.25, "lb-in² (gear output)");
    ExpectRowAt(total + 1, "Total Inertia", 1.05, "lb-in² (motor shaft)");
    ExpectRow(system, "Peak Current", 0.81959, "A");
    ExpectRow(system, "Max. Power", 0.13004, "hp (Motoring)");
    // The gearbox's results stand at its input, the gear's output: 400 rpm,
    // L, its own 0.5 lb-in^2, 6.25 lb-in and the axis alone's peak of
    // 17.370 lb-in; the belt's at the gearbox's output (200 rpm) name no
    // shaft of the gear motor.
    const std::string gearbox = "    Mechanism No. 1 : Gearbox";
    ExpectRow(gearbox, "Max. Input Velocity", 400, "rpm (gear output)");
    ExpectRow(gearbox, "Total Inertia", 20.5, "lb-in² (gear output)");
    ExpectRow(gearbox, "Mechanism Inertia", 0.5, "lb-in² (gear output)");
    ExpectRow(gearbox, "Constant Torque", 6.25, "lb-in (gear output)");
    ExpectRow(gearbox, "Peak Torque", 17.370, "lb-in (gear output)");
    ExpectRow("    Mechanism No. 2 : Belt-Pulley", "Max. Input Velocity", 200, "rpm");
    const int torque = RowIndex(first, "System (Total) Torque");
    const std::pair<std::string, std::pair<double, std::string>> segment[] = {
        {"System (Total) Torque", {20.490, "lb-in (gear output)"}},
        {"Max. Velocity", {400, "rpm (gear output)"}},
        {"System (Total) Torque", {4.0979, "lb-in (motor shaft)"}},
        {"Max. Velocity at Motor Shaft", {2000, "rpm"}},
        {"System Current", {0.81959, "A"}},
        {"System Power", {0.13004, "hp (Motoring)"}}};
    for (size_t k = 0; k < std::size(segment); ++k)
        ExpectRowAt(torque + static_cast<int>(k), segment[k].first, segment[k].second.first,
                    segment[k].second.second);

    // In German each shaft is named in German.
    gnLanguageOffset = 1000;
    Compose();
    const int german = RowIndex("    Gewählter Motor :", "Nenndrehzahl");
    ExpectRowAt(german + 1, "Erf. Drehzahl", 2000, "rpm (Motorwelle)");
    ExpectRowAt(german + 3, "Erf. RMS-Drehmoment", 1.6908, "lb-in (Motorwelle)");
    EXPECT_FALSE(Has("    Lastdaten am Motor :"));
    ExpectRow("    Lastdaten am Getriebeausgang :", "Max. Geschwindigkeit", 400, "rpm (Getriebeausgang)");
    const int germanTorque = RowIndex("          Segment Nr. 1", "System-(Gesamt-)Drehmoment");
    ExpectRowAt(germanTorque, "System-(Gesamt-)Drehmoment", 20.490, "lb-in (Getriebeausgang)");
    ExpectRowAt(germanTorque + 2, "System-(Gesamt-)Drehmoment", 4.0979, "lb-in (Motorwelle)");
}

// A motor without gear prints what it always printed, byte for byte.
TEST_F(ReportContentTest, AMotorWithoutGearPrintsAsBefore)
{
    using namespace gear_motor_axis;
    ASSERT_TRUE(gear_motor_axis::Build(kAxisId));
    gear_motor_axis::SetMotor(kAxisId, kRatedRpm, kRatedTorque, kMaxTorque, 0);
    Compose();
    const std::string before = ReportFixture("leadscrew-motor-without-gear.report.txt");
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(document_.Text(), before);
}

// In German every label of a value row ends before the value's column, so
// that a blank separates label and value: a gear motor (its block and the
// ratio), a nip roll (the longest parameter names) and a profile.
TEST_F(ReportContentTest, GermanLabelsLeaveABlankBeforeTheValue)
{
    AddMechanism(MechanismType::NipRoll, {{0, 100}, {1, 80}, {2, 300}, {3, 7.85}, {4, 1},
                                          {5, 60}, {6, 40}, {7, 300}, {8, 7.85}});
    SetSegments({{0, 120, 0.5}, {120, 0, 0.5}});
    SetMotor({{0, 3000}, {1, 1}, {2, 2}, {3, 0.5}, {4, 0.5}, {7, 10}});
    gnLanguageOffset = 1000;
    Compose();
    gnLanguageOffset = 0;
    ASSERT_NE(document_.Text().find("    Berechnungen Getriebemotor :"), std::string::npos);
    int rows = 0;
    for (const std::string& line : lines_) {
        const std::u32string text = DecodeUtf8(line);
        if (text.size() <= 41 || text.compare(0, 10, std::u32string(10, U' ')) != 0)
            continue;
        ++rows;
        EXPECT_EQ(text[40], U' ') << line;
    }
    EXPECT_GT(rows, 40);
}

TEST_F(ReportContentTest, LeadscrewWithQuickSetupLoadAndWarning)
{
    ASSERT_TRUE(BuildLeadscrewAxis());
    Compose();

    const std::string screw = "    Mechanism No. 1 : Leadscrew";
    const int heading = Find(screw);
    ASSERT_GE(heading, 0) << document_.Text();
    // The warning: a blank line, the red text wrapped into two lines, one
    // more blank line.
    EXPECT_EQ(lines_[heading + 1], "");
    EXPECT_EQ(lines_[heading + 2].rfind("Warning : ", 0), 0u) << lines_[heading + 2];
    EXPECT_EQ(document_.lines[heading + 2].color, kRed);
    EXPECT_EQ(document_.lines[heading + 3].color, kRed);
    EXPECT_LE(lines_[heading + 2].size(), 80u);
    EXPECT_EQ(lines_[heading + 4], "");
    EXPECT_EQ(lines_[heading + 5], Columns({{10, "Manufacturer"}, {41, "-"}}));
    ExpectRow(screw, "Max. Travel Range", 200, "mm");
    // 200 mm/s at 0.1 rev/mm at the motor: 20 rev/s = 1200 rpm.
    ExpectRow(screw, "Max. Input Velocity", 1200, "rpm");

    // Cylinder: m = 7.85 x 9.81e-6 x V / g, J = m r^2 / 2.
    const double cylinder = CylinderInertia(PartMass(7.85, CylinderVolume(50, 100)), 50);
    ExpectRow("    Load Parameters :", "Load Inertia", cylinder * 1e4, "kgcm²");
    EXPECT_EQ(lines_[RowIndex("    Load Parameters :", "Type")], Columns({{10, "Type"}, {41, "Solid Cylinder"}}));

    const std::string setup = "    Quick Setup Data :";
    EXPECT_EQ(lines_[RowIndex(setup, "Mode")], Columns({{10, "Mode"}, {41, "Trapezoidal"}}));
    ExpectRow(setup, "Velocity", 200, "mm/s");
    ExpectRow(setup, "Total Time", 1.2, "s");
    ExpectRow(setup, "Distance", 200, "mm");
    ExpectRow(setup, "Accel. Time", 0.2, "s");
    ExpectRow(setup, "Decel. Time", 0.2, "s");
    ExpectRow(setup, "Dwell Time", 0.4, "s");
    EXPECT_LT(Find(setup), Find("    Velocity Profile :"));
}

// The runs of lines the pager keeps on one page: every heading with the
// first line after it that has text, each segment's block from its number
// to its power row, the profile's heading with the first segment, each
// section's rows, each wrapped paragraph; none begins or ends with a blank
// line.
TEST_F(ReportContentTest, RunsKeptTogether)
{
    ASSERT_TRUE(BuildLeadscrewAxis());
    SetMotor({{0, 3000}, {1, 1}, {2, 2}, {3, 0.5}, {4, 0.5}, {7, 3}});  // a gear motor
    Compose();
    const auto& runs = document_.keepTogether;
    auto kept = [&](int first, int last) {
        return std::any_of(runs.begin(), runs.end(), [&](const platform::ReportKeepTogether& run) {
            return static_cast<int>(run.first) <= first && last <= static_cast<int>(run.last);
        });
    };
    auto isRun = [&](int first, int last) {
        return std::any_of(runs.begin(), runs.end(), [&](const platform::ReportKeepTogether& run) {
            return static_cast<int>(run.first) == first && static_cast<int>(run.last) == last;
        });
    };
    for (const auto& run : runs) {
        ASSERT_LT(run.first, run.last);
        ASSERT_LT(run.last, lines_.size());
        EXPECT_FALSE(lines_[run.first].empty() || lines_[run.last].empty()) << run.first << "-" << run.last;
    }

    int headings = 0;
    for (int k = Find("    Selected Motor :"); k < static_cast<int>(lines_.size()); ++k) {
        if (!document_.lines[k].bold)
            continue;
        ++headings;
        int next = k + 1;
        while (next < static_cast<int>(lines_.size()) && lines_[next].empty())
            ++next;
        EXPECT_TRUE(kept(k, next)) << lines_[k];
    }
    EXPECT_GE(headings, 12);  // up to the profile's three segments

    const std::string sections[][2] = {{"    Gear Motor Calculations :", "          Ratio Load/Motor Inertia"},
                                       {"    Load Data at Gear Output :", "          Load Inertia"},
                                       {"    System Data (incl. Motor Inertia) :", "          Max. Power"},
                                       {"          Calculation Results :", "          Peak Torque"},
                                       {"    Load Parameters :", "          Load Inertia"},
                                       {"    Quick Setup Data :", "          Dwell Time"}};
    for (const auto& [heading, row] : sections) {
        const int first = Find(heading);
        const int last = RowIndex(heading, row.substr(10));
        ASSERT_GE(first, 0) << heading;
        ASSERT_GT(last, first) << row;
        EXPECT_TRUE(kept(first, last)) << heading;
    }
    const int profile = Find("    Velocity Profile :");
    for (int s = 1, from = profile; s <= 3; ++s) {
        const int segment = Find("          Segment No. " + std::to_string(s), from);
        ASSERT_GE(segment, 0) << s;
        from = RowIndex("          Segment No. " + std::to_string(s), "System Power");
        EXPECT_TRUE(isRun(segment, from)) << s;
        if (s == 1) {
            EXPECT_TRUE(isRun(profile, from));
        }
    }
    // The screw's warning (two lines) and the closing notice.
    const int warning = Find("    Mechanism No. 1 : Leadscrew") + 2;
    EXPECT_TRUE(isRun(warning, warning + 1));
    const int notice = static_cast<int>(lines_.size()) - 1;
    int noticeStart = notice;
    while (!lines_[noticeStart - 1].empty())
        --noticeStart;
    EXPECT_TRUE(isRun(noticeStart, notice));
}

TEST_F(ReportContentTest, QuickSetupShowsTheValuesItDerives)
{
    // Triangular, 120 rpm for 2 s and a dwell of 0.5 s, no distance given:
    // ramps of T / 2 = 1 s each, distance V x T / 2 = 2 rev/s x 2 s / 2 =
    // 2 rev.
    SubSetQuickSetupMode(kAxisId, QuickSetupMode::Triangular);
    for (const auto& [selector, value] : {std::pair<int16_t, double>{0, 120}, {1, 2}, {3, 0.5}})
        nFctSetQuickSetupParameterValue(kAxisId, selector, value);
    Compose();
    const std::string setup = "    Quick Setup Data :";
    ExpectRow(setup, "Velocity", 120, "rpm");
    ExpectRow(setup, "Total Time", 2, "s");
    ExpectRow(setup, "Distance", 2, "rev");
    ExpectRow(setup, "Dwell Time", 0.5, "s");

    // 120 rpm alone cannot be completed: the rows show what was entered.
    nFctSetQuickSetupParameterValue(kAxisId, 1, 0);
    Compose();
    ExpectRow(setup, "Velocity", 120, "rpm");
    ExpectRow(setup, "Total Time", 0, "s");
    ExpectRow(setup, "Distance", 0, "rev");
    ExpectRow(setup, "Dwell Time", 0.5, "s");
}

TEST_F(ReportContentTest, ValuesThatCannotBeComputedShowADash)
{
    // Segments but no mechanism: the calculation gives no segment torque;
    // the profile rows show "-" rather than leaving the line out.
    SetSegments({{0, 120, 0.5}, {120, 0, 0.5}});
    SetMotor({{0, 3000}, {1, 1}, {2, 2}, {3, 0.5}, {4, 0.5}});
    Compose();
    for (const char* segment : {"          Segment No. 1", "          Segment No. 2"}) {
        const int torque = RowIndex(segment, "System (Total) Torque");
        ASSERT_GE(torque, 0) << document_.Text();
        EXPECT_EQ(lines_[torque], Columns({{10, "System (Total) Torque"}, {41, "-"}, {51, "Nm"}}));
        EXPECT_EQ(lines_[RowIndex(segment, "System Current")],
                  Columns({{10, "System Current"}, {41, "-"}, {51, "A"}}));
    }
}

} // namespace
} // namespace sizing_test
