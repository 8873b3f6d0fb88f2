#include "AxisDataFixture.h"

#include "model/basAxisAccessors.h"

#include <cmath>
#include "model/basChangeDetection.h"
#include "model/basMechanismChain.h"

namespace model_test {
namespace {

class Accessors : public AxisModelTest {
protected:
    void SetUp() override
    {
        AxisModelTest::SetUp();
        AddLengthRows(MechanismType::Gearbox, 2);
        AddLengthRows(MechanismType::Leadscrew, 4);
        AddLengthRows(LoadType::WeightOnly, 2);
        AddLengthRows(MotorType::Motor, 3);
        AddLengthRows(ParamControlKey::ProfileSegment, 6);
        AddLengthRows(ParamControlKey::QuickSetup, 6);
        SubAddAxis(1);
        SubAppendMechanism(1, MechanismType::Gearbox);
        SubAppendMechanism(1, MechanismType::Leadscrew);
    }
};

TEST_F(Accessors, AbsentAxisGivesEmptyResultsAndChangesNothing)
{
    const int16_t absent = 5;
    MechRec mech;
    mech.Manufacturer = "kept";
    ParamRec param;
    param.Data = 3.0;
    EXPECT_EQ(sFctGetAxisTitle(absent), "");
    EXPECT_EQ(nFctGetMechanismCount(absent), 0);
    EXPECT_EQ(nFctGetMechanismType(absent, 0), -1);
    EXPECT_EQ(nFctGetLastMechanismType(absent), -1);
    EXPECT_EQ(nFctGetMechanism(absent, 0, mech), 0);
    EXPECT_EQ(nFctGetLoadType(absent), -1);
    EXPECT_EQ(nFctGetLoadParameterCount(absent), 0);
    EXPECT_EQ(nFctGetLoadParameter(absent, 0, param), 0);
    EXPECT_EQ(nFctGetSegmentCount(absent), 0);
    SubGetProfileSegmentParameter(absent, 0, 0, param);
    nFctGetQuickSetupParameter(absent, 0, param);
    EXPECT_EQ(mech.Manufacturer, "kept");
    EXPECT_EQ(param.Data, 3.0);
    EXPECT_EQ(nFctSetLoadType(absent, LoadType::WeightOnly), 0);

    SubSaveAxesSnapshot();
    SubSetAxisTitle(absent, "x");
    SubSetMotorManufacturer(absent, "x");
    SubSetMechanismParameterValue(absent, 0, 0, 1.0);
    SubClearAxisMotor(absent);
    EXPECT_EQ(nFctGetModifiedState(), 0);
}

TEST_F(Accessors, MechanismReadersAtTheEndsOfTheChain)
{
    EXPECT_EQ(nFctGetMechanismCount(1), 2);
    EXPECT_EQ(nFctGetMechanismType(1, 0), MechanismType::Gearbox);
    EXPECT_EQ(nFctGetMechanismType(1, 1), nFctGetLastMechanismType(1));
    EXPECT_EQ(nFctGetMechanismType(1, 2), -1);   // index = count
    EXPECT_EQ(nFctGetMechanismType(1, -1), -1);
    EXPECT_EQ(nFctGetMechanismType(1, -7), -1);

    MechRec out;
    EXPECT_EQ(nFctGetMechanism(1, 1, out), 4);
    EXPECT_EQ(out.Identifier, MechanismType::Leadscrew);
    out.Manufacturer = "unchanged";
    EXPECT_EQ(nFctGetMechanism(1, 2, out), 0);
    EXPECT_EQ(out.Manufacturer, "unchanged");

    SubAddAxis(2);
    EXPECT_EQ(nFctGetLastMechanismType(2), -1);  // empty chain
}

TEST_F(Accessors, LoadEntriesWithinTheirCount)
{
    ASSERT_EQ(nFctSetLoadType(1, LoadType::WeightOnly), -1);
    EXPECT_EQ(gAxis[0].LoadDefined, -1);
    EXPECT_EQ(nFctGetLoadParameterCount(1), 2);
    EXPECT_EQ(nFctSetLoadParameterValue(1, 1, 12.5), -1);
    ParamRec p;
    EXPECT_EQ(nFctGetLoadParameter(1, 1, p), -1);
    EXPECT_EQ(p.Data, 12.5);
    EXPECT_EQ(p.TextID, 101);

    p.Data = 77.0;
    EXPECT_EQ(nFctGetLoadParameter(1, 2, p), 0);  // index = count
    EXPECT_EQ(p.Data, 77.0);
    EXPECT_EQ(nFctSetLoadParameterValue(1, 2, 1.0), 0);
    EXPECT_EQ(gAxis[0].LoadData[2].Data, 0.0);

    ASSERT_EQ(nFctSetLoadType(1, LoadType::None), -1);
    EXPECT_EQ(gAxis[0].LoadDefined, 0);
    EXPECT_EQ(nFctGetLoadParameterCount(1), 0);
}

TEST_F(Accessors, QuickSetupSelectorDependsOnTheMode)
{
    nFctInitQuickSetup(1, -1);
    struct Case { int16_t mode, selector, slot; };
    const Case cases[] = {
        {QuickSetupMode::Triangular, 0, 0},  {QuickSetupMode::Triangular, 2, 2},
        {QuickSetupMode::Triangular, 3, 5},  {QuickSetupMode::Triangular, 4, -1},
        {QuickSetupMode::Triangular, -1, -1}, {QuickSetupMode::Trapezoidal, 3, 3},
        {QuickSetupMode::Trapezoidal, 5, 5}, {QuickSetupMode::Trapezoidal, 6, -1},
        {2, 0, -1},  // any other mode addresses nothing
    };
    for (const Case& c : cases) {
        for (auto& slot : gAxis[0].QuickSetupData) slot.Data = 0.0;
        SubSetQuickSetupMode(1, c.mode);
        const int16_t stored = nFctSetQuickSetupParameterValue(1, c.selector, 8.0);
        ParamRec read;
        read.Data = -1.0;
        nFctGetQuickSetupParameter(1, c.selector, read);
        for (int s = 0; s < 7; ++s)
            EXPECT_EQ(gAxis[0].QuickSetupData[s].Data, s == c.slot ? 8.0 : 0.0)
                << "mode " << c.mode << " selector " << c.selector << " slot " << s;
        EXPECT_EQ(stored, c.slot == -1 ? 0 : -1);
        EXPECT_EQ(read.Data, c.slot == -1 ? -1.0 : 8.0);
    }
}

// A whole entry is stored by the row it is shown in, like a value: in
// Triangular mode the fourth row is the dwell time, never the acceleration
// time.
TEST_F(Accessors, WholeQuickSetupEntryIsStoredBySelector)
{
    nFctInitQuickSetup(1, -1);
    struct Case { int16_t mode, selector, slot; };
    const Case cases[] = {
        {QuickSetupMode::Triangular, 3, 5},  {QuickSetupMode::Triangular, 1, 1},
        {QuickSetupMode::Triangular, 4, -1}, {QuickSetupMode::Trapezoidal, 3, 3},
        {QuickSetupMode::Trapezoidal, 4, 4}, {QuickSetupMode::Trapezoidal, 6, -1},
        {QuickSetupMode::Trapezoidal, -1, -1},
    };
    for (const Case& c : cases) {
        nFctInitQuickSetup(1, 0);
        SubSetQuickSetupMode(1, c.mode);
        ParamRec whole;
        whole.Data = 4.0;
        whole.UnitID = 78;
        whole.Factor = 0.001;
        whole.UnitText = "ms";
        SubSetQuickSetupParameter(1, c.selector, whole);
        for (int s = 0; s < 7; ++s) {
            const ParamRec& slot = gAxis[0].QuickSetupData[s];
            const bool written = s == c.slot;
            EXPECT_EQ(slot.UnitText == "ms", written)
                << "mode " << c.mode << " selector " << c.selector << " slot " << s;
            EXPECT_EQ(slot.Data, written ? 4.0 : 0.0);
            if (written) {
                EXPECT_EQ(slot.UnitID, 78);
                EXPECT_EQ(slot.Factor, 0.001);
            }
        }
    }
}

TEST_F(Accessors, SegmentParametersUseTheParameterIndexOrder)
{
    nFctInitProfileSegments(1);
    EXPECT_EQ(nFctGetSegmentCount(1), 10);
    EXPECT_EQ(nFctSetProfileSegmentValue(1, 9, SegmentParam::Duration, 2.0), -1);
    EXPECT_EQ(nFctSetProfileSegmentValue(1, 9, SegmentParam::Acceleration, 3.0), -1);
    EXPECT_EQ(gAxis[0].MotionSegments[9].Duration.Data, 2.0);
    EXPECT_EQ(gAxis[0].MotionSegments[9].Acceleration.Data, 3.0);
    EXPECT_EQ(nFctSetProfileSegmentValue(1, 10, 0, 1.0), 0);
    EXPECT_EQ(nFctSetProfileSegmentValue(1, 0, 6, 1.0), 0);

    ParamRec p;
    SubGetProfileSegmentParameter(1, 9, SegmentParam::Duration, p);
    EXPECT_EQ(p.Data, 2.0);
    EXPECT_EQ(p.TextID, 102);

    // Past the end: a blank entry with the units of segment 0.
    nFctSetProfileSegmentValue(1, 0, SegmentParam::LoadWeightApplied, 0.0);
    nFctSetProfileSegmentValue(1, 0, SegmentParam::Distance, 5.0);
    SubGetProfileSegmentParameter(1, 10, SegmentParam::LoadWeightApplied, p);
    EXPECT_EQ(p.Data, 1.0);
    EXPECT_EQ(p.TextID, 105);
    SubGetProfileSegmentParameter(1, 10, SegmentParam::Distance, p);
    EXPECT_EQ(p.Data, 0.0);
    EXPECT_EQ(p.UnitID, kRev);  // the distance of a new profile is rotary

    p.Data = 9.0;
    SubGetProfileSegmentParameter(1, 0, 6, p);  // no such parameter: unchanged
    EXPECT_EQ(p.Data, 9.0);

    SubAddAxis(2);  // no segments: a zero entry, 1.0 for the weight flag
    SubGetProfileSegmentParameter(2, 0, SegmentParam::LoadWeightApplied, p);
    EXPECT_EQ(p.Data, 1.0);
    EXPECT_EQ(p.TextID, 0);
}

TEST_F(Accessors, TextsAreTrimmedExceptTheTitle)
{
    SubSetAxisTitle(1, "  Feed axis ");
    EXPECT_EQ(sFctGetAxisTitle(1), "  Feed axis ");
    SubSetAxisTitle(1, " Feed\r\naxis\t");  // one line, its blanks kept
    EXPECT_EQ(sFctGetAxisTitle(1), " Feed axis ");
    SubSetMotorManufacturer(1, "  Acme  ");
    SubSetMotorProductKey(1, " K-1 ");
    SubSetMechanismManufacturer(1, 1, "  Screws Inc ");
    SubSetMechanismProductKey(1, 1, "   ");
    EXPECT_EQ(gAxis[0].MotorManufacturer, "Acme");
    EXPECT_EQ(gAxis[0].MotorProductKey, "K-1");
    EXPECT_EQ(gAxis[0].Mechanisms[1].Manufacturer, "Screws Inc");
    EXPECT_EQ(gAxis[0].Mechanisms[1].ProductKey, "");
}

TEST_F(Accessors, MechanismParameterValueReachesAnyOfTheThirteenEntries)
{
    SubSetMechanismParameterValue(1, 1, 12, 6.5);  // beyond DataNumber 4
    SubSetMechanismParameterValue(1, 2, 0, 1.0);   // no mechanism 2
    SubSetMechanismParameterValue(1, 1, 13, 1.0);  // no entry 13
    EXPECT_EQ(gAxis[0].Mechanisms[1].MechanismData[12].Data, 6.5);
    EXPECT_EQ(gAxis[0].Mechanisms[2].MechanismData[0].Data, 0.0);
}

TEST_F(Accessors, MotorStoredAlsoIntoTheBaselineIsNoChangeButClearingIs)
{
    SubSaveAxesSnapshot();
    MotorRec motor;
    SubInitMotorRecord(motor, MotorType::Motor);
    motor.Manufacturer = "Acme";
    motor.MotorData[2].Data = 4.0;
    ASSERT_EQ(nFctSetAxisMotor(1, motor, -1), -1);
    EXPECT_EQ(gAxis[0].MotorDefined, -1);
    EXPECT_EQ(gAxis[0].MotorDataNumber, 3);
    EXPECT_EQ(gAxis[0].MotorData[2].Data, 4.0);
    EXPECT_EQ(nFctGetModifiedState(), 0);

    EXPECT_EQ(nFctSetMotorParameter(1, 3, motor.MotorData[0]), 0);  // index = count
    SubSetMotorParameterValue(1, 0, 2.5);
    EXPECT_EQ(gAxis[0].MotorData[0].Data, 2.5);
    EXPECT_EQ(nFctGetModifiedState(), 1);

    SubSaveAxesSnapshot();
    SubClearAxisMotor(1);
    EXPECT_EQ(gAxis[0].MotorIdentifier, -1);
    EXPECT_EQ(gAxis[0].MotorDefined, 0);
    EXPECT_EQ(gAxis[0].MotorManufacturer, "");
    EXPECT_EQ(gAxis[0].MotorDataNumber, 0);
    EXPECT_EQ(nFctGetModifiedState(), 1);
}

TEST_F(Accessors, NonFiniteValuesNeverEnterTheModel)
{
    nFctSetLoadType(1, LoadType::WeightOnly);
    nFctSetLoadParameterValue(1, 0, 4.0);
    SubSetMechanismParameterValue(1, 0, 0, 4.0);
    nFctSetProfileSegmentValue(1, 0, SegmentParam::InitialVelocity, 4.0);
    nFctSetQuickSetupParameterValue(1, 0, 4.0);
    MotorRec motor;
    SubInitMotorRecord(motor, MotorType::Motor);
    motor.MotorData[0].Data = 4.0;
    nFctSetAxisMotor(1, motor, model::kFalse);
    SubSaveAxesSnapshot();

    for (const double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(nFctSetLoadParameterValue(1, 0, bad), 0);
        SubSetMechanismParameterValue(1, 0, 0, bad);
        EXPECT_EQ(nFctSetProfileSegmentValue(1, 0, SegmentParam::InitialVelocity, bad), 0);
        EXPECT_EQ(nFctSetQuickSetupParameterValue(1, 0, bad), 0);
        SubSetMotorParameterValue(1, 0, bad);
        ParamRec copy = gAxis[0].LoadData[0];
        copy.Data = bad;
        EXPECT_EQ(nFctSetLoadParameter(1, 0, copy), 0);
        copy = gAxis[0].MotorData[0];
        copy.Factor = bad;
        EXPECT_EQ(nFctSetMotorParameter(1, 0, copy), 0);
        // every entry keeps its old value: nothing changed
        EXPECT_EQ(nFctGetModifiedState(), 0);
    }
}

TEST_F(Accessors, BaselineHasMotorOnlyWhenItsRecordHoldsEntries)
{
    SubClearAxisMotor(1);
    SubSaveAxesSnapshot();
    EXPECT_EQ(bFctBaselineHasMotor(1), 0);  // cleared in the baseline too
    MotorRec motor;
    SubInitMotorRecord(motor, MotorType::Motor);
    nFctSetAxisMotor(1, motor, 0);
    EXPECT_EQ(bFctBaselineHasMotor(1), 0);  // only the axis has it
    SubSaveAxesSnapshot();
    EXPECT_EQ(bFctBaselineHasMotor(1), -1);
    SubClearAxisMotor(1);
    EXPECT_EQ(bFctBaselineHasMotor(1), -1);  // the baseline keeps its motor
    EXPECT_EQ(bFctBaselineHasMotor(99), 0);
}

} // namespace
} // namespace model_test
