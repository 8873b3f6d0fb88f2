// The chain passes: a drive train from the load to the motor against the
// hand result, in rotary and in linear motion, per segment, and the readers
// around the passes.
#include "CalcTestSupport.h"

#include <cmath>
#include <tuple>

namespace calc_test {
namespace {

constexpr double kTwoPi = 2 * kPi;

class CalcChain : public CalcTest {
protected:
    // Motor - gearbox 4:1 (90 %, 0.0001 kg.m^2) - belt 25 / 50 mm (2 N and
    // 8 N pulleys, 1 N belt, 95 %) - leadscrew D 20 x 500, 10 mm/rev, 90 %,
    // mu 0.1 - load 200 N.
    void BuildDriveTrain()
    {
        AddMechanism(MechanismType::Gearbox,
                     {Entry::Percent(90), Param(0.0001, 1, kKgM2), Entry::Plain(4)});
        AddMechanism(MechanismType::BeltPulley,
                     {Param(50, 1, kMm), Param(2, 1, kNewton), Param(0), Param(0), Entry::Plain(1),
                      Param(100, 1, kMm), Param(8, 1, kNewton), Param(0), Param(0),
                      Param(1, 1, kNewton), Entry::Percent(95), Param(0)});
        AddMechanism(MechanismType::Leadscrew,
                     {Param(20, 1, kMm), Param(500, 1, kMm), Param(7.85, 1, kGPerCm3),
                      Param(10, -1, kMmPerRev, 10), Entry::Percent(90), Entry::Plain(0.1)});
        SetLoad(LoadType::WeightOnly, {Param(200, 1, kNewton)});
    }

    // The hand result at the motor for the screw turning at v, with or without
    // the load on the screw.
    struct AtMotor { double velocity, inertia, torque; };
    static AtMotor HandResult(double screwVelocity, bool withLoad)
    {
        const double lead = 0.01;  // m
        const double load = withLoad ? 200.0 : 0.0;
        // screw: J = m r^2 / 2 + m_load (lead / 2 pi)^2 / eta; T = F lead / (2 pi eta)
        const double js = Disk(Mass(DensityWeight(7.85, kPi * 10 * 10 * 500)), 0.01) +
                          Mass(load) * std::pow(lead / kTwoPi, 2) / 0.9;
        const double ts = load * 0.1 * lead / (kTwoPi * 0.9);
        // belt 2:1: pulleys, belt at the small rim, load side / (eta i^2)
        const double jb = Disk(Mass(2), 0.025) + Mass(1) * 0.025 * 0.025 / 0.95 +
                          Disk(Mass(8), 0.05) / 0.95 / 4 + js / 0.95 / 4;
        const double tb = ts / (2 * 0.95);
        // gearbox 4:1
        const double jg = jb / 16 / 0.9 + 0.0001;
        const double tg = tb / (0.9 * 4);
        return {screwVelocity * 8, jg, tg};
    }
    static double Disk(double massKg, double radiusM) { return massKg * radiusM * radiusM / 2; }
};

TEST_F(CalcChain, StaticPassFromLoadToMotorInRotaryMotion)
{
    BuildDriveTrain();
    // 0 -> 20 rev/s in 0.5 s, 1 s at 20, back to 0 in 0.5 s: 30 rev = 300 mm
    AddSegment(0, 20, 0.5, 0, 0);
    AddSegment(20, 20, 1, 0, 0);
    AddSegment(20, 0, 0.5, 0, 0);
    SubCalcAxisResults(kAxisId);

    const AtMotor h = HandResult(20, true);
    const AxisRec& a = Axis();
    EXPECT_REL(a.ProfileMaxVelocity.Value, 20.0);
    EXPECT_REL(a.ProfileMaxAcceleration.Value, 40.0);
    EXPECT_REL(a.LoadWeight.Value, 200.0);
    EXPECT_REL(a.AxisResult[0].Value, h.velocity);  // 20 x 2 x 4 = 160 rev/s
    EXPECT_REL(a.AxisResult[1].Value, h.inertia);
    EXPECT_REL(a.AxisResult[2].Value, h.torque);
    EXPECT_EQ(a.AxisResult[0].UnitID, kRevPerS);
    EXPECT_EQ(a.AxisResult[1].UnitID, kKgM2);
    EXPECT_EQ(a.AxisResult[2].UnitID, kNewtonMetre);
    // the gearbox sees the whole train; its peak uses 4 x 80 rev/s^2 at its input
    EXPECT_REL(a.Mechanisms[0].MechResult[3].Value, h.torque + kTwoPi * 80 * h.inertia * 4);
    EXPECT_EQ(a.NumberOfMessages, 0);
}

TEST_F(CalcChain, StaticPassTakesVelocityAndAccelerationEachInItsOwnUnit)
{
    // The profile of the test above, 0 -> 20 rev/s in 0.5 s (40 rev/s^2),
    // with the velocities and the acceleration entered in different units:
    // 1200 rpm and 40 rev/s^2, or 20 rev/s and 2400 rpm/s.
    struct Case { const char* units; int16_t velocityUnit; double velocityFactor;
                  int16_t accelerationUnit; double accelerationFactor; };
    const Case cases[] = {{"rpm, rev/s^2", kRpm, 1.0 / 60.0, kRevPerS2, 1.0},
                          {"rev/s, rpm/s", kRevPerS, 1.0, kRpmPerS, 1.0 / 60.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.units);
        NewAxis();
        BuildDriveTrain();
        for (const auto& [vi, vf, t] : {std::tuple{0.0, 20.0, 0.5}, {20.0, 20.0, 1.0}, {20.0, 0.0, 0.5}}) {
            SegmentRec seg;
            seg.InitialVelocity = Param(vi / c.velocityFactor, c.velocityFactor, c.velocityUnit, 5);
            seg.FinalVelocity = Param(vf / c.velocityFactor, c.velocityFactor, c.velocityUnit, 5);
            seg.Duration = Param(t, 1.0, kSecond, 22);
            seg.Acceleration = Param(0, c.accelerationFactor, c.accelerationUnit, 8);
            seg.Distance = Param(0, 1.0, kRev, 2);
            seg.LoadWeightApplied = Param(1);
            AddSegment(seg);
        }
        SubCalcAxisResults(kAxisId);
        const AtMotor h = HandResult(20, true);
        EXPECT_REL(Axis().ProfileMaxVelocity.Value, 20.0);
        EXPECT_REL(Axis().ProfileMaxAcceleration.Value, 40.0);
        EXPECT_REL(Axis().AxisResult[0].Value, h.velocity);
        EXPECT_REL(Axis().Mechanisms[0].MechResult[3].Value, h.torque + kTwoPi * 80 * h.inertia * 4);
    }
}

TEST_F(CalcChain, LinearMotionGivesTheSameMotorValues)
{
    BuildDriveTrain();
    Axis().MotionMode = MotionMode::Linear;
    // the same move as 200 mm/s on the 10 mm/rev screw
    for (double v : {0.0, 200.0}) {
        SegmentRec seg = LinearSegment(v, 200 - v, 0.5);
        seg.LoadWeightApplied = Param(1);
        AddSegment(seg);
    }
    SubCalcAxisResults(kAxisId);
    const AtMotor h = HandResult(20, true);
    EXPECT_REL(Axis().ProfileMaxVelocity.Value, 20.0);       // 200 mm/s x 0.1 rev/mm
    EXPECT_REL(Axis().ProfileMaxAcceleration.Value, 40.0);   // 400 mm/s^2 x 0.1
    EXPECT_REL(Axis().AxisResult[0].Value, h.velocity);
    EXPECT_REL(Axis().AxisResult[1].Value, h.inertia);
    EXPECT_REL(Axis().AxisResult[2].Value, h.torque);
}

TEST_F(CalcChain, LinearMotionWithoutATravelValueMovesNothing)
{
    // A linear profile of 200 mm/s whose end device gives no revolutions per
    // travel: a screw whose lead was cleared (travel 0) or a chain edited to
    // end in a gearbox (no travel, -1). Neither may turn into a motion, let
    // alone a negative one: the maxima and the motor velocity are 0.
    struct Case { const char* name; bool gearboxAtEnd; };
    for (const Case& k : {Case{"lead cleared", false}, Case{"gearbox at the end", true}}) {
        SCOPED_TRACE(k.name);
        NewAxis();
        BuildDriveTrain();
        if (k.gearboxAtEnd)
            AddMechanism(MechanismType::Gearbox, {Entry::Percent(90), Param(0), Entry::Plain(2)});
        else
            Axis().Mechanisms[2].MechanismData[3].Data = 0;
        Axis().MotionMode = MotionMode::Linear;
        SegmentRec seg = LinearSegment(0, 200, 0.5);  // 0 -> 200 mm/s in 0.5 s
        seg.LoadWeightApplied = Param(1);
        AddSegment(seg);

        SubCalcAxisResults(kAxisId);
        EXPECT_EQ(Axis().ProfileMaxVelocity.Value, 0.0);
        EXPECT_EQ(Axis().ProfileMaxAcceleration.Value, 0.0);
        EXPECT_EQ(Axis().AxisResult[0].Value, 0.0);

        ProfileTable calculation;
        nFctBuildVelocityProfile(kAxisId, -1, calculation, model::kTrue);
        EXPECT_EQ(calculation, (ProfileTable{0, 0, 0.5, 0, 0, 0}));  // the time stays
    }
}

TEST_F(CalcChain, SegmentPassLeavesTheLoadOutWhereTheProfileDoes)
{
    BuildDriveTrain();
    AddSegment(0, 20, 0.5, 0, 0, 1.0);
    AddSegment(20, 20, 1, 0, 0, 1.0);
    AddSegment(20, 0, 0.5, 0, 0, 0.0);  // load set down while braking
    AddSegment(0, 0, 1, 0, 0, 0.0);     // dwell
    AddSegment(0, 0, 0, 0, 0, 1.0);     // empty, not used

    std::vector<double> inertia, torques;
    double torque = -1;
    nFctCalcSegmentTorques(kAxisId, inertia, torque, &torques);
    const AtMotor loaded = HandResult(20, true);
    const AtMotor empty = HandResult(20, false);  // the mechanisms alone
    ASSERT_EQ(inertia.size(), 5u);
    EXPECT_REL(inertia[0], loaded.inertia);
    EXPECT_REL(inertia[1], loaded.inertia);
    EXPECT_REL(inertia[2], empty.inertia);
    EXPECT_REL(inertia[3], empty.inertia);
    EXPECT_EQ(inertia[4], 0.0);
    ASSERT_EQ(torques.size(), 5u);
    EXPECT_REL(torques[0], loaded.torque);
    EXPECT_REL(torques[1], loaded.torque);
    EXPECT_EQ(torques[2], 0.0);
    EXPECT_EQ(torque, 0.0);  // the last segment's run: no load, no torque

    // No used segment: no chain run, no torque left from the last pass.
    NewAxis();
    BuildDriveTrain();
    torque = -1;
    nFctCalcSegmentTorques(kAxisId, inertia, torque);
    EXPECT_EQ(inertia, std::vector<double>{0.0});
    EXPECT_EQ(torque, 0.0);
}

TEST_F(CalcChain, AxisWithoutMechanismsGivesTheLoadItself)
{
    SetLoad(LoadType::SolidCylinder, {Param(100, 1, kMm), Param(50, 1, kMm),
                                      Param(7.85, 1, kGPerCm3)});
    AddSegment(0, -10, 1, 0, 0);  // a move in the negative direction
    AddSegment(-10, -10, 1, 0, 0);
    SubCalcAxisResults(kAxisId);
    const double j = Mass(DensityWeight(7.85, kPi * 25 * 25 * 100)) * 0.025 * 0.025 / 2;
    EXPECT_REL(Axis().ProfileMaxVelocity.Value, 10.0);
    EXPECT_REL(Axis().ProfileMaxAcceleration.Value, 10.0);
    EXPECT_REL(Axis().AxisResult[0].Value, 10.0);
    EXPECT_REL(Axis().AxisResult[1].Value, j);
    EXPECT_EQ(Axis().AxisResult[2].Value, 0.0);
}

TEST_F(CalcChain, WarningsCarryTheirChainPositionAndNothingOutlivesAPass)
{
    // a disk without data next to the motor, a leadscrew at the end whose
    // travel (48 rev x 10 mm) reaches 96 % of its length
    AddMechanism(MechanismType::Disk, {});
    AddMechanism(MechanismType::Leadscrew,
                 {Param(20, 1, kMm), Param(500, 1, kMm), Param(7.85, 1, kGPerCm3),
                  Param(10, -1, kMmPerRev, 10), Entry::Percent(90), Entry::Plain(0.1)});
    SetLoad(LoadType::WeightOnly, {Param(200, 1, kNewton)});
    AddSegment(0, 0, 1, 0, 48);
    Axis().AxisResult[5].Value = 7;  // the requirements' cell is not the pass's

    for (int run = 0; run < 2; ++run) {
        SubCalcAxisResults(kAxisId);
        ASSERT_EQ(Axis().NumberOfMessages, 2);
        EXPECT_EQ(Axis().CalcMessages[0].MechIndex, 1);
        EXPECT_EQ(Axis().CalcMessages[0].MechTextID, 10);
        EXPECT_EQ(Axis().CalcMessages[0].TextID, 177);
        EXPECT_EQ(Axis().CalcMessages[1].MechIndex, 0);
        EXPECT_EQ(Axis().CalcMessages[1].MechTextID, 7);
        EXPECT_EQ(Axis().CalcMessages[1].TextID, 173);
    }
    EXPECT_NE(Axis().AxisResult[1].Value, 0.0);
    EXPECT_NE(Axis().Mechanisms[1].MechResult[2].Value, 0.0);

    // Without the load flag the weight and every result that came from it go.
    Axis().MotionSegments[0].LoadWeightApplied.Data = 0;
    Axis().Mechanisms[1].MechanismData[0].Data = 0;  // no screw inertia either
    SubCalcAxisResults(kAxisId);
    EXPECT_EQ(Axis().LoadWeight.Value, 0.0);
    EXPECT_EQ(Axis().Mechanisms[1].MechResult[1].Value, 0.0);
    EXPECT_EQ(Axis().Mechanisms[1].MechResult[2].Value, 0.0);
    EXPECT_EQ(Axis().AxisResult[2].Value, 0.0);
    EXPECT_EQ(Axis().AxisResult[5].Value, 7.0);
}

TEST_F(CalcChain, ResetSetsEveryCellAndItsUnit)
{
    AddMechanism(MechanismType::Disk, {});
    AxisRec& a = Axis();
    for (auto& c : a.AxisResult) c = {5, 1};
    for (auto& c : a.Mechanisms[0].MechResult) c = {5, 1};
    for (auto& c : a.LoadResult) c = {5, 1};
    a.LoadInertia = {5, 1};
    SubAddCalcMessage(a, 0, 172);
    SubResetAxisResults(a);
    const int16_t axisUnits[] = {kRevPerS, kKgM2, kNewtonMetre, kNewtonMetre, kNewtonMetre};
    const int16_t mechUnits[] = {kRevPerS, kKgM2, kNewtonMetre, kNewtonMetre, kKgM2};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(a.AxisResult[k].Value, 0.0);
        EXPECT_EQ(a.AxisResult[k].UnitID, axisUnits[k]);
        EXPECT_EQ(a.Mechanisms[0].MechResult[k].UnitID, mechUnits[k]);
    }
    EXPECT_EQ(a.AxisResult[5].Value, 5.0);
    EXPECT_EQ(a.Mechanisms[0].MechResult[5].Value, 5.0);
    EXPECT_EQ(a.LoadResult[3].UnitID, kNewtonMetre);
    EXPECT_EQ(a.LoadResult[4].Value, 5.0);
    EXPECT_EQ(a.LoadInertia.Value, 0.0);
    EXPECT_EQ(a.LoadInertia.UnitID, kKgM2);
    EXPECT_EQ(a.ProfileMaxAcceleration.UnitID, kRevPerS2);
    EXPECT_EQ(a.LoadWeight.UnitID, kNewton);
    EXPECT_EQ(a.NumberOfMessages, 0);
    EXPECT_EQ(a.CalcMessages.size(), 1u);
}

TEST_F(CalcChain, EfficiencyAngleFlagsAndResultReaders)
{
    EXPECT_EQ(dFctGetChainEfficiency(kAxisId), 1.0);
    EXPECT_EQ(dFctGetChainEfficiency(99), 1.0);
    EXPECT_EQ(dFctGetEndDeviceAngle(kAxisId), 0.0);

    AddMechanism(MechanismType::Gearbox, {Entry::Percent(90)});
    AddMechanism(MechanismType::BeltPulley, {});  // efficiency 0 counts as 100 %
    AddMechanism(MechanismType::Disk, {});        // has no efficiency
    EXPECT_DOUBLE_EQ(dFctGetChainEfficiency(kAxisId), 0.9);
    EXPECT_EQ(dFctGetEndDeviceAngle(kAxisId), 0.0);
    AddMechanism(MechanismType::Leadscrew, {Param(0), Param(0), Param(0), Param(0),
                                            Entry::Percent(80), Param(0), Param(0), Param(0),
                                            Param(0), Entry::Angle(30)});
    EXPECT_DOUBLE_EQ(dFctGetChainEfficiency(kAxisId), 0.72);
    EXPECT_EQ(dFctGetEndDeviceAngle(kAxisId), 30.0);

    AddSegment(1, 1, 1, 0, 0, 1.0);
    AddSegment(1, 1, 1, 0, 0, 0.5);
    EXPECT_EQ(bFctSegmentFlagIsOne(kAxisId, 0), model::kTrue);
    EXPECT_EQ(bFctSegmentFlagIsOne(kAxisId, 1), model::kFalse);
    EXPECT_EQ(bFctSegmentFlagIsOne(kAxisId, 2), model::kFalse);

    SubCalcAxisResults(kAxisId);
    int16_t unit = 0;
    EXPECT_EQ(dFctGetAxisResult(kAxisId, 0, unit), Axis().AxisResult[0].Value);
    EXPECT_EQ(unit, kRevPerS);
    EXPECT_EQ(dFctGetMechanismResult(kAxisId, 3, 4, unit), Axis().Mechanisms[3].MechResult[4].Value);
    EXPECT_EQ(unit, kKgM2);
    for (auto value : {dFctGetAxisResult(99, 0, unit), dFctGetMechanismResult(kAxisId, 4, 0, unit)}) {
        EXPECT_EQ(value, 0.0);
        EXPECT_EQ(unit, -1);
    }

    double vmax = -1, amax = -1;
    nFctGetProfileExtremes(99, vmax, amax);
    EXPECT_EQ(vmax, 0.0);
    EXPECT_EQ(amax, 0.0);
}

} // namespace
} // namespace calc_test
