#include <gtest/gtest.h>

#include <string>

#include "ReferenceDbFixture.h"
#include "foundation/basParameterControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "platform/core/Database.h"

namespace {

// 1 lbf = 4.4482216152605 N, 1 in = 0.0254 m.
constexpr double kLbfInToNm = 4.4482216152605 * 0.0254;
// 1 lb = 453.59237 g, 1 in³ = 16.387064 cm³.
constexpr double kLbPerIn3ToGPerCm3 = 453.59237 / 16.387064;

// Rows inserted out of Index order; columns Index, MechID, UnitID (a unit
// type), Status, TextID, HelpID.
const char* const kParameterSetup = R"sql(
INSERT INTO ParameterSetup VALUES (5, 4, 12, 0, 500, 600);
INSERT INTO ParameterSetup VALUES (2, 4, 3, 1, 501, 601);
INSERT INTO ParameterSetup VALUES (7, 4, 16, 2, 502, 602);
INSERT INTO ParameterSetup VALUES (1, 30, 4, 0, 503, 603);
INSERT INTO ParameterSetup VALUES (3, 30, 7, 0, 504, 604);
INSERT INTO ParameterSetup VALUES (4, 30, 22, 3, 505, 605);
INSERT INTO ParameterSetup VALUES (0, 30, 1, 0, 506, 606);
INSERT INTO ParameterSetup VALUES (6, 10, 5, 0, 507, 607);
INSERT INTO ParameterSetup VALUES (8, 20, 14, 0, 508, 608);
INSERT INTO ParameterSetup VALUES (9, 4, 19, 0, 509, 609);
INSERT INTO ParameterSetup VALUES (10, 10, 17, 0, 510, 610);
)sql";

class ParameterControlTest : public ReferenceDbTest {
protected:
    void SetUp() override
    {
        ReferenceDbTest::SetUp();
        SetUnits({
            Unit(1, 2, "NA", "rev", true, true),    Unit(2, 2, "NA", "deg"),
            Unit(10, 5, "NA", "rev/s", false, true), Unit(11, 5, "NA", "rpm", true),
            Unit(26, 8, "NA", "rev/s²", false, true), Unit(27, 8, "NA", "rpm/s", true),
            Unit(7, 3, "M", "mm", true, true),     Unit(6, 3, "M", "m"),
            Unit(8, 3, "EE", "in", true),
            Unit(55, 12, "M", "N·m", true, true),  Unit(56, 12, "EE", "lbf·in"),
            Unit(57, 12, "EE", "lbf·ft", true),
            Unit(62, 14, "M", "g/cm³", true, true), Unit(63, 14, "EE", "lb/in³", true),
            Unit(74, 19, "NA", "%", true, true),
            Unit(90, 22, "NA", "s", true, true),   Unit(91, 22, "NA", "ms"),
            Unit(70, 17, "M", "N·m/A", true, true), Unit(71, 17, "EE", "lbf·in/A", true),
        });
        SetFactors({
            {11, 10, 1.0 / 60.0}, {27, 26, 1.0 / 60.0}, {2, 1, 1.0 / 360.0},
            {8, 7, 25.4}, {6, 7, 1000.0},
            {56, 55, kLbfInToNm}, {57, 55, 12.0 * kLbfInToNm},
            {63, 62, kLbPerIn3ToGPerCm3}, {91, 90, 0.001},
            {0, 55, 9.0},  // names unit 0: a row without a unit must not pick it up
        });
    }

    void OpenSetup(const std::string& rows)
    {
        SubCloseReferenceDatabase();
        WriteReference(rows);
        ASSERT_EQ(bFctOpenReferenceDatabase(), -1);
    }
};

struct ExpectedRow {
    int16_t mechId, unitType, status, textId, helpId;
    int16_t eeUnit, mUnit;
    const char* eeText;
    const char* mText;
    double eeFactor, mFactor;
};

void ExpectRow(const ParamControlRow& row, const ExpectedRow& e, size_t i)
{
    SCOPED_TRACE("row " + std::to_string(i) + ", unit type " + std::to_string(e.unitType));
    EXPECT_EQ(row.MechID, e.mechId);
    EXPECT_EQ(row.UnitID, e.unitType);
    EXPECT_EQ(row.Status, e.status);
    EXPECT_EQ(row.TextID, e.textId);
    EXPECT_EQ(row.HelpID, e.helpId);
    EXPECT_EQ(row.EEUnitID, e.eeUnit);
    EXPECT_EQ(row.MUnitID, e.mUnit);
    EXPECT_EQ(row.EEUnitText, e.eeText);
    EXPECT_EQ(row.MUnitText, e.mText);
    EXPECT_NEAR(row.EEFactor, e.eeFactor, 1e-12 * e.eeFactor);
    EXPECT_NEAR(row.MFactor, e.mFactor, 1e-12 * e.mFactor);
}

TEST_F(ParameterControlTest, RowsInIndexOrderWithUnitsOfBothSystems)
{
    gnTimeUnit = 1;  // time parameters are shown in ms
    OpenSetup(kParameterSetup);
    ASSERT_EQ(bFctCreateParameterControlTable(), -1);
    EXPECT_TRUE(Boxes().empty());

    const ExpectedRow expected[] = {
        // generic length: unit 1, factor to the basic rotary length
        {30, 1, 0, 506, 606, 1, 1, "rev", "rev", 1.0, 1.0},
        // generic velocity: rpm, 1/60 to rev/s
        {30, 4, 0, 503, 603, 11, 11, "rpm", "rpm", 1.0 / 60.0, 1.0 / 60.0},
        {4, 3, 1, 501, 601, 8, 7, "in", "mm", 25.4, 1.0},
        {30, 7, 0, 504, 604, 27, 27, "rpm/s", "rpm/s", 1.0 / 60.0, 1.0 / 60.0},
        {30, 22, 3, 505, 605, 91, 91, "ms", "ms", 0.001, 0.001},
        // the second EE torque unit is the Default: 12 lbf·in per lbf·ft
        {4, 12, 0, 500, 600, 57, 55, "lbf·ft", "N·m", 12.0 * kLbfInToNm, 1.0},
        {10, 5, 0, 507, 607, 11, 11, "rpm", "rpm", 1.0 / 60.0, 1.0 / 60.0},
        // no handling for type 16: no unit, a neutral factor
        {4, 16, 2, 502, 602, 0, 0, "", "", 1.0, 1.0},
        {20, 14, 0, 508, 608, 63, 62, "lb/in³", "g/cm³", kLbPerIn3ToGPerCm3, 1.0},
        {4, 19, 0, 509, 609, 74, 74, "%", "%", 1.0, 1.0},
        {10, 17, 0, 510, 610, 71, 70, "lbf·in/A", "N·m/A", 1.0, 1.0},
    };
    ASSERT_EQ(gnParamControlCount, 11);
    ASSERT_EQ(gParamControl.size(), 11u);
    for (size_t i = 0; i < gParamControl.size(); ++i)
        ExpectRow(gParamControl[i], expected[i], i);
}

TEST_F(ParameterControlTest, DefaultSelectionsBecomePositions)
{
    OpenSetup(kParameterSetup);
    ASSERT_EQ(bFctCreateParameterControlTable(), -1);
    EXPECT_EQ(gnEETorqueUnit, 1);
    EXPECT_EQ(gnMTorqueUnit, 0);
    EXPECT_EQ(gnEELinearLengthUnit, 0);
    EXPECT_EQ(gnMLinearLengthUnit, 0);
    EXPECT_EQ(gnRotaryVelocityUnit, 1);
    EXPECT_EQ(gnEEKtUnit, 0);
    EXPECT_EQ(gnMKtUnit, 0);
    // Resolved even though no parameter has these types.
    EXPECT_EQ(gnRotaryLengthUnit, 0);
    EXPECT_EQ(gnRotaryAccelerationUnit, 1);
    // Left alone: no parameter and no unit of these types.
    EXPECT_EQ(gnEEWeightUnit, -1);
    EXPECT_EQ(gnMPitchLeadUnit, -1);
}

TEST_F(ParameterControlTest, RebuildTakesTheNewSelection)
{
    OpenSetup(kParameterSetup);
    ASSERT_EQ(bFctCreateParameterControlTable(), -1);
    gnMLinearLengthUnit = 1;  // m
    gnEETorqueUnit = 0;       // lbf·in
    ASSERT_EQ(bFctCreateParameterControlTable(), -1);
    ASSERT_EQ(gnParamControlCount, 11);

    const ParamControlRow& length = gParamControl[2];
    EXPECT_EQ(length.MUnitID, 6);
    EXPECT_EQ(length.MUnitText, "m");
    EXPECT_DOUBLE_EQ(length.MFactor, 1000.0);

    const ParamControlRow& torque = gParamControl[5];
    EXPECT_EQ(torque.EEUnitID, 56);
    EXPECT_EQ(torque.EEUnitText, "lbf·in");
    EXPECT_NEAR(torque.EEFactor, kLbfInToNm, 1e-12);
    EXPECT_EQ(torque.MUnitID, 55);
    EXPECT_EQ(gnEETorqueUnit, 0);
}

// A selection past the units of its type and system (an edited settings
// file) takes the Default unit, as the units dialog shows it, and its
// position; none leaves a parameter without a unit.
TEST_F(ParameterControlTest, SelectionsPastTheUnitListTakeTheDefault)
{
    OpenSetup(kParameterSetup);
    gnEETorqueUnit = 2;         // two EE torque units: positions 0 and 1
    gnMLinearLengthUnit = 300;  // mm and m
    gnRotaryVelocityUnit = 2;   // rev/s and rpm
    gnEEKtUnit = 1;             // one EE torque constant unit
    ASSERT_EQ(bFctCreateParameterControlTable(), -1);

    const ParamControlRow& torque = gParamControl[5];
    EXPECT_EQ(torque.EEUnitID, 57);
    EXPECT_EQ(torque.EEUnitText, "lbf·ft");
    EXPECT_NEAR(torque.EEFactor, 12.0 * kLbfInToNm, 1e-12);
    EXPECT_EQ(gParamControl[2].MUnitID, 7);   // mm
    EXPECT_EQ(gParamControl[6].EEUnitID, 11);  // rpm
    EXPECT_EQ(gParamControl[10].EEUnitID, 71);
    EXPECT_EQ(gnEETorqueUnit, 1);
    EXPECT_EQ(gnMLinearLengthUnit, 0);
    EXPECT_EQ(gnRotaryVelocityUnit, 1);
    EXPECT_EQ(gnEEKtUnit, 0);
}

TEST_F(ParameterControlTest, FailedRebuildKeepsThePreviousTable)
{
    OpenSetup(kParameterSetup);
    ASSERT_EQ(bFctCreateParameterControlTable(), -1);
    const std::vector<ParamControlRow> before = gParamControl;

    OpenSetup(std::string(kParameterSetup) + "INSERT INTO ParameterSetup VALUES (11, 4, 12, 0, NULL, 611);");
    EXPECT_EQ(bFctCreateParameterControlTable(), 0);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, sFctGetText(14) + " - 1003");
    EXPECT_EQ(Boxes()[0].body.rfind(std::to_string(platform::kDbInvalidUseOfNull) + " - ", 0), 0u);
    EXPECT_NE(Boxes()[0].body.find("Unable to create parameter control table."), std::string::npos);

    EXPECT_EQ(gnParamControlCount, 11);
    ASSERT_EQ(gParamControl.size(), before.size());
    EXPECT_EQ(gParamControl[5].EEUnitID, before[5].EEUnitID);
    EXPECT_EQ(gParamControl[10].TextID, before[10].TextID);
}

TEST_F(ParameterControlTest, FailedFirstBuildLeavesNoTable)
{
    gParamControl.clear();
    gnParamControlCount = 0;
    SubCloseReferenceDatabase();
    WriteReference("", "CREATE TABLE UnitList (ID INTEGER);");
    ASSERT_EQ(bFctOpenReferenceDatabase(), -1);
    EXPECT_EQ(bFctCreateParameterControlTable(), 0);  // no ParameterSetup table
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(gnParamControlCount, 0);
    EXPECT_TRUE(gParamControl.empty());
}

TEST_F(ParameterControlTest, EmptyParameterSetupIsNoError)
{
    OpenSetup("");
    EXPECT_EQ(bFctCreateParameterControlTable(), -1);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(gnParamControlCount, 0);
    EXPECT_TRUE(gParamControl.empty());
}

} // namespace
