// The velocity profile: solver, completion rules, the profile table in both
// forms, travel range and the used-segment count.
#include "CalcTestSupport.h"

#include <cmath>

namespace calc_test {
namespace {

TEST(CalcSolver, EachCaseAndItsZeroDivisor)
{
    struct Case { int16_t c; double x, y, z, expected; };
    const Case cases[] = {
        {1, 10, 30, 4, 5},      // a = (30 - 10) / 4
        {1, 10, 30, 0, 0},      // no duration
        {2, 10, 30, 4, 80},     // s = ((30 - 10) / 2 + 10) * 4
        {3, 10, 4, 5, 30},      // vf = 5 * 4 + 10
        {4, 10, 4, 5, 80},      // s = 10 * 4 + 5 * 16 / 2
        {5, 10, 30, 5, 4},      // t = (30 - 10) / 5
        {5, 10, 30, 0, 0},      // no acceleration
        {5, 100, 0, 50, 2},     // braking entered as a size: t = |0 - 100| / 50, never negative
        {5, 0, -100, 50, 2},    // speeding up backwards: t = |-100 - 0| / 50
        {6, 10, 30, 80, 4},     // t = 80 / 20
        {6, -50, 50, 10, 0},    // mean velocity 0: no finite duration, 0
        {7, 10, 4, 80, 30},     // vf = 2 * 80 / 4 - 10
        {7, 10, 0, 80, 0},      // no duration
        {0, 1, 2, 3, 0},        {8, 1, 2, 3, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.c);
        EXPECT_DOUBLE_EQ(dFctSolveSegment(k.c, k.x, k.y, k.z), k.expected);
    }
}

TEST(CalcCompleteSegment, EachRuleOnItsSmallestCase)
{
    struct Values { double vi, vf, t, a, s; };
    struct Case { const char* rule; Values in, out; };
    const Case cases[] = {
        // vi 100 -> 0 in 2 s: a = -50, s = (100 + 0) / 2 * 2; the entered a is overwritten
        {"1", {100, 0, 2, 10, 0}, {100, 0, 2, -50, 100}},
        // -100 -> 0: a = 50 by the solver, falling speed makes it -50; s = -100
        {"1 sign", {-100, 0, 2, 0, 0}, {-100, 0, 2, -50, -100}},
        // steady 100 for 2 s
        {"2", {100, 100, 2, 0, 0}, {100, 100, 2, 0, 200}},
        // from standstill: vf = 50 * 2, s = 50 * 4 / 2
        {"3", {0, 0, 2, 50, 0}, {0, 100, 2, 50, 100}},
        // t = 100 / 50; the entered distance stays as it was
        {"4", {0, 100, 0, 50, 30}, {0, 100, 2, 50, 30}},
        // t = 50 / ((100 - 0) / 2) = 1, a = 100 / 1
        {"5", {0, 100, 0, 0, 50}, {0, 100, 1, 100, 50}},
        // opposite equal speeds have no mean velocity: t and a stay 0
        {"5 mean 0", {-50, 50, 0, 0, 10}, {-50, 50, 0, 0, 10}},
        // A distance whose sign contradicts the motion counts along it:
        // 0 -> 10 over -5 is 5 forward, t = 5 / ((10 - 0) / 2) = 1 (not -1), a = 10 / 1
        {"5 against the motion", {0, 10, 0, 0, -5}, {0, 10, 1, 10, 5}},
        // -10 -> 0 over +5 is 5 backward: mean -5, t = -5 / -5 = 1, a = 10, falling speed: -10
        {"5 backward", {-10, 0, 0, 0, 5}, {-10, 0, 1, -10, -5}},
        // steady 50 over 100: t = 2
        {"6", {50, 50, 0, 0, 100}, {50, 50, 2, 0, 100}},
        // steady -50 over +100 is 100 backward: s = -100, t = -100 / -50 = 2
        {"6 against the motion", {-50, -50, 0, 0, 100}, {-50, -50, 2, 0, -100}},
        // from standstill over 100 in 2 s: vf = 2 * 100 / 2, a = 100 / 2
        {"7", {0, 0, 2, 0, 100}, {0, 100, 2, 50, 100}},
        // t = 100 / 50, s = 50 * 2
        {"8", {0, 100, 0, 50, 0}, {0, 100, 2, 50, 100}},
        // braking from 100 to 0 with the deceleration entered as a size:
        // t = 100 / 50 = 2, s = (100 + 0) / 2 * 2 = 100 (v^2 = 2 a s: 10000 = 2 * 50 * 100),
        // and a turns negative for the falling speed
        {"8 braking", {100, 0, 0, 50, 0}, {100, 0, 2, -50, 100}},
        // braking 100 -> 50 over an entered 75: t = 50 / 50 = 1, the distance stays
        {"4 braking", {100, 50, 0, 50, 75}, {100, 50, 1, -50, 75}},
        {"none", {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
        {"none, distance only", {0, 0, 0, 0, 7}, {0, 0, 0, 0, 7}},
        // a speed that grows in the negative direction keeps a positive a
        {"1 negative direction", {0, -100, 2, 0, 0}, {0, -100, 2, 50, -100}},
        // an acceleration alone completes nothing; the speed does not fall, so a > 0
        {"none, acceleration only", {0, 0, 0, -20, 0}, {0, 0, 0, 20, 0}},
        // Where several rules hold, the first in order wins:
        // 2 before 3: steady 100 for 2 s gives a = 0, s = 200 (rule 3: vf = 120)
        {"2 before 3", {100, 100, 2, 10, 0}, {100, 100, 2, 0, 200}},
        // 2 before 7: s = 100 x 2 = 200 replaces 500 (rule 7: vf = 2 x 500 / 2 - 100 = 400)
        {"2 before 7", {100, 100, 2, 0, 500}, {100, 100, 2, 0, 200}},
        // 3 before 7: vf = 50 x 2 = 100, s = 50 x 2^2 / 2 = 100 replaces 30
        // (rule 7: vf = 2 x 30 / 2 = 30, a = 15)
        {"3 before 7", {0, 0, 2, 50, 30}, {0, 100, 2, 50, 100}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.rule);
        Values v = k.in;
        SubCompleteSegment(v.vi, v.vf, v.t, v.a, v.s);
        EXPECT_DOUBLE_EQ(v.vi, k.out.vi);
        EXPECT_DOUBLE_EQ(v.vf, k.out.vf);
        EXPECT_DOUBLE_EQ(v.t, k.out.t);
        EXPECT_DOUBLE_EQ(v.a, k.out.a);
        EXPECT_DOUBLE_EQ(v.s, k.out.s);
    }
}

using CalcProfile = CalcTest;

TEST_F(CalcProfile, TableShapeForNoOneAndAllSegments)
{
    ProfileTable table{7.0, 7.0};
    nFctBuildVelocityProfile(99, -1, table, model::kTrue);  // absent axis: untouched
    EXPECT_EQ(table, (ProfileTable{7.0, 7.0}));

    nFctBuildVelocityProfile(kAxisId, -1, table, model::kTrue);
    EXPECT_EQ(table, ProfileTable{0.0});

    AddSegment(0, 10, 2, 0, 0);
    AddSegment(10, 10, 3, 0, 0);
    nFctBuildVelocityProfile(kAxisId, -1, table, model::kTrue);
    // vi, vf, t, a, s of each segment and a trailing 0
    EXPECT_EQ(table, (ProfileTable{0, 10, 2, 5, 10, 10, 10, 3, 0, 30, 0}));

    nFctBuildVelocityProfile(kAxisId, 1, table, model::kTrue);
    EXPECT_EQ(table, (ProfileTable{10, 10, 3, 0, 30, 0}));
    // the record keeps what the user entered
    EXPECT_EQ(Axis().MotionSegments[0].Acceleration.Data, 0.0);
}

TEST_F(CalcProfile, DisplayFormGivesEachMemberItsOwnUnit)
{
    // 0 -> 600 rpm in 2 s: 10 rev/s, a = 5 rev/s^2 = 300 rpm/s, s = 10 rev = 3600 deg
    SegmentRec seg;
    seg.InitialVelocity = Param(0, 1.0 / 60, kRpm, 5);
    seg.FinalVelocity = Param(600, 1.0 / 60, kRpm, 5);
    seg.Duration = Param(2, 1, kSecond, 22);
    seg.Acceleration = Param(0, 1.0 / 60, kRpmPerS, 8);
    seg.Distance = Param(0, 1.0 / 360, kDeg, 2);
    seg.LoadWeightApplied = Param(1);
    AddSegment(seg);

    ProfileTable display, calculation;
    nFctBuildVelocityProfile(kAxisId, -1, display, model::kFalse);
    nFctBuildVelocityProfile(kAxisId, -1, calculation, model::kTrue);
    const double expectedDisplay[] = {0, 600, 2, 300, 3600, 0};
    const double expectedCalculation[] = {0, 10, 2, 5, 10, 0};
    ASSERT_EQ(display.size(), 6u);
    ASSERT_EQ(calculation.size(), 6u);
    for (size_t k = 0; k < 6; ++k) {
        EXPECT_NEAR(display[k], expectedDisplay[k], 1e-9);
        EXPECT_NEAR(calculation[k], expectedCalculation[k], 1e-12);
    }
}

TEST_F(CalcProfile, LinearCalculationFormTurnsTravelIntoRevolutions)
{
    // leadscrew with a lead of 5 mm/rev: 0.2 rev/mm
    AddMechanism(MechanismType::Leadscrew, {Param(20, 1, kMm), Param(500, 1, kMm), Param(0),
                                            Param(5, -1, kMmPerRev, 10)});
    Axis().MotionMode = MotionMode::Linear;
    AddSegment(LinearSegment(0, 100, 1));  // 0 -> 100 mm/s in 1 s

    ProfileTable calculation, display;
    nFctBuildVelocityProfile(kAxisId, -1, calculation, model::kTrue);
    nFctBuildVelocityProfile(kAxisId, -1, display, model::kFalse);
    // 100 mm/s * 0.2 = 20 rev/s; a = 20 rev/s^2; s = 50 mm * 0.2 = 10 rev; t stays 1 s
    const double expected[] = {0, 20, 1, 20, 10, 0};
    for (size_t k = 0; k < 6; ++k)
        EXPECT_NEAR(calculation[k], expected[k], 1e-12) << k;
    EXPECT_EQ(display, (ProfileTable{0, 100, 1, 100, 50, 0}));

    // Without a lead there is no travel: no motion in revolutions either.
    Axis().Mechanisms[0].MechanismData[3].Data = 0;
    nFctBuildVelocityProfile(kAxisId, -1, calculation, model::kTrue);
    EXPECT_EQ(calculation, (ProfileTable{0, 0, 1, 0, 0, 0}));
}

TEST_F(CalcProfile, ZeroFactorGivesZeroNotInfinity)
{
    SegmentRec seg;
    seg.InitialVelocity = Param(0, 1, kRevPerS, 5);
    seg.FinalVelocity = Param(10, 1, kRevPerS, 5);
    seg.Duration = Param(2, 1, kSecond, 22);
    seg.Acceleration = Param(0, 0, kRevPerS2, 8);  // broken unit: no factor
    seg.Distance = Param(0, 1, kRev, 2);
    AddSegment(seg);
    ProfileTable display;
    nFctBuildVelocityProfile(kAxisId, -1, display, model::kFalse);
    EXPECT_EQ(display, (ProfileTable{0, 10, 2, 0, 10, 0}));
}

TEST_F(CalcProfile, TravelRangeSpansTheFarthestPositions)
{
    int16_t unit = 123;
    EXPECT_EQ(dFctGetProfileTravelRange(99, unit), -1.0);
    EXPECT_EQ(unit, 123);

    // positions 10, -20, -15 around the start 0: span 10 + 20
    AddSegment(0, 0, 0, 0, 10);
    AddSegment(0, 0, 0, 0, -30);
    AddSegment(0, 0, 0, 0, 5);
    EXPECT_DOUBLE_EQ(dFctGetProfileTravelRange(kAxisId, unit), 30.0);
    EXPECT_EQ(unit, kRev);  // no linear end device: the distance's own unit

    // A leadscrew of 5 mm/rev turns 30 rev into 150 mm.
    AddMechanism(MechanismType::Leadscrew,
                 {Param(20, 1, kMm), Param(500, 1, kMm), Param(0), Param(5, -1, kMmPerRev, 10)});
    EXPECT_NEAR(dFctGetProfileTravelRange(kAxisId, unit), 150.0, 1e-9);
    EXPECT_EQ(unit, kMm);

    // The same in degrees: 10800 deg = 30 rev = 150 mm.
    for (int k = 0; k < 3; ++k) {
        ParamRec& s = Axis().MotionSegments[k].Distance;
        s = Param(s.Data * 360, 1.0 / 360, kDeg, 2);
    }
    EXPECT_NEAR(dFctGetProfileTravelRange(kAxisId, unit), 150.0, 1e-9);
    EXPECT_EQ(unit, kMm);

    // A pitch in rev/in: 30 rev at 4 rev/in is 7.5 in.
    Axis().Mechanisms[0].MechanismData[3] = Param(4, 1.0 / kInchMm, kRevPerIn, 10);
    EXPECT_NEAR(dFctGetProfileTravelRange(kAxisId, unit), 7.5, 1e-9);
    EXPECT_EQ(unit, kInch);

    // A conveyor whose drive pulley (100 mm) and idler (4 in) are in different
    // units: 30 rev of the 100 mm drive pulley carry the belt 30 x pi x 100 mm.
    Axis().NumberOfMechanisms = 0;
    AddMechanism(MechanismType::Conveyor,
                 {Param(100, 1, kMm, 3), Param(0), Param(0), Param(4, kInchMm, kInch, 3)});
    EXPECT_NEAR(dFctGetProfileTravelRange(kAxisId, unit), 30 * kPi * 100, 1e-6);
    EXPECT_EQ(unit, kMm);
}

TEST_F(CalcProfile, UsedSegmentCountEndsAtTheLastFilledSegment)
{
    EXPECT_EQ(nFctGetUsedSegmentCount(kAxisId), 0);
    EXPECT_EQ(nFctGetUsedSegmentCount(99), 0);
    for (int k = 0; k < 10; ++k)
        AddSegment(0, 0, k == 2 || k == 5 ? 1 : 0, 0, 0);
    EXPECT_EQ(nFctGetUsedSegmentCount(kAxisId), 6);
}

} // namespace
} // namespace calc_test
