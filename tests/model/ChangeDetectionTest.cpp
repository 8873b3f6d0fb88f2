#include "AxisDataFixture.h"

#include "model/basAxisAccessors.h"
#include "model/basChangeDetection.h"
#include "model/basMechanismChain.h"

namespace model_test {
namespace {

class ChangeDetection : public AxisModelTest {
protected:
    void SetUp() override
    {
        AxisModelTest::SetUp();
        AddLengthRows(MechanismType::Leadscrew, 4);
        AddLengthRows(ParamControlKey::ProfileSegment, 6);
        AddLengthRows(ParamControlKey::QuickSetup, 7);
        SubAddAxis(1);
        SubAppendMechanism(1, MechanismType::Leadscrew);
        nFctInitProfileSegments(1);
        nFctInitQuickSetup(1, -1);
        SubSaveAxesSnapshot();
    }
};

TEST_F(ChangeDetection, RelativeToleranceOnBothSidesOfTheBaseline)
{
    struct Case { double baseline, value; bool equal; };
    const Case cases[] = {
        {100, 100.0005, true},  {100, 99.9995, true},     // 5 parts in a million
        {100, 100.002, false},  {100, 99.998, false},     // 20 parts in a million
        {-100, -100.0005, true}, {-100, -99.9995, true},
        {-100, -100.002, false}, {-100, -99.998, false},
        {100, 100.001, true},    {-100, -100.001, true},  // both ends included
        {0, 0, true},            {0, 0.0000001, false},   {0.0000001, 0, false},
        {5, -5, false},          {-5, 5, false},
    };
    for (const Case& c : cases) {
        ParamRec a, b;
        a.Data = c.value;
        b.Data = c.baseline;
        EXPECT_EQ(bFctParamRecEqual(a, b), c.equal ? -1 : 0) << c.value << " vs " << c.baseline;
    }
}

TEST_F(ChangeDetection, WhichParameterFieldsCount)
{
    ParamRec b{2.0, 3, kIn, 1.0, 0, 100, "in", 7};
    auto changed = [&](auto edit) {
        ParamRec a = b;
        edit(a);
        return bFctParamRecEqual(a, b) == 0;
    };
    EXPECT_FALSE(changed([](ParamRec& a) { a.UnitText = "inch"; }));
    EXPECT_FALSE(changed([](ParamRec& a) { a.HelpID = 8; }));
    EXPECT_TRUE(changed([](ParamRec& a) { a.Factor = 1.0 + 1e-15; }));
    EXPECT_TRUE(changed([](ParamRec& a) { a.UnitType = 2; }));
    EXPECT_TRUE(changed([](ParamRec& a) { a.UnitID = kMm; }));
    EXPECT_TRUE(changed([](ParamRec& a) { a.Status = 1; }));
    EXPECT_TRUE(changed([](ParamRec& a) { a.TextID = 101; }));
}

TEST_F(ChangeDetection, ThreeStatesAndTheWindowStatusFlag)
{
    EXPECT_EQ(nFctGetModifiedState(), 0);
    SubSetWindowStatus(1, WindowKind::AxisDesign, WindowState::Normal, 0);
    EXPECT_EQ(nFctGetModifiedState(), 2);
    SubSetAxisTitle(1, "x");
    EXPECT_EQ(nFctGetModifiedState(), 1);
    SubClearWindowStatus();
    EXPECT_EQ(nFctGetModifiedState(), 1);

    SubResetAllAxes();  // no axes: 0 whatever the flag says
    SubSetWindowStatus(1, WindowKind::AxisDesign, WindowState::Minimised, 0);
    EXPECT_EQ(nFctGetModifiedState(), 0);
}

TEST_F(ChangeDetection, EditsThatCountAndEditsThatDoNot)
{
    struct Case { const char* what; void (*edit)(); bool counts; };
    const Case cases[] = {
        {"title in another letter case", [] { gAxis[0].Description = "X"; gAxisSaved[0].Description = "x"; }, true},
        {"mechanism value", [] { SubSetMechanismParameterValue(1, 0, 2, 3.0); }, true},
        {"mechanism value beyond DataNumber", [] { SubSetMechanismParameterValue(1, 0, 9, 3.0); }, false},
        {"segment value", [] { nFctSetProfileSegmentValue(1, 4, SegmentParam::Distance, 1.0); }, true},
        {"spare segment", [] { gAxis[0].MotionSegments[10].Distance.Data = 1.0; }, false},
        {"motion mode", [] { SubSetMotionMode(1, MotionMode::Linear); }, true},
        {"quick-setup slot 5", [] { gAxis[0].QuickSetupData[5].Data = 1.0; }, true},
        {"quick-setup slot 6", [] { gAxis[0].QuickSetupData[6].Data = 1.0; }, false},
        {"quick-setup mode", [] { SubSetQuickSetupMode(1, QuickSetupMode::Trapezoidal); }, true},
        {"result cell", [] { gAxis[0].AxisResult[2].Value = 4.0; }, false},
        {"calculation message", [] { gAxis[0].NumberOfMessages = 1; gAxis[0].CalcMessages.resize(2); }, false},
        {"parent axis", [] { gAxis[0].ParentAxis = 2; }, true},
        {"load type", [] { gAxis[0].LoadIdentifier = LoadType::WeightOnly; }, true},
        {"motor product key", [] { SubSetMotorProductKey(1, "K"); }, true},
        {"load entry",
         [] {
             for (AxisRec* axis : {&gAxis[0], &gAxisSaved[0]})
                 axis->LoadDataNumber = 2;
             nFctSetLoadParameterValue(1, 1, 5.0);
         }, true},
        {"load entry beyond LoadDataNumber", [] { gAxis[0].LoadData[3].Data = 5.0; }, false},
        {"segment's load flag",
         [] {
             const double flag = gAxis[0].MotionSegments[2].LoadWeightApplied.Data;
             nFctSetProfileSegmentValue(1, 2, SegmentParam::LoadWeightApplied, flag == 1.0 ? 0.0 : 1.0);
         }, true},
        {"mechanism manufacturer", [] { SubSetMechanismManufacturer(1, 0, "Maker"); }, true},
        {"mechanism product key", [] { SubSetMechanismProductKey(1, 0, "K-1"); }, true},
        {"edit undone within the tolerance",
         [] {
             gAxisSaved[0].Mechanisms[0].MechanismData[1].Data = 100.0;
             gAxis[0].Mechanisms[0].MechanismData[1].Data = 100.0005;
         }, false},
        {"deleted axis", [] { SubInvalidateAxis(1); }, true},
        {"added axis", [] { SubAddAxis(2); }, true},
    };
    for (const Case& c : cases) {
        SetUp();
        c.edit();
        EXPECT_EQ(nFctGetModifiedState(), c.counts ? 1 : 0) << c.what;
    }
}

TEST_F(ChangeDetection, FreeRecordsAreComparedLikeOthers)
{
    SubAddAxis(2);
    SubInvalidateAxis(1);
    SubSaveAxesSnapshot();
    EXPECT_EQ(nFctGetModifiedState(), 0);
    gAxis[0].Description = "changed while free";
    EXPECT_EQ(nFctGetModifiedState(), 1);
}

TEST_F(ChangeDetection, GearboxAndEmptyProfilePredicates)
{
    AxisRec& a = gAxis[0];
    EXPECT_EQ(bFctRecHasGearbox(a), 0);
    SubInsertMechanism(1, MechanismType::Gearbox, 0);
    EXPECT_EQ(bFctRecHasGearbox(a), -1);
    a.Mechanisms[2].Identifier = MechanismType::Gearbox;  // the spare does not count
    SubDeleteMechanism(1, 0);
    EXPECT_EQ(bFctRecHasGearbox(a), 0);

    EXPECT_EQ(bFctRecProfileEmpty(a), -1);  // flags of 1.0 alone leave it empty
    nFctSetProfileSegmentValue(1, 9, SegmentParam::Acceleration, -2.0);
    EXPECT_EQ(bFctProfileSegmentEmpty(a, 9), 0);
    EXPECT_EQ(bFctProfileSegmentEmpty(a, 8), -1);
    EXPECT_EQ(bFctRecProfileEmpty(a), 0);
    a.NumberOfMotionSegments = 0;
    EXPECT_EQ(bFctRecProfileEmpty(a), -1);
}

} // namespace
} // namespace model_test
