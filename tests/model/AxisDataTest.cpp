#include "AxisDataFixture.h"

#include "model/basAxisAccessors.h"
#include "model/basChangeDetection.h"
#include "model/basMechanismChain.h"

namespace model_test {
namespace {

using AxisData = AxisModelTest;

TEST_F(AxisData, DeletedAxisLeavesFreeRecordAndReaddedAxisGoesToTheEnd)
{
    SubAddAxis(1);
    SubAddAxis(2);
    SubInvalidateAxis(1);
    SubAddAxis(1);

    EXPECT_EQ(nFctGetAxisUBound(), 3);
    EXPECT_EQ(gAxis.size(), 4u);              // three records and the spare
    EXPECT_EQ(gAxis[0].Number, -1);           // the free record stays in place
    EXPECT_EQ(nFctFindAxisIndex(1), 2);
    EXPECT_EQ(nFctFindAxisIndex(2), 1);
    EXPECT_EQ(nFctFindAxisIndex(-1), -1);     // a free record is never found
    EXPECT_EQ(nFctGetUsedAxisCount(), 2);

    std::vector<int16_t> ids;
    EXPECT_EQ(nFctGetAxisIdList(ids), 2);
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_EQ(ids[0], 2);
    EXPECT_EQ(ids[1], 1);
}

TEST_F(AxisData, MissingOrResetArrayHasNoAxis)
{
    gAxis.clear();  // before the first axis the array does not exist
    EXPECT_EQ(nFctGetAxisUBound(), 0);
    EXPECT_EQ(nFctFindAxisIndex(1), -1);
    EXPECT_EQ(nFctGetUsedAxisCount(), 0);
    SubAddAxis(1);
    EXPECT_EQ(gAxis.size(), 2u);
    EXPECT_EQ(nFctFindAxisIndex(1), 0);

    SubSaveAxesSnapshot();
    SubResetAllAxes();
    EXPECT_EQ(nFctGetAxisUBound(), 0);
    EXPECT_EQ(nFctFindAxisIndex(1), -1);
    EXPECT_EQ(gAxis.size(), 1u);
    EXPECT_EQ(gAxisSaved.size(), 1u);
    EXPECT_EQ(gAxis[0].Number, 0);  // a zero spare record
    std::vector<int16_t> ids{7, 7, 7};
    EXPECT_EQ(nFctGetAxisIdList(ids), 0);
}

TEST_F(AxisData, NewRecordHasTheValuesOfAnEmptyAxis)
{
    SubAddAxis(3);
    const AxisRec& a = gAxis[0];
    EXPECT_EQ(a.Number, 3);
    EXPECT_EQ(a.ParentAxis, -1);
    EXPECT_EQ(a.ChildAxis, -1);
    EXPECT_EQ(a.MotorIdentifier, -1);
    EXPECT_EQ(a.LoadIdentifier, -1);
    EXPECT_EQ(a.MotorDefined, 0);
    EXPECT_EQ(a.LoadDefined, 0);
    EXPECT_EQ(a.QuickSetupDefined, 0);
    EXPECT_EQ(a.NumberOfMechanisms, 0);
    EXPECT_EQ(a.Mechanisms.size(), 1u);
    EXPECT_EQ(a.MotionSegments.size(), 1u);
    EXPECT_EQ(gAxis[1].Number, 0);  // the new spare is zero
}

TEST_F(AxisData, MechanismBlockIsFilledFromTheControlRowsOfItsTypeInTheCurrentSystem)
{
    SetControlRows({
        ControlRow(MechanismType::Gearbox, 22, 90, kSecond, kSecond),
        ControlRow(MechanismType::Leadscrew, 3, 50, kIn, kMm, 0, 700),
        ControlRow(MechanismType::Gearbox, 22, 91, kSecond, kSecond),
        ControlRow(MechanismType::Leadscrew, 11, 51, kLb, kKg, 2, 701),
    });
    for (int16_t system : {0, 1}) {
        gnUnitSystem = system;
        MechRec m;
        m.MechanismData[5].Data = 42.0;  // beyond the count: kept
        m.Manufacturer = "old";
        SubInitMechRecord(m, MechanismType::Leadscrew);
        EXPECT_EQ(m.Identifier, MechanismType::Leadscrew);
        EXPECT_EQ(m.TextID, 10);
        EXPECT_EQ(m.Manufacturer, "");
        ASSERT_EQ(m.DataNumber, 2);
        EXPECT_EQ(m.MechanismData[0].TextID, 50);
        EXPECT_EQ(m.MechanismData[0].UnitType, 3);
        EXPECT_EQ(m.MechanismData[0].HelpID, 700);
        EXPECT_EQ(m.MechanismData[1].TextID, 51);
        EXPECT_EQ(m.MechanismData[1].Status, 2);
        EXPECT_EQ(m.MechanismData[5].Data, 42.0);
        if (system == 0) {
            EXPECT_EQ(m.MechanismData[0].UnitID, kIn);
            EXPECT_EQ(m.MechanismData[0].UnitText, "in");
            EXPECT_DOUBLE_EQ(m.MechanismData[0].Factor, 1.0);
            EXPECT_EQ(m.MechanismData[1].UnitID, kLb);
        } else {
            EXPECT_EQ(m.MechanismData[0].UnitID, kMm);
            EXPECT_EQ(m.MechanismData[0].UnitText, "mm");
            EXPECT_DOUBLE_EQ(m.MechanismData[0].Factor, 1.0 / 25.4);
            EXPECT_EQ(m.MechanismData[1].UnitID, kKg);
            EXPECT_DOUBLE_EQ(m.MechanismData[1].Factor, 2.2046226218);
        }
    }
}

TEST_F(AxisData, MoreControlRowsThanABlockHoldsStopAtItsCapacity)
{
    AddLengthRows(MechanismType::BeltPulley, 15);
    AddLengthRows(MotorType::AcServo, 12);
    AddLengthRows(LoadType::SolidCylinder, 7);
    AddLengthRows(ParamControlKey::QuickSetup, 9);
    SubAddAxis(1);

    MechRec m;
    SubInitMechRecord(m, MechanismType::BeltPulley);
    EXPECT_EQ(m.DataNumber, 13);
    EXPECT_EQ(m.MechanismData[12].TextID, 112);
    MotorRec motor;
    SubInitMotorRecord(motor, MotorType::AcServo);
    EXPECT_EQ(motor.DataNumber, 10);
    EXPECT_EQ(motor.TextID, 256);
    EXPECT_EQ(nFctSetLoadType(1, LoadType::SolidCylinder), -1);
    EXPECT_EQ(nFctGetLoadParameterCount(1), 5);
    nFctInitQuickSetup(1, -1);
    EXPECT_EQ(gAxis[0].QuickSetupData[6].TextID, 106);
}

TEST_F(AxisData, TypesWithoutRowsOrNoTypeGiveEmptyBlocks)
{
    AddLengthRows(MechanismType::Leadscrew, 2);
    MechRec m;
    SubInitMechRecord(m, MechanismType::Gearbox);  // no rows for it
    EXPECT_EQ(m.DataNumber, 0);
    EXPECT_EQ(m.TextID, 9);
    SubInitMechRecord(m, MechanismType::None);
    EXPECT_EQ(m.DataNumber, 0);
    EXPECT_EQ(m.TextID, 0);
    SubInitMechRecord(m, 53);  // an alternate leadscrew code from a file
    EXPECT_EQ(m.TextID, 10);
    SubInitMechRecord(m, 8);
    EXPECT_EQ(m.TextID, 0);
}

TEST_F(AxisData, MotorTypeTextIds)
{
    const std::pair<int16_t, int16_t> cases[] = {
        {-1, 254}, {10, 255}, {11, 256}, {15, 260}, {0, -1}, {9, -1}, {16, -1}};
    for (auto [type, id] : cases) EXPECT_EQ(nFctGetMotorTypeTextId(type), id) << type;
}

// An axis that uses every entry of every fixed block.
void FillAxisCompletely(int16_t axisId)
{
    SubAppendMechanism(axisId, MechanismType::BeltPulley);
    SubAppendMechanism(axisId, MechanismType::Leadscrew);
    AxisRec& a = gAxis[nFctFindAxisIndex(axisId)];
    a.Description = "Feed";
    for (int i = 0; i < 13; ++i) a.Mechanisms[0].MechanismData[i].Data = 1.5 + i;
    a.MotorIdentifier = MotorType::AcServo;
    a.MotorDataNumber = 10;
    for (int i = 0; i < 10; ++i) a.MotorData[i] = {10.0 + i, 12, 55, 0.113, 0, 30, "lb-in", 3};
    a.LoadIdentifier = LoadType::SolidCylinder;
    a.LoadDataNumber = 5;
    for (int i = 0; i < 5; ++i) a.LoadData[i] = {-2.0 - i, 11, kLb, 1.0, 0, 40, "lb", 4};
    nFctInitProfileSegments(axisId);
    nFctSetProfileSegmentValue(axisId, 9, SegmentParam::Distance, 7.25);
    a.QuickSetupDefined = -1;
    for (int i = 0; i < 7; ++i) a.QuickSetupData[i].Data = 0.5 * i;
    a.AxisResult[1].Value = 99.0;
}

TEST_F(AxisData, CopiesOfTheArrayCompareEqualWithFullBlocksAndCarryNoResults)
{
    AddLengthRows(MechanismType::BeltPulley, 13);
    AddLengthRows(ParamControlKey::ProfileSegment, 6);
    SubAddAxis(1);
    SubAddAxis(2);
    FillAxisCompletely(2);
    SubInvalidateAxis(1);

    std::vector<AxisRec> copy;
    SubCopyAllAxes(copy);
    ASSERT_EQ(copy.size(), gAxis.size());
    for (int16_t i = 0; i < nFctGetAxisUBound(); ++i) EXPECT_EQ(bFctAxisEqual(gAxis[i], copy[i]), -1) << i;
    const AxisRec& c = copy[1];
    EXPECT_EQ(c.Mechanisms[0].MechanismData[12].Data, 13.5);
    EXPECT_EQ(c.MotorData[9].Data, 19.0);
    EXPECT_EQ(c.LoadData[4].Data, -6.0);
    EXPECT_EQ(c.MotionSegments[9].Distance.Data, 7.25);
    EXPECT_EQ(c.QuickSetupData[6].Data, 3.0);  // the spare slot is copied too
    EXPECT_EQ(c.AxisResult[1].Value, 0.0);     // results are not copied
    EXPECT_EQ(c.Mechanisms.size(), 3u);        // chain with its spare
    EXPECT_EQ(c.MotionSegments.size(), 11u);

    SubSaveAxesSnapshot();
    EXPECT_EQ(gAxisSaved.size(), gAxis.size());
    EXPECT_EQ(bFctAxisEqual(gAxis[1], gAxisSaved[1]), -1);
}

TEST_F(AxisData, PutRecordKeepsEveryMotorAndLoadEntry)
{
    AddLengthRows(MechanismType::BeltPulley, 13);
    AddLengthRows(ParamControlKey::ProfileSegment, 6);
    SubAddAxis(4);
    FillAxisCompletely(4);
    AxisRec read;
    SubCopyAxisRecord(gAxis[0], read);

    SubResetAllAxes();
    SubAddAxis(1);
    read.Number = 1;
    SubPutAxisRecord(read, 0);
    EXPECT_EQ(bFctAxisEqual(gAxis[0], read), -1);
    EXPECT_EQ(gAxis[0].MotorData[9].Data, 19.0);
    EXPECT_EQ(gAxis[0].LoadData[4].Data, -6.0);

    SubPutAxisRecord(read, 1);  // the spare is not a record: ignored
    EXPECT_EQ(gAxis[1].Number, 0);
}

TEST_F(AxisData, ProfileInitialisationGivesTenEmptySegmentsInTheSelectedUnits)
{
    SetControlRows({
        ControlRow(30, 4, 300, 11, 11), ControlRow(30, 4, 301, 11, 11), ControlRow(30, 22, 302, kMs, kMs),
        ControlRow(30, 7, 303, 27, 27), ControlRow(30, 2, 304, kRev, kRev), ControlRow(30, 0, 305, 0, 0),
        ControlRow(30, 0, 306, 0, 0),  // a seventh row is not used
    });
    gnRotaryVelocityUnit = 1;  // rps
    gnTimeUnit = 0;            // s
    gnRotaryLengthUnit = 1;    // deg
    gnRotaryAccelerationUnit = -1;  // keeps the unit of the row
    SubAddAxis(1);
    SubSetMotionMode(1, MotionMode::Linear);
    nFctInitProfileSegments(1);

    const AxisRec& a = gAxis[0];
    EXPECT_EQ(a.MotionMode, 0);
    ASSERT_EQ(a.NumberOfMotionSegments, 10);
    EXPECT_EQ(a.MotionSegments.size(), 11u);
    for (int s = 0; s < 10; ++s) {
        const SegmentRec& seg = a.MotionSegments[s];
        EXPECT_EQ(seg.LoadWeightApplied.Data, 1.0);
        EXPECT_EQ(seg.LoadWeightApplied.TextID, 305);
        EXPECT_EQ(seg.InitialVelocity.UnitID, kRps);
        EXPECT_EQ(seg.FinalVelocity.TextID, 301);
        EXPECT_EQ(seg.Duration.UnitID, kSecond);  // row 2 fills Duration
        EXPECT_EQ(seg.Duration.TextID, 302);
        EXPECT_EQ(seg.Acceleration.TextID, 303);
        EXPECT_EQ(seg.Acceleration.UnitID, 27);
        EXPECT_EQ(seg.Distance.UnitID, kDeg);
        EXPECT_EQ(seg.Distance.UnitText, "deg");
        EXPECT_DOUBLE_EQ(seg.Distance.Factor, 1.0 / 360.0);
        EXPECT_EQ(seg.InitialVelocity.Data + seg.FinalVelocity.Data + seg.Duration.Data +
                      seg.Acceleration.Data + seg.Distance.Data, 0.0);
    }
}

TEST_F(AxisData, QuickSetupInitialisationSetsUnitsAndResetsTheModeOnlyWhenAsked)
{
    SetControlRows({ControlRow(40, 4, 400, 11, 11), ControlRow(40, 22, 401, kMs, kMs),
                    ControlRow(40, 1, 402, 1, 1), ControlRow(40, 22, 403, kMs, kMs),
                    ControlRow(40, 22, 404, kMs, kMs), ControlRow(40, 22, 405, kMs, kMs)});
    SubAddAxis(1);
    SubSetQuickSetupMode(1, QuickSetupMode::Trapezoidal);
    nFctInitQuickSetup(1, 0);
    const AxisRec& a = gAxis[0];
    EXPECT_EQ(a.QuickSetupMode, 1);
    EXPECT_EQ(a.QuickSetupDefined, -1);
    EXPECT_EQ(a.QuickSetupData[0].UnitID, kRpm);
    EXPECT_EQ(a.QuickSetupData[1].UnitID, kSecond);
    EXPECT_EQ(a.QuickSetupData[2].UnitID, kRev);
    EXPECT_EQ(a.QuickSetupData[5].UnitID, kSecond);
    EXPECT_EQ(a.QuickSetupData[5].TextID, 405);

    nFctInitQuickSetup(1, -1);
    EXPECT_EQ(a.QuickSetupMode, 0);
    nFctInitQuickSetup(9, -1);  // absent axis: nothing
}

} // namespace
} // namespace model_test
