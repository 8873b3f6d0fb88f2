// Switching an axis between rotary and linear motion re-expresses its profile
// and quick setup through the end device's travel, and back again.
#include "CalcTestSupport.h"

#include "model/basAxisAccessors.h"
#include "model/basValueConversion.h"

namespace calc_test {
namespace {

class CalcMotionMode : public CalcTest {
protected:
    // A leadscrew of 5 mm/rev at the end; one segment 600 rpm -> 10 rev/s
    // for 2 s over 4 rev, load applied; quick setup 600 rpm, 3 s, 4 rev.
    void BuildAxis()
    {
        AddMechanism(MechanismType::Gearbox, {Entry::Percent(90)});
        AddMechanism(MechanismType::Leadscrew,
                     {Param(20, 1, kMm), Param(500, 1, kMm), Param(0), Param(5, -1, kMmPerRev, 10)});
        SegmentRec seg;
        seg.InitialVelocity = Param(600, 1.0 / 60, kRpm, 4);
        seg.FinalVelocity = Param(10, 1, kRevPerS, 4);
        seg.Duration = Param(2, 1, kSecond, 22);
        seg.Acceleration = Param(120, 1.0 / 60, kRpmPerS, 7);
        seg.Distance = Param(4, 1, kRev, 1);
        seg.LoadWeightApplied = Param(1);
        AddSegment(seg);
        AxisRec& a = Axis();
        a.QuickSetupData[QuickSetupSlot::Velocity] = Param(600, 1.0 / 60, kRpm, 4);
        a.QuickSetupData[QuickSetupSlot::TotalTime] = Param(3, 1, kSecond, 22);
        a.QuickSetupData[QuickSetupSlot::Distance] = Param(4, 1, kRev, 1);
    }
    // Switches the stored values and then the mode, as the profile window does.
    void Switch()
    {
        SubConvertQuickSetupForMotionSwitch(kAxisId);
        SubConvertSegmentsForMotionSwitch(kAxisId);
        SubSetMotionMode(kAxisId, Axis().MotionMode == MotionMode::Rotary ? MotionMode::Linear
                                                                           : MotionMode::Rotary);
    }
    static void ExpectParam(const ParamRec& p, double data, int16_t unit, int16_t type)
    {
        EXPECT_NEAR(p.Data, data, 1e-9 * std::fabs(data));
        EXPECT_EQ(p.UnitID, unit);
        EXPECT_EQ(p.UnitType, type);
    }
};

TEST_F(CalcMotionMode, ThereAndBackInEitherUnitSystem)
{
    struct Case { int16_t system; int16_t velocity, acceleration, length; double perMm; };
    const Case cases[] = {{1, kMmPerS, kMmPerS2, kMm, 1.0},
                          {0, kInPerS, kInPerS2, kInch, 1.0 / kInchMm}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.system);
        NewAxis();
        gnUnitSystem = k.system;
        BuildAxis();
        const AxisRec before = Axis();

        Switch();
        // 10 rev/s at 0.2 rev/mm is 50 mm/s; 1 rev/s^2 is 5 mm/s^2; 4 rev is 20 mm
        const SegmentRec& s = Axis().MotionSegments[0];
        ExpectParam(s.InitialVelocity, 50 * k.perMm, k.velocity, 4);
        ExpectParam(s.FinalVelocity, 50 * k.perMm, k.velocity, 4);
        ExpectParam(s.Acceleration, 10 * k.perMm, k.acceleration, 7);
        ExpectParam(s.Distance, 20 * k.perMm, k.length, 1);
        ExpectParam(Axis().QuickSetupData[0], 50 * k.perMm, k.velocity, 4);
        ExpectParam(Axis().QuickSetupData[2], 20 * k.perMm, k.length, 1);
        EXPECT_EQ(s.Duration.Data, 2.0);
        EXPECT_EQ(s.LoadWeightApplied.Data, 1.0);
        EXPECT_EQ(Axis().QuickSetupData[1].Data, 3.0);
        EXPECT_EQ(nFctGetMotionMode(kAxisId), MotionMode::Linear);

        // Back: the same motion in the selected rotary units (rev/s, rev/s^2, rev).
        Switch();
        const SegmentRec& r = Axis().MotionSegments[0];
        const SegmentRec& b = before.MotionSegments[0];
        ExpectParam(r.InitialVelocity, 10, kRevPerS, 4);
        ExpectParam(r.Acceleration, 2, kRevPerS2, 7);
        ExpectParam(r.Distance, 4, kRev, 1);
        EXPECT_NEAR(r.InitialVelocity.Data * r.InitialVelocity.Factor,
                    b.InitialVelocity.Data * b.InitialVelocity.Factor, 1e-9);
        EXPECT_NEAR(r.FinalVelocity.Data * r.FinalVelocity.Factor,
                    b.FinalVelocity.Data * b.FinalVelocity.Factor, 1e-9);
        ExpectParam(Axis().QuickSetupData[0], 10, kRevPerS, 4);
        ExpectParam(Axis().QuickSetupData[2], 4, kRev, 1);
        EXPECT_EQ(r.Duration.Data, 2.0);
    }
}

TEST_F(CalcMotionMode, NoTravelValueNoConversion)
{
    struct Case { const char* name; int16_t endType; double lead; bool linear; };
    const Case cases[] = {
        {"empty chain", -2, 0, false},
        {"gearbox at the end", MechanismType::Gearbox, 0, false},
        {"leadscrew without lead", MechanismType::Leadscrew, 0, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        NewAxis();
        if (k.endType != -2)
            AddMechanism(k.endType, {Entry::Percent(90), Param(0), Param(0),
                                     Param(k.lead, -1, kMmPerRev, 10)});
        AddSegment(10, 10, 1, 0, 0);
        Axis().QuickSetupData[0] = Param(600, 1.0 / 60, kRpm, 4);
        const AxisRec before = Axis();

        double travel = 7;
        int16_t unit = 7;
        EXPECT_EQ(nFctGetAxisRevsPerTravel(kAxisId, travel, unit, model::kFalse), model::kFalse);
        EXPECT_EQ(travel, k.endType == MechanismType::Leadscrew ? 0.0 : -1.0);
        EXPECT_EQ(bFctAxisEndsLinear(kAxisId), model::AsFlag(k.linear));

        SubConvertQuickSetupForMotionSwitch(kAxisId);
        SubConvertSegmentsForMotionSwitch(kAxisId);
        EXPECT_EQ(Axis().MotionSegments[0].InitialVelocity.Data, 10.0);
        EXPECT_EQ(Axis().MotionSegments[0].InitialVelocity.UnitID, kRevPerS);
        EXPECT_EQ(Axis().QuickSetupData[0].Data, 600.0);
        EXPECT_EQ(Axis().QuickSetupData[0].UnitID, kRpm);
    }
}

TEST_F(CalcMotionMode, ModeGetters)
{
    Axis().MotionMode = MotionMode::Linear;
    Axis().QuickSetupMode = QuickSetupMode::Trapezoidal;
    EXPECT_EQ(nFctGetMotionMode(kAxisId), 1);
    EXPECT_EQ(nFctGetQuickSetupMode(kAxisId), 1);
    EXPECT_EQ(nFctGetMotionMode(99), -1);
    EXPECT_EQ(nFctGetQuickSetupMode(99), -1);
    EXPECT_EQ(bFctAxisEndsLinear(99), model::kFalse);
    for (int16_t type : {MechanismType::Conveyor, MechanismType::Leadscrew,
                         MechanismType::RackPinion, MechanismType::NipRoll,
                         MechanismType::WinderCenter, MechanismType::WinderSurface}) {
        NewAxis();
        AddMechanism(type, {});
        EXPECT_EQ(bFctAxisEndsLinear(kAxisId), model::kTrue) << type;
    }
}

} // namespace
} // namespace calc_test
