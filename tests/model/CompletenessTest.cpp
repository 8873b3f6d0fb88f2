// The completeness check: whether an axis can be calculated and the exact
// analysis text it gives.
#include "tests/model/SizingTestSupport.h"

namespace sizing_test {
namespace {

class CompletenessTest : public SizingTest {
protected:
    // A leadscrew of 10 mm/rev with every required entry given; screw length
    // in mm.
    void AddLeadscrew(double length = 1000)
    {
        AddMechanism(MechanismType::Leadscrew,
                     {{0, 20}, {1, length}, {2, 7.85}, {3, 10}, {4, 90}});
    }
    // One move of 1 s from rest to 60 rpm (0.5 rev).
    void AddMove() { SetSegments({{0, 60, 1}}); }

    std::string Check(int16_t expectedResult)
    {
        std::string text = "untouched";
        EXPECT_EQ(nFctBuildAxisCompletenessText(kAxisId, text), expectedResult);
        return text;
    }
    static std::string T(int16_t id) { return sFctGetText(id); }
};

TEST_F(CompletenessTest, NoMechanismAndNoProfile)
{
    EXPECT_EQ(Check(model::kFalse), T(165) + T(163) + T(164));
    std::string text = "kept";
    EXPECT_EQ(nFctBuildAxisCompletenessText(9, text), model::kFalse);
    EXPECT_EQ(text, "kept");
}

TEST_F(CompletenessTest, AQuickSetupThatWasNotTransferredIsNoProfile)
{
    AddLeadscrew();
    Axis().QuickSetupData[QuickSetupSlot::Velocity].Data = 120;
    Axis().QuickSetupData[QuickSetupSlot::TotalTime].Data = 2;
    std::vector<double> values;
    ASSERT_TRUE(nFctValidateQuickSetup(kAxisId, 0, values, model::kFalse));
    EXPECT_EQ(Check(model::kFalse), T(165) + T(164));

    nFctTransferQuickSetup(kAxisId, values, model::kTrue, model::kFalse);
    EXPECT_EQ(Check(model::kTrue).rfind(T(169), 0), 0u);
}

TEST_F(CompletenessTest, MissingParametersAreListedPerMechanism)
{
    AddMechanism(MechanismType::Gearbox, {{0, 90}});  // ratio missing
    AddMechanism(MechanismType::Leadscrew, {{0, 20}, {1, 1000}, {3, 10}, {4, 90}});  // density
    AddMove();
    EXPECT_EQ(Check(model::kFalse),
              T(168) + " " + T(167) + "1 - Gearbox\r\n" + "        " + T(206) + "\r\n" +
                  "\r\n" + T(168) + " " + T(167) + "2 - Leadscrew\r\n" + "        " + T(178) +
                  "\r\n" + "\r\nThere are 2 error(s).");
}

TEST_F(CompletenessTest, CorrectAxisEndsWithBothCountLines)
{
    AddLeadscrew();
    AddMove();
    EXPECT_EQ(Check(model::kTrue),
              T(169) + "\r\n\r\nThere are 0 error(s).\r\nThere are 0 warning(s).");
}

TEST_F(CompletenessTest, ChainWarningsAndIncompleteLoadAreCounted)
{
    // 9.6 rev of a 10 mm/rev screw travel 96 mm, 96 % of its 100 mm.
    AddLeadscrew(100);
    SetSegments({{0, 0, 1, 0, 9.6}});
    SetLoad(LoadType::WeightOnly, {0});
    // Each warning block ends in "\r\n\r" (its last line feed dropped).
    EXPECT_EQ(Check(model::kTrue), T(169) + "\r\n\r\nThere are 0 error(s).\r\n\r\n" + T(215) +
                                       T(167) + "1 - Leadscrew\r\n" + T(177) + "\r\n\r" +
                                       "\r\n" + T(215) + "Insufficient load parameters.\r\n\r" +
                                       "\r\nThere are 2 warning(s).");
    // Without chain warnings the load warning gets a line break of its own.
    Axis().Mechanisms[0].MechanismData[1].Data = 1000;
    EXPECT_EQ(Check(model::kTrue), T(169) + "\r\n\r\nThere are 0 error(s).\r\n" + "\r\n" + T(215) +
                                       "Insufficient load parameters.\r\n\r" +
                                       "\r\nThere are 1 warning(s).");
}

TEST_F(CompletenessTest, LinearAxisNeedsRevolutionsPerTravel)
{
    AddLeadscrew();
    UseLinearMotion();
    SetSegments({{0, 100, 1}});
    EXPECT_EQ(Check(model::kTrue).rfind(T(169), 0), 0u);

    // Without the pitch/lead the screw gives no revolutions per mm: listed
    // once as missing.
    SubSetMechanismParameterValue(kAxisId, 0, 3, 0);
    EXPECT_EQ(Check(model::kFalse), T(168) + " " + T(167) + "1 - Leadscrew\r\n        " + T(49) +
                                        "\r\n\r\nThere are 1 error(s).");
    // A negative pitch/lead is no travel either, though it is not 0.
    SubSetMechanismParameterValue(kAxisId, 0, 3, -10);
    EXPECT_EQ(Check(model::kFalse).rfind(T(168), 0), 0u);

    // A linear profile on a chain that no longer ends in a linear device.
    SubSetMechanismParameterValue(kAxisId, 0, 3, 10);
    nFctSetMechanismType(kAxisId, MechanismType::Gearbox, 0);
    SubSetMechanismParameterValue(kAxisId, 0, 0, 90);
    SubSetMechanismParameterValue(kAxisId, 0, 2, 5);
    EXPECT_EQ(Check(model::kFalse), T(165) + T(164));
}

TEST_F(CompletenessTest, LoadDataByType)
{
    struct Case {
        int16_t type;
        std::vector<double> values;
        int16_t complete;
    } cases[] = {
        {LoadType::None, {}, model::kTrue},
        {LoadType::WeightOnly, {5}, model::kTrue},
        {LoadType::WeightOnly, {-5}, model::kFalse},
        {LoadType::SolidCylinder, {100, 50, 7.85}, model::kTrue},
        {LoadType::SolidCylinder, {100, 0, 7.85}, model::kFalse},
        {LoadType::HollowCylinder, {100, -20, 50, 7.85}, model::kTrue},
        {LoadType::HollowCylinder, {100, 20, 50, 0}, model::kFalse},
        {LoadType::SolidRectangular, {10, 20, 30, 2.7}, model::kTrue},
        {LoadType::SolidRectangular, {10, 0, 30, 2.7}, model::kFalse},
        {LoadType::HollowRectangular, {10, 20, 30, 2.7}, model::kFalse},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        nFctSetLoadType(kAxisId, c.type);
        for (size_t k = 0; k < c.values.size(); ++k)
            Axis().LoadData[k].Data = c.values[k];
        EXPECT_EQ(bFctLoadDataComplete(kAxisId), c.complete);
    }
    EXPECT_EQ(bFctLoadDataComplete(9), model::kFalse);
}

TEST_F(CompletenessTest, RepeatWarningCountsPerChainPosition)
{
    AddMechanism(MechanismType::Disk, {});
    AddLeadscrew();
    SubAddCalcMessage(Axis(), 0, 172);
    SubAddCalcMessage(Axis(), 1, 176);
    SubAddCalcMessage(Axis(), 0, 173);
    EXPECT_EQ(sFctGetRepeatWarning(kAxisId, 0, 0), T(215) + T(172));
    EXPECT_EQ(sFctGetRepeatWarning(kAxisId, 0, 1), T(215) + T(173));
    EXPECT_EQ(sFctGetRepeatWarning(kAxisId, 0, 2), "");
    EXPECT_EQ(sFctGetRepeatWarning(kAxisId, 1, 0), T(215) + T(176));
    EXPECT_EQ(sFctGetRepeatWarning(9, 0, 0), "");
}

} // namespace
} // namespace sizing_test
