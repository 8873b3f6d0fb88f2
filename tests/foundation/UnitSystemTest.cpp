#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UnitTablesFixture.h"
#include "foundation/basUnitSystem.h"

namespace {

// The parameter record shape SubConvertToSelectedUnit works on.
struct TestParam {
    double Data = 0.0;
    int16_t UnitType = 0;
    int16_t UnitID = 0;
    double Factor = 0.0;
    std::string UnitText;
};

// 1 lbf = 4.4482216152605 N, 1 in = 0.0254 m: 1 lbf·in = 0.112984829027617 N·m.
constexpr double kLbfInToNm = 4.4482216152605 * 0.0254;

class UnitSystemTest : public UnitTablesFixture {
protected:
    void SetUp() override
    {
        UnitTablesFixture::SetUp();
        SetUnits({
            Unit(1, 2, "NA", "rev", true, true),
            Unit(10, 5, "NA", "rev/s", false, true),
            Unit(11, 5, "NA", "rpm", true),
            Unit(7, 3, "M", "mm", true, true),
            Unit(8, 3, "EE", "in", true),
            Unit(41, 10, "M", "mm/rev", true),
            Unit(43, 10, "M", "rev/mm", false, true),
            Unit(45, 10, "EE", "in/rev", true),
            Unit(47, 10, "EE", "rev/in"),
            Unit(55, 12, "M", "N·m", true, true),
            Unit(56, 12, "EE", "lbf·in", true),
            Unit(57, 12, "EE", "lbf·ft"),
            Unit(90, 22, "NA", "s", true, true),
            Unit(91, 22, "NA", "ms"),
        });
        SetFactors({
            {11, 10, 1.0 / 60.0},
            {8, 7, 25.4},
            {41, 43, -1.0},
            {45, 47, -1.0},
            {41, 47, 0.0},
            {43, 45, 0.0},
            {47, 43, 1.0 / 25.4},
            {56, 55, kLbfInToNm},
            {57, 55, 12.0 * kLbfInToNm},
            {91, 90, 0.001},
        });
    }

    static TestParam Param(int16_t unitType, int16_t unitID, double data)
    {
        TestParam p;
        p.UnitType = unitType;
        p.UnitID = unitID;
        p.Data = data;
        return p;
    }
};

TEST_F(UnitSystemTest, ConversionFactorTakesTheFirstRowInEitherDirection)
{
    SetFactors({{5, 6, 2.0}, {7, 8, 0.0}, {20, 21, -1.0}, {30, 31, 4.0}, {31, 30, 10.0}});
    EXPECT_DOUBLE_EQ(dFctGetConversionFactor(5, 6), 2.0);
    EXPECT_DOUBLE_EQ(dFctGetConversionFactor(6, 5), 0.5);
    EXPECT_EQ(dFctGetConversionFactor(7, 8), 0.0);
    EXPECT_EQ(dFctGetConversionFactor(8, 7), 0.0);   // no usable factor either way
    EXPECT_EQ(dFctGetConversionFactor(20, 21), -1.0);
    EXPECT_EQ(dFctGetConversionFactor(21, 20), -1.0);
    EXPECT_EQ(dFctGetConversionFactor(5, 5), 1.0);   // no row: 1.0
    EXPECT_EQ(dFctGetConversionFactor(5, 99), 1.0);
    // The first row naming the pair wins, even reversed: 1 / 4.
    EXPECT_DOUBLE_EQ(dFctGetConversionFactor(31, 30), 0.25);
}

TEST_F(UnitSystemTest, PitchLeadRuleConvertsOnlyTheUnlinkedPairs)
{
    struct Case { int16_t from, to; double value, expected; };
    const Case cases[] = {
        {41, 47, 5.0, 5.08},                 // 5 mm/rev -> 25.4 / 5 rev/in
        {47, 41, 5.08, 5.0},
        {43, 45, 2.0, 1.0 / 50.8},           // 2 rev/mm -> 1 / (25.4 x 2) in/rev
        {45, 43, 1.0 / 50.8, 2.0},
        {41, 43, 5.0, 0.0},                  // any other pair
        {41, 47, 0.0, 0.0},                  // never divides by zero
        {43, 45, 0.0, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(dFctConvertPitchLead(c.from, c.to, c.value), c.expected, 1e-12)
            << c.from << " -> " << c.to << " of " << c.value;
}

TEST_F(UnitSystemTest, BasicUnitIsFixedForTheGenericTypes)
{
    SetUnits({Unit(3, 4, "NA", "x", false, true), Unit(52, 11, "EE", "lbf"),
              Unit(51, 11, "M", "N", false, true), Unit(53, 11, "EE", "ozf", false, true)});
    EXPECT_EQ(nFctGetBasicUnit(1), 1);
    EXPECT_EQ(nFctGetBasicUnit(4), 10);  // not the flagged unit 3
    EXPECT_EQ(nFctGetBasicUnit(7), 26);
    EXPECT_EQ(nFctGetBasicUnit(11), 51); // the first flagged row, whatever its system
    EXPECT_EQ(nFctGetBasicUnit(12), -1);
}

TEST_F(UnitSystemTest, FactorToBasicUnitLearnsAMissingType)
{
    int16_t type = -1;
    EXPECT_DOUBLE_EQ(dFctGetFactorToBasicUnit(type, 56), kLbfInToNm);
    EXPECT_EQ(type, 12);

    type = -1;
    EXPECT_EQ(dFctGetFactorToBasicUnit(type, 99), 1.0);
    EXPECT_EQ(type, -1);

    EXPECT_DOUBLE_EQ(dFctGetFactorToBasicUnit(12, 57), 12.0 * kLbfInToNm);
    EXPECT_DOUBLE_EQ(dFctGetFactorToBasicUnit(5, 11), 1.0 / 60.0);
}

TEST_F(UnitSystemTest, FindUnitByPositionOrDefault)
{
    SetUnits({Unit(60, 12, "EE", "a"), Unit(61, 12, "ee", "lower case"), Unit(62, 12, "EE", "b", true),
              Unit(63, 12, "M", "metric", true), Unit(64, 12, "EE", "c"), Unit(65, 13, "EE", "d")});
    int16_t position = -1;
    EXPECT_EQ(nFctFindUnit(12, position, "EE"), 62);
    EXPECT_EQ(position, 1);  // "ee" is not "EE"
    EXPECT_EQ(nFctFindUnit(12, 0, "EE"), 60);
    EXPECT_EQ(nFctFindUnit(12, 2, "EE"), 64);

    position = 3;
    EXPECT_EQ(nFctFindUnit(12, position, "EE"), -1);
    EXPECT_EQ(position, 3);
    position = -2;
    EXPECT_EQ(nFctFindUnit(12, position, "EE"), -1);
    EXPECT_EQ(position, -2);

    position = -1;
    EXPECT_EQ(nFctFindUnit(13, position, "EE"), -1);  // no Default
    EXPECT_EQ(position, -1);
    EXPECT_EQ(nFctFindUnit(14, position, "EE"), -1);  // no unit at all
    EXPECT_EQ(position, -1);
}

TEST_F(UnitSystemTest, UnitsOfTypeWidenTheGenericLengthAndVelocity)
{
    SetUnits({Unit(1, 1, "NA", "rev"), Unit(2, 2, "NA", "rev"), Unit(7, 3, "M", "mm"),
              Unit(10, 4, "NA", "rev/s"), Unit(11, 5, "NA", "rpm"), Unit(12, 6, "M", "mm/s"),
              Unit(26, 7, "NA", "rev/s²"), Unit(27, 8, "NA", "rpm/s"), Unit(8, 3, "EE", "in")});
    std::vector<int16_t> positions{42};
    EXPECT_EQ(nFctGetUnitsOfType(1, positions), 4);
    EXPECT_EQ(positions, (std::vector<int16_t>{0, 1, 2, 8}));
    EXPECT_EQ(nFctGetUnitsOfType(4, positions), 3);
    EXPECT_EQ(positions, (std::vector<int16_t>{3, 4, 5}));
    EXPECT_EQ(nFctGetUnitsOfType(7, positions), 1);
    EXPECT_EQ(positions, (std::vector<int16_t>{6}));
    EXPECT_EQ(nFctGetUnitsOfType(15, positions), 0);
    EXPECT_TRUE(positions.empty());
}

TEST_F(UnitSystemTest, SelectedPositionAndUnitSetting)
{
    gnEETorqueUnit = 3;
    gnMTorqueUnit = 4;
    gnRotaryVelocityUnit = 5;
    gnTimeUnit = 6;

    EXPECT_EQ(nFctGetSelectedUnitPos(12, 0), 3);
    EXPECT_EQ(nFctGetSelectedUnitPos(12, 1), 4);
    EXPECT_EQ(nFctGetSelectedUnitPos(12, 2), 4);   // any non-zero system is metric here
    EXPECT_EQ(nFctGetSelectedUnitPos(5, 0), 5);
    EXPECT_EQ(nFctGetSelectedUnitPos(5, 1), 5);
    EXPECT_EQ(nFctGetSelectedUnitPos(22, 0), -1);  // time converts to its Default
    EXPECT_EQ(nFctGetSelectedUnitPos(14, 0), -1);

    gnUnitSystem = 1;
    EXPECT_EQ(nFctGetUnitSetting(12), 4);
    gnUnitSystem = 2;                               // only 1 is metric here
    EXPECT_EQ(nFctGetUnitSetting(12), 3);
    EXPECT_EQ(nFctGetUnitSetting(22), 6);
    EXPECT_EQ(nFctGetUnitSetting(5), 5);
    EXPECT_EQ(nFctGetUnitSetting(1), 0);
}

TEST_F(UnitSystemTest, TextsKindsAndReciprocalPartners)
{
    EXPECT_EQ(sFctGetUnitText(11), "rpm");
    EXPECT_EQ(sFctGetUnitText(-1), "");
    EXPECT_EQ(sFctGetUnitText(99), "");

    EXPECT_EQ(bFctIsLinearUnit(8), -1);
    EXPECT_EQ(bFctIsLinearUnit(11), 0);
    EXPECT_EQ(bFctIsRotaryUnit(11), -1);
    EXPECT_EQ(bFctIsRotaryUnit(8), 0);
    EXPECT_EQ(bFctIsLinearUnit(99), 0);
    EXPECT_EQ(bFctIsRotaryUnit(99), 0);

    EXPECT_EQ(nFctGetPairedUnit(41), 43);
    EXPECT_EQ(nFctGetPairedUnit(43), 41);
    EXPECT_EQ(nFctGetPairedUnit(47), 45);
    EXPECT_EQ(nFctGetPairedUnit(55), -1);
    EXPECT_EQ(nFctGetPairedUnit(11), -1);  // a row with another factor is no pair
}

TEST(UnitMaps, FixedMapsBetweenUnitIds)
{
    struct Case { int16_t unit, pitchForLength, lengthOfPitch, mapped, accel; };
    const Case cases[] = {
        {6, 44, -1, 0, -1},   {7, 43, -1, 0, -1},   {8, 47, -1, 0, -1},   {9, 48, -1, 0, -1},
        {41, -1, 7, 0, -1},   {42, -1, 6, 0, -1},   {43, -1, 7, -1, -1},  {44, -1, 6, -1, -1},
        {45, -1, 8, 0, -1},   {46, -1, 9, 0, -1},   {47, -1, 8, -1, -1},  {48, -1, 9, -1, -1},
        {10, -1, -1, 0, 26},  {11, -1, -1, 0, 27},  {15, -1, -1, 0, 31},  {16, -1, -1, 0, -1},
        {17, -1, -1, 0, -1},  {18, -1, -1, 0, 33},  {21, -1, -1, 0, 36},  {25, -1, -1, 0, 40},
        {26, -1, -1, 0, -1},  {5, -1, -1, 0, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nFctGetPitchUnitForLengthUnit(c.unit), c.pitchForLength) << c.unit;
        EXPECT_EQ(nFctGetLengthUnitOfPitchUnit(c.unit), c.lengthOfPitch) << c.unit;
        EXPECT_EQ(bFctIsMappedPitchUnit(c.unit), c.mapped) << c.unit;
        EXPECT_EQ(nFctGetAccelUnitForVelocityUnit(c.unit), c.accel) << c.unit;
    }
}

class RecordingCombo : public UnitComboBox {
public:
    void Clear() override { items.clear(); selected = -1; ++clears; }
    void AddItem(const std::string& text) override { items.push_back(text); }
    void SelectItem(int16_t index) override { selected = index; }

    std::vector<std::string> items;
    int16_t selected = -1;
    int clears = 0;
};

TEST_F(UnitSystemTest, FillUnitComboSelectsTheLastDefaultWhenTheIndexIsUnusable)
{
    SetUnits({Unit(60, 12, "EE", "a", true), Unit(70, 11, "EE", "weight"), Unit(61, 12, "M", "metric"),
              Unit(62, 12, "EE", "b"), Unit(63, 12, "EE", "c", true)});
    struct Case { int16_t index, expectedIndex; };
    for (const Case c : {Case{5, 2}, Case{-1, 2}, Case{3, 2}, Case{-4, 2}, Case{1, 1}, Case{0, 0}}) {
        RecordingCombo combo;
        combo.items = {"stale"};
        int16_t index = c.index;
        EXPECT_EQ(nFctFillUnitCombo(combo, 12, "EE", index), -1);
        EXPECT_EQ(combo.items, (std::vector<std::string>{"a", "b", "c"}));
        EXPECT_EQ(index, c.expectedIndex) << "index " << c.index;
        EXPECT_EQ(combo.selected, c.expectedIndex) << "index " << c.index;
    }
}

TEST_F(UnitSystemTest, FillUnitComboWithoutUnitsOrDefault)
{
    RecordingCombo combo;
    int16_t index = 0;
    EXPECT_EQ(nFctFillUnitCombo(combo, 1, "NA", index), 0);  // type 1 is not widened
    EXPECT_EQ(index, -1);
    EXPECT_TRUE(combo.items.empty());
    EXPECT_EQ(combo.clears, 1);

    index = -1;
    EXPECT_EQ(nFctFillUnitCombo(combo, 12, "EE", index), -1);  // 56 is Default
    EXPECT_EQ(index, 0);

    SetUnits({Unit(60, 12, "EE", "a")});
    index = -1;
    EXPECT_EQ(nFctFillUnitCombo(combo, 12, "EE", index), -1);
    EXPECT_EQ(index, -1);
    EXPECT_EQ(combo.selected, -1);

    SetUnits({});
    index = 0;
    EXPECT_EQ(nFctFillUnitCombo(combo, 12, "EE", index), 0);
    EXPECT_EQ(index, -1);
}

TEST_F(UnitSystemTest, ConvertToSelectedRotaryUnitFindsItInBothSystems)
{
    gnRotaryVelocityUnit = 1;  // the second "NA" velocity unit: rpm
    for (int16_t system : {0, 1}) {
        TestParam p = Param(5, 10, 2.0);
        SubConvertToSelectedUnit(p, system);
        EXPECT_EQ(p.UnitID, 11);
        EXPECT_DOUBLE_EQ(p.Data, 120.0);        // 2 rev/s x 60
        EXPECT_DOUBLE_EQ(p.Factor, 1.0 / 60.0); // rpm to rev/s
        EXPECT_EQ(p.UnitText, "rpm");
    }
}

TEST_F(UnitSystemTest, ConvertToSelectedUnitTakesTheDefaultOnAMinusOnePosition)
{
    TestParam p = Param(12, 55, 1.0);
    SubConvertToSelectedUnit(p, 0);
    EXPECT_EQ(p.UnitID, 56);
    EXPECT_NEAR(p.Data, 8.850745791327185, 1e-12);  // 1 N·m / 0.11298482902762 N·m per lbf·in
    EXPECT_DOUBLE_EQ(p.Factor, kLbfInToNm);
    EXPECT_EQ(p.UnitText, "lbf·in");
    EXPECT_EQ(gnEETorqueUnit, -1);  // the selection is not written back

    gnMTorqueUnit = 0;
    SubConvertToSelectedUnit(p, 1);
    EXPECT_EQ(p.UnitID, 55);
    EXPECT_NEAR(p.Data, 1.0, 1e-12);
    EXPECT_EQ(p.Factor, 1.0);
}

TEST_F(UnitSystemTest, ConvertTimeTakesTheDefaultTimeUnitNotTheTimeSetting)
{
    gnTimeUnit = 1;  // ms
    TestParam p = Param(22, 91, 1500.0);
    SubConvertToSelectedUnit(p, 1);
    EXPECT_EQ(p.UnitID, 90);
    EXPECT_DOUBLE_EQ(p.Data, 1.5);
    EXPECT_EQ(p.UnitText, "s");
}

TEST_F(UnitSystemTest, ConvertReciprocalPitchUnitsTakesOneOverTheValue)
{
    gnMPitchLeadUnit = 1;  // rev/mm
    TestParam p = Param(10, 41, 5.0);  // 5 mm/rev
    SubConvertToSelectedUnit(p, 1);
    EXPECT_EQ(p.UnitID, 43);
    EXPECT_DOUBLE_EQ(p.Data, 0.2);      // 1 / 5 rev/mm, not -5
    EXPECT_EQ(p.Factor, 1.0);           // rev/mm is the basic pitch unit
    EXPECT_EQ(p.UnitText, "rev/mm");

    TestParam zero = Param(10, 41, 0.0);
    SubConvertToSelectedUnit(zero, 1);
    EXPECT_EQ(zero.Data, 0.0);
    EXPECT_EQ(zero.UnitID, 43);
}

TEST_F(UnitSystemTest, ConvertPitchWithoutFactorUsesThePitchLeadRule)
{
    gnEEPitchLeadUnit = 1;  // rev/in
    TestParam p = Param(10, 41, 5.0);  // 5 mm/rev
    SubConvertToSelectedUnit(p, 0);
    EXPECT_EQ(p.UnitID, 47);
    EXPECT_NEAR(p.Data, 5.08, 1e-12);   // 25.4 mm per inch / 5 mm per rev
    EXPECT_DOUBLE_EQ(p.Factor, 1.0 / 25.4);
}

TEST_F(UnitSystemTest, ConvertToAPositionOutOfRangeLeavesNoUnit)
{
    gnMTorqueUnit = 5;
    TestParam p = Param(12, 56, 3.0);
    p.Factor = 7.0;
    p.UnitText = "lbf·in";
    SubConvertToSelectedUnit(p, 1);
    EXPECT_EQ(p.UnitID, -1);
    EXPECT_EQ(p.Data, 3.0);
    EXPECT_EQ(p.Factor, 1.0);
    EXPECT_EQ(p.UnitText, "");
}

} // namespace
