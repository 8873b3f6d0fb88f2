// The texts of the two analysis windows over a whole axis built with the
// model's own operations: the motor requirements with their table of motor
// inertias for several Max. Inertia Factor Warnings, worked out by hand, and
// the axis analysis of a complete and an incomplete axis.
#include "design/frmAnalysis.h"
#include "design/frmMotorReq.h"
#include "foundation/basIniFileControl.h"
#include "tests/model/SizingTestSupport.h"
#include "tests/report/ReportFixtures.h"
#include "tests/support/GearMotorAxis.h"

#include <sstream>
#include <tuple>

namespace sizing_test {
namespace {

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

std::string Pad(const std::string& text, size_t width)
{
    return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

class AnalysisTextTest : public SizingTest {
protected:
    // The disk of 200 mm x 20 mm steel at 120 rpm in 0.5 s, 1 s steady,
    // 0.5 s to rest; a motor of 3000 rpm, 1 and 2 N.m, rotor 0.5 kg.cm^2.
    void BuildDiskAxis()
    {
        AddMechanism(MechanismType::Disk, {{0, 200}, {1, 20}, {3, 7.85}});
        SetSegments({{0, 120, 0.5}, {120, 120, 1}, {120, 0, 0.5}});
        SetMotor({{0, 3000}, {1, 1}, {2, 2}, {3, 0.5}});
    }
    // Disk 4.93396 kg: J = 0.5 m r^2 = 0.0246698 kg.m^2 = 246.698 kg.cm^2.
    const double disk_ = CylinderInertia(PartMass(7.85, CylinderVolume(200, 20)), 200);
};

TEST_F(AnalysisTextTest, MotorRequirementsTableForEachInertiaFactor)
{
    BuildDiskAxis();
    const double saved = gdMaxInertiaWarning;
    // Factor, and the divisors k of the table's rows.
    const std::pair<double, std::vector<int>> cases[] = {
        {6, {6, 5, 4, 3, 2, 1}}, {2.5, {2, 1}}, {3.5, {4, 3, 2, 1}}, {0, {}}, {-2, {}}};
    for (const auto& [factor, divisors] : cases) {
        SCOPED_TRACE(factor);
        gdMaxInertiaWarning = factor;
        std::string text;
        ASSERT_TRUE(nFctBuildMotorRequirementsText(kAxisId, text));
        const std::vector<std::string> lines = SplitLines(text);
        ASSERT_EQ(lines.size(), 5 + divisors.size() + 1) << lines.size();
        EXPECT_EQ(lines[0], Pad("Required Speed: ", 30) + "120 rpm or higher");
        // The range J / |w| ... J; no lower end without a factor, and no
        // rows for a factor of 0 or less.
        const std::string inertia = lines[1];
        ASSERT_EQ(inertia.substr(0, 30), Pad("Required Inertia: ", 30));
        const size_t dots = inertia.find("...");
        ASSERT_NE(dots, std::string::npos) << inertia;
        if (factor != 0)
            EXPECT_NEAR(std::stod(inertia.substr(30, dots - 30)), disk_ * 1e4 / std::fabs(factor), 0.01)
                << inertia;
        else
            EXPECT_EQ(inertia.substr(30, dots - 30), "-");
        EXPECT_EQ(inertia.substr(dots + 3), "246.7 kgcm²");
        EXPECT_EQ(lines[2], "");
        EXPECT_EQ(lines[3], Pad(Pad("Motor Inertia", 30) + "Required Cont. Torque", 60) + "Required Peak Torque");
        // "[kgcm²]" is seven characters, eight bytes.
        EXPECT_EQ(lines[4], "[kgcm²]" + std::string(23, ' ') + Pad("[Nm]", 30) + "[Nm]");
        for (size_t r = 0; r < divisors.size(); ++r) {
            // A motor of J / k: accelerating 2 pi (J + J / k) 4 rev/s^2 for
            // 0.5 s of 2, braking as much: RMS = peak / sqrt(2).
            const double motor = disk_ / divisors[r];
            const double peak = 2 * kPi * (disk_ + motor) * 4;
            const std::string& row = lines[5 + r];
            EXPECT_NEAR(std::stod(row.substr(0, 30)), motor * 1e4, motor * 1e4 * 1e-4) << row;
            EXPECT_EQ(row[29], ' ') << row;
            EXPECT_NE(row[30], ' ') << row;
            // Shown with four decimals.
            EXPECT_NEAR(std::stod(row.substr(30, 30)), peak / std::sqrt(2.0), 5e-5) << row;
            EXPECT_EQ(row[59], ' ') << row;
            EXPECT_NEAR(std::stod(row.substr(60)), peak, 5e-5) << row;
        }
        EXPECT_EQ(lines.back(), "");
    }
    gdMaxInertiaWarning = saved;
}

// The disk on a 4:1 gear motor: the disk turns at 120 rpm, the motor at
// 4 x 120 = 480 rpm; without a gear inertia the load inertia J and the motor
// inertias J / k stand at the gear's output, J / 16 = 15.419 kg.cm^2 at the
// motor's shaft; a motor of J / k needs 2 pi (J + J / k) 4 rev/s^2 at the
// output while it accelerates (RMS that / sqrt(2)); the motor gives a quarter
// of it.
TEST_F(AnalysisTextTest, MotorRequirementsOfAGearMotorNameTheirShafts)
{
    BuildDiskAxis();
    SetMotor({{0, 3000}, {1, 1}, {2, 2}, {3, 0.5}, {7, 4}});
    std::string text;
    ASSERT_TRUE(nFctBuildMotorRequirementsText(kAxisId, text));
    const std::vector<std::string> lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 7 + 6 + 1) << text;
    EXPECT_EQ(lines[0], Pad("Required Speed: ", 30) + "120 rpm or higher (gear output)");
    EXPECT_EQ(lines[1], Pad("Required Speed: ", 30) + "480 rpm or higher (motor shaft)");
    EXPECT_EQ(lines[2].substr(lines[2].find("...") + 3), "246.7 kgcm² (gear output)");
    EXPECT_EQ(lines[3].substr(lines[3].find("...") + 3), "15.419 kgcm² (motor shaft)");
    EXPECT_EQ(lines[5], Pad(Pad("Motor Inertia", 30) + "Required Cont. Torque", 60) + "Required Peak Torque");
    // "[kgcm²]" is one byte longer than it shows.
    EXPECT_EQ(lines[6], Pad("[kgcm²] (gear output)", 31) + Pad("[Nm] (motor shaft)", 30) + "[Nm] (motor shaft)");
    for (int k = 6; k >= 1; --k) {
        const double motor = disk_ / k;
        const double peak = 2 * kPi * (disk_ + motor) * 4 / 4;
        const std::string& row = lines[static_cast<size_t>(7 + 6 - k)];
        SCOPED_TRACE(row);
        EXPECT_NEAR(std::stod(row.substr(0, 30)), motor * 1e4, motor * 1e4 * 1e-4);
        EXPECT_NEAR(std::stod(row.substr(30, 30)), peak / std::sqrt(2.0), 5e-5);
        EXPECT_NEAR(std::stod(row.substr(60)), peak, 5e-5);
    }
}

// The range of motor inertia offered for a gear motor is the one the motor
// check passes. The leadscrew on the 3:1 gear motor with a gear inertia G of
// 0.2 kg.cm^2: the check judges the rotor and brake inertia against the load
// as the motor feels it with the gear's own inertia, J = L / 9 + G =
// 2.0517218 / 9 + 0.2 = 0.42796909 kg.cm^2, so the range is J / 6 ... J =
// 0.071328182 ... 0.42796909 kg.cm^2 at the motor's shaft, 9 x that =
// 0.64195363 ... 3.8517218 (L + 9 G) at the gear's output. A motor of R + B
// inside it passes: at J / 6 the ratio is 6, at J it is 1, the limits
// themselves (6 and 1) pass. The range once offered, L / 6 ... L at the gear's
// output (0.34195 ... 2.0517), held a motor of 0.05 kg.cm^2 (0.45 at the
// output) that the check rejects: 0.42796909 / 0.05 = 8.56, above 6.
TEST_F(AnalysisTextTest, AMotorInsideTheInertiaRangeOfAGearMotorPassesTheCheck)
{
    namespace gear_motor_axis = testing_support::gear_motor_axis;
    namespace Code = calc::MotorCheckCode;
    ASSERT_TRUE(gear_motor_axis::Build(kAxisId));
    std::string text;
    ASSERT_TRUE(nFctBuildMotorRequirementsText(kAxisId, text));
    const std::vector<std::string> lines = SplitLines(text);
    ASSERT_GE(lines.size(), 4u) << text;
    // The two ends of the range of line k, in kg.cm^2.
    auto range = [&](size_t k, const std::string& shaft) -> std::pair<double, double> {
        const std::string& line = lines[k];
        EXPECT_EQ(line.substr(0, 30), Pad("Required Inertia: ", 30)) << line;
        EXPECT_TRUE(line.ends_with(" kgcm²" + shaft)) << line;
        const size_t dots = line.find("...");
        return {std::stod(line.substr(30, dots - 30)), std::stod(line.substr(dots + 3))};
    };
    const auto [outputSmallest, outputLargest] = range(2, " (gear output)");
    EXPECT_NEAR(outputSmallest, 0.64195363, 0.64195363 * 5e-5);
    EXPECT_NEAR(outputLargest, 3.8517218, 3.8517218 * 5e-5);
    const auto [smallest, largest] = range(3, " (motor shaft)");
    EXPECT_NEAR(smallest, 0.071328182, 0.071328182 * 5e-5);
    EXPECT_NEAR(largest, 0.42796909, 0.42796909 * 5e-5);

    MotorRec motor;
    auto inertiaCode = [&](double rotorAndBrake) {
        SubSetMotorParameterValue(kAxisId, calc::MotorEntry::RotorInertia, rotorAndBrake);
        SubSetMotorParameterValue(kAxisId, calc::MotorEntry::BrakeInertia, 0);
        nFctGetMotorRecord(kAxisId, motor);
        return nFctCheckMotor(kAxisId, motor, calc::MotorCheckCategory::Inertia, model::kTrue);
    };
    const struct {
        double rotorAndBrake;
        int16_t code;
    } cases[] = {{smallest * 1.001, Code::Passed},           {std::sqrt(smallest * largest), Code::Passed},
                 {largest * 0.999, Code::Passed},            {smallest * 0.999, Code::InertiaRatioWarning},
                 {largest * 1.001, Code::InertiaRatioTooLow}, {0.05, Code::InertiaRatioWarning}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rotorAndBrake);
        EXPECT_EQ(inertiaCode(c.rotorAndBrake), c.code);
    }
}

// A motor without gear: the text it always gave, byte for byte.
TEST_F(AnalysisTextTest, MotorRequirementsOfAMotorWithoutGearAsBefore)
{
    namespace gear_motor_axis = testing_support::gear_motor_axis;
    ASSERT_TRUE(gear_motor_axis::Build(kAxisId));
    gear_motor_axis::SetMotor(kAxisId, gear_motor_axis::kRatedRpm, gear_motor_axis::kRatedTorque,
                              gear_motor_axis::kMaxTorque, 0);
    std::string text;
    ASSERT_TRUE(nFctBuildMotorRequirementsText(kAxisId, text));
    const std::string before = ReportFixture("leadscrew-motor-without-gear.requirements.txt");
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(text, before);
}

TEST_F(AnalysisTextTest, MotorRequirementsOfAnIncompleteAxisIsItsCompletenessText)
{
    std::string text;
    EXPECT_FALSE(nFctBuildMotorRequirementsText(kAxisId, text));
    EXPECT_EQ(text.rfind("Unable to accomplish calculations.", 0), 0u) << text;
    EXPECT_EQ(text.find("Required Speed"), std::string::npos);
}

TEST_F(AnalysisTextTest, AxisAnalysisOfACompleteAndAnIncompleteAxis)
{
    std::string text = sFctBuildAxisAnalysisText(kAxisId);
    EXPECT_EQ(text.rfind("Unable to accomplish calculations.", 0), 0u) << text;
    EXPECT_EQ(text.find("Motor Performance"), std::string::npos);

    // Complete: the completeness text, then the motor check; the load is
    // 493 times the rotor's inertia, more than the discard limit 10.
    BuildDiskAxis();
    text = sFctBuildAxisAnalysisText(kAxisId);
    EXPECT_EQ(text.rfind("The axis setup is correct.", 0), 0u) << text;
    const size_t performance = text.find("\r\n\r\nMotor Performance :\r\n\r\nWarning : \r\n");
    ASSERT_NE(performance, std::string::npos) << text;
    EXPECT_NE(text.find("10", performance), std::string::npos) << text;
}

// The count of warnings is that of the warnings listed, the motor check's
// included, in English and in German: the disk axis with a load whose
// dimensions are not given (one warning of the calculation) and a motor of
// 100 rpm rated 0.01 N.m for the 120 rpm and the RMS torque the disk needs,
// its rotor of 0.5 kg.cm^2 against 246.7 (three of the motor check).
TEST_F(AnalysisTextTest, TheAnalysisCountsEveryWarningItLists)
{
    BuildDiskAxis();
    SetMotor({{0, 100}, {1, 0.01}, {2, 2}, {3, 0.5}});
    SetLoad(LoadType::SolidCylinder, {});
    for (const auto& [language, count, warning] :
         {std::tuple{0, "There are 4 warning(s).", "Warning : "},
          std::tuple{1000, "Es wurden 4 Warnung(en) gefunden.", "Warnung : "}}) {
        SCOPED_TRACE(language);
        gnLanguageOffset = static_cast<int16_t>(language);
        const std::string text = sFctBuildAxisAnalysisText(kAxisId);
        const size_t counted = text.find(count);
        ASSERT_NE(counted, std::string::npos) << text;
        const size_t performance = text.find(sFctGetText(272));
        ASSERT_NE(performance, std::string::npos) << text;
        auto listed = [&](size_t from, size_t to) {
            int n = 0;
            for (size_t at = text.find(warning, from); at < to; at = text.find(warning, at + 1))
                ++n;
            return n;
        };
        EXPECT_EQ(listed(0, performance), 1) << text;
        EXPECT_EQ(listed(performance, text.size()), 3) << text;
        EXPECT_LT(counted, performance) << text;
    }
}

} // namespace
} // namespace sizing_test
