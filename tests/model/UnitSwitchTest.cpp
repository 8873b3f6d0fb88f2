// The switch of every axis to the units of the other unit system, and the
// small queries on an axis.
#include "tests/model/SizingTestSupport.h"

#include "model/basChangeDetection.h"
#include "model/basValueConversion.h"

namespace sizing_test {
namespace {

class UnitSwitchTest : public SizingTest {
protected:
    // A linear leadscrew axis with a load, a motor and a profile from a
    // quick setup: leadscrew 20 mm x 1000 mm steel, 10 mm/rev, 90 %,
    // friction 0.1; 490.335 N; 200 mm/s, ramps 0.2 s of 1.2 s, dwell 0.4 s.
    void BuildLinearAxis()
    {
        AddMechanism(MechanismType::Leadscrew,
                     {{0, 20}, {1, 1000}, {2, 7.85}, {3, 10}, {4, 90}, {5, 0.1}, {11, 1500}});
        SetLoad(LoadType::WeightOnly, {50 * kG});
        UseLinearMotion();
        ASSERT_TRUE(SubmitQuickSetup(QuickSetupMode::Trapezoidal, {200, 1.2, 0, 0.2, 0.2, 0.4}));
        SetMotor({{0, 3000}, {1, 0.5}, {2, 1.5}, {3, 0.5}, {4, 0.1}, {5, 20}, {7, 1}});
    }
    // The shell's switch: the new system, its control table, every axis.
    void SwitchTo(int16_t system)
    {
        UseUnitSystem(system);
        SubConvertAllAxesToSelectedUnits();
    }
    const ParamRec& Screw(int entry) { return Axis().Mechanisms[0].MechanismData[static_cast<size_t>(entry)]; }
};

TEST_F(UnitSwitchTest, BothSystemsGiveTheSameRequirementsInTheirOwnUnits)
{
    BuildLinearAxis();
    nFctGetMotorRequirements(kAxisId, model::kTrue);
    const AxisRec metric = Axis();
    ASSERT_GT(metric.SystemRmsTorque.Value, 0.1);  // 0.123994 N.m (see the whole-axis test)
    EXPECT_EQ(metric.SystemRmsTorque.UnitID, Unit::NewtonMetre);

    SwitchTo(0);
    // The entries now stand in English-engineering units.
    EXPECT_EQ(Screw(0).UnitID, Unit::Inch);
    EXPECT_CLOSE(Screw(0).Data, 20 / 25.4);
    EXPECT_EQ(Screw(3).UnitID, Unit::RevPerIn);
    EXPECT_CLOSE(Screw(3).Data, 2.54);  // 10 mm/rev = 25.4 / 10 rev/in
    EXPECT_EQ(Axis().LoadData[0].UnitID, Unit::PoundForce);
    EXPECT_EQ(Axis().QuickSetupData[QuickSetupSlot::Velocity].UnitID, Unit::InPerS);
    EXPECT_EQ(Axis().QuickSetupData[QuickSetupSlot::Velocity].UnitType, 4);
    EXPECT_EQ(Axis().QuickSetupData[QuickSetupSlot::Distance].UnitID, Unit::Inch);
    EXPECT_EQ(Axis().QuickSetupData[QuickSetupSlot::TotalTime].UnitID, Unit::Second);
    const SegmentRec& s = Axis().MotionSegments[0];
    EXPECT_EQ(s.FinalVelocity.UnitID, Unit::InPerS);
    EXPECT_CLOSE(s.FinalVelocity.Data, 200 / 25.4);
    EXPECT_EQ(s.Acceleration.UnitID, Unit::InPerS2);
    EXPECT_EQ(s.Acceleration.UnitType, 7);
    EXPECT_EQ(s.Distance.UnitType, 1);
    EXPECT_EQ(Axis().MotorData[1].UnitID, Unit::PoundInch);

    // The same motion: the same requirements, the torques in lbf.in.
    nFctGetMotorRequirements(kAxisId, model::kTrue);
    const AxisRec& english = Axis();
    EXPECT_EQ(english.SystemRmsTorque.UnitID, Unit::PoundInch);
    EXPECT_NEAR(english.SystemRmsTorque.Value, metric.SystemRmsTorque.Value / kPoundInchInNm,
                1e-9 * english.SystemRmsTorque.Value);
    EXPECT_NEAR(english.SystemPeakTorque.Value, metric.SystemPeakTorque.Value / kPoundInchInNm,
                1e-9 * english.SystemPeakTorque.Value);
    EXPECT_NEAR(english.SystemMaxVelocity.Value, metric.SystemMaxVelocity.Value, 1e-9 * 20);
    EXPECT_NEAR(english.AxisResult[1].Value, metric.AxisResult[1].Value, 1e-9 * metric.AxisResult[1].Value);
}

TEST_F(UnitSwitchTest, ThereAndBackLeavesEveryValueWithinTheTolerance)
{
    BuildLinearAxis();
    SubAddAxis(2);  // a rotary axis beside it, and a free record
    nFctInitProfileSegments(2);
    SubAppendMechanism(2, MechanismType::RotaryTable);
    SubSetMechanismParameterValue(2, 0, 7, 300);
    SubAddAxis(3);
    SubAppendMechanism(3, MechanismType::Disk);
    SubSetMechanismParameterValue(3, 0, 0, 200);
    SubInvalidateAxis(3);
    gbWindowStatusChanged = model::kFalse;
    SubSaveAxesSnapshot();

    SwitchTo(0);
    EXPECT_EQ(nFctGetModifiedState(), 1);
    EXPECT_EQ(gAxis[2].Mechanisms[0].MechanismData[0].UnitID, Unit::Inch);  // free record too
    SwitchTo(1);
    EXPECT_EQ(nFctGetModifiedState(), 0);
    for (const AxisRec& axis : {gAxis[0], gAxis[1], gAxis[2]})
        for (int16_t m = 0; m < axis.NumberOfMechanisms; ++m)
            for (int k = 0; k < axis.Mechanisms[m].DataNumber; ++k)
                EXPECT_NE(axis.Mechanisms[m].MechanismData[static_cast<size_t>(k)].UnitID, -1);
}

TEST_F(UnitSwitchTest, VelocityAndAccelerationEntriesKeepTheirKind)
{
    BuildLinearAxis();
    struct Case {
        const char* name;
        int16_t type, unit;
        double data;
        int16_t englishUnit;
        double englishData;
    } cases[] = {
        // The screw's maximum velocity in rpm stays a rotary velocity.
        {"rotary velocity", 4, Unit::Rpm, 1500, Unit::Rpm, 1500},
        {"linear velocity", 4, Unit::MmPerS, 500, Unit::InPerS, 500 / 25.4},
        {"rotary acceleration", 7, 27, 60, 27, 60},
        {"linear acceleration", 7, Unit::MmPerS2, 254, Unit::InPerS2, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParamRec& entry = Axis().Mechanisms[0].MechanismData[11];
        entry.UnitType = c.type;
        SubConvertValueToUnit(entry, c.unit);
        entry.Data = c.data;
        SwitchTo(0);
        const ParamRec& english = Axis().Mechanisms[0].MechanismData[11];
        EXPECT_EQ(english.UnitType, c.type);
        EXPECT_EQ(english.UnitID, c.englishUnit);
        EXPECT_CLOSE(english.Data, c.englishData);
        SwitchTo(1);
        EXPECT_EQ(Screw(11).UnitID, c.unit);
        EXPECT_CLOSE(Screw(11).Data, c.data);
    }
}

// A mechanism copied before the switch is pasted into axes of the new
// system: the buffer is converted as the chain is.
TEST_F(UnitSwitchTest, TheBufferedMechanismIsConvertedWithTheAxes)
{
    BuildLinearAxis();
    SubCopyMechanismToBuffer(kAxisId, 0);
    SwitchTo(0);
    MechRec buffered;
    SubReadMechanismBuffer(buffered);
    // 20 mm = 20 / 25.4 in; 10 mm/rev = 25.4 / 10 rev/in.
    EXPECT_EQ(buffered.MechanismData[0].UnitID, Unit::Inch);
    EXPECT_CLOSE(buffered.MechanismData[0].Data, 20 / 25.4);
    EXPECT_EQ(buffered.MechanismData[3].UnitID, Unit::RevPerIn);
    EXPECT_CLOSE(buffered.MechanismData[3].Data, 2.54);
    for (int k = 0; k < buffered.DataNumber; ++k) {
        SCOPED_TRACE(k);
        const ParamRec& entry = buffered.MechanismData[static_cast<size_t>(k)];
        EXPECT_EQ(entry.UnitID, Screw(k).UnitID);
        EXPECT_EQ(entry.UnitText, Screw(k).UnitText);
        EXPECT_EQ(entry.Data, Screw(k).Data);
    }

    SubClearMechanismBuffer();
    SwitchTo(1);
    EXPECT_EQ(nFctGetMechBufferType(), MechanismType::None);  // an empty buffer stays empty
}

TEST_F(UnitSwitchTest, RotaryProfileIsNotTouched)
{
    AddMechanism(MechanismType::Disk, {{0, 200}, {1, 20}, {3, 7.85}});
    SetSegments({{0, 120, 0.5}});
    Axis().QuickSetupData[QuickSetupSlot::Velocity].Data = 120;
    const AxisRec before = Axis();
    SwitchTo(0);
    EXPECT_EQ(bFctProfileSegmentsEqual(Axis(), before), model::kTrue);
    EXPECT_EQ(Axis().MotionSegments[0].FinalVelocity.UnitID, before.MotionSegments[0].FinalVelocity.UnitID);
    EXPECT_EQ(bFctQuickSetupEqual(Axis(), before), model::kTrue);
    EXPECT_EQ(Axis().Mechanisms[0].MechanismData[0].UnitID, Unit::Inch);
}

TEST_F(UnitSwitchTest, AxisQueries)
{
    SubAddAxis(2);
    SubAddAxis(3);
    SubInvalidateAxis(2);
    EXPECT_EQ(nFctGetAxisPosition(1), 0);
    EXPECT_EQ(nFctGetAxisPosition(3), 1);
    EXPECT_EQ(nFctGetAxisPosition(2), 2);  // not in use: the count of used axes
    EXPECT_EQ(bFctAxisExists(3), model::kTrue);
    EXPECT_EQ(bFctAxisExists(2), model::kFalse);
    EXPECT_EQ(bFctIsQuickSetupDefined(1), model::kTrue);
    EXPECT_EQ(bFctIsQuickSetupDefined(3), model::kFalse);
    EXPECT_EQ(bFctIsQuickSetupDefined(9), model::kFalse);
    EXPECT_EQ(bFctProfileEmpty(1), model::kTrue);
    SetSegments({{0, 60, 1}});
    EXPECT_EQ(bFctProfileEmpty(1), model::kFalse);
    EXPECT_EQ(bFctProfileEmpty(9), model::kTrue);
}

} // namespace
} // namespace sizing_test
