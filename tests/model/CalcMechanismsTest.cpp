// Mechanism calculations against the physics, worked out in SI units: each
// case runs once with its entries in the basic units and once in English
// units (inch, lbf, lbf.in, lb.in^2, lb/in^3), where every Factor differs
// from 1. Weights from densities use 9.81 N/kg, masses from weights g.
#include "CalcTestSupport.h"

#include <cmath>

namespace calc_test {
namespace {

using CalcMechanisms = CalcTest;
constexpr double kTwoPi = 2 * kPi;

// Solid disk / hollow cylinder about its axis, SI.
double Disk(double massKg, double radiusM) { return massKg * radiusM * radiusM / 2; }
double Hollow(double massKg, double outerM, double innerM)
{
    return massKg * (outerM * outerM + innerM * innerM) / 2;
}
double Cylinder(double outerMm, double innerMm, double lengthMm)
{
    return kPi * (outerMm * outerMm - innerMm * innerMm) * lengthMm;  // mm^3
}

TEST_F(CalcMechanisms, DiskAddsItsOwnInertiaAndPassesTheRestOn)
{
    for (const UnitSet& u : kUnitSets) {
        SCOPED_TRACE(u.name);
        NewAxis();
        const Entry e{u};
        // steel disk D 100 mm, 20 mm thick, weight left to be computed
        const int16_t m =
            AddMechanism(MechanismType::Disk,
                         {e.Length(100), e.Length(20), e.Weight(0), e.Density(7.85)});
        RunMechanism(m, 2.0, 0.01, 3.0, 10.0);
        // W = 7.85 * 9.81e-6 * pi * 50^2 * 20 = 12.0965 N; J = m r^2 / 2 = 0.0015419
        const double jd = Disk(Mass(DensityWeight(7.85, Cylinder(50, 0, 20))), 0.05);
        const double jt = 0.01 + jd;
        // peak = 2 + 2 pi * 10 * 0.011542 = 2.7252 N.m
        ExpectMechanism(m, 3.0, 10.0, jt, 2.0, 2.0 + kTwoPi * 10 * jt, jd);
        EXPECT_TRUE(Warnings().empty());
    }
}

TEST_F(CalcMechanisms, WeightCheckOfTheDisk)
{
    const double computed = DensityWeight(7.85, Cylinder(50, 0, 20));  // 12.0965 N
    const double jPerNewton = Disk(Mass(1.0), 0.05);
    struct Case { const char* name; double diameter, entered; double weightUsed;
                  std::vector<int16_t> warnings; };
    const Case cases[] = {
        {"none entered", 100, 0, computed, {}},
        {"1.5 % above", 100, computed * 1.015, computed, {172}},
        {"1.5 % below", 100, computed / 1.015, computed, {172}},
        {"0.5 % above stays", 100, computed * 1.005, computed * 1.005, {}},
        {"entered without dimensions", 0, 5.0, 5.0, {}},
        {"nothing to compute from", 0, 0, 0, {173}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        NewAxis();
        const Entry e{kBasicUnits};
        AddMechanism(MechanismType::Disk, {e.Length(k.diameter), e.Length(20), e.Weight(k.entered),
                                           e.Density(7.85)});
        RunMechanism(0, 0, 0, 0, 0);
        const double radius = k.diameter / 2000.0;
        EXPECT_REL(Result(0, 4), jPerNewton * k.weightUsed * radius * radius / 0.0025);
        EXPECT_EQ(Warnings(), k.warnings);
    }
}

TEST_F(CalcMechanisms, CouplingIsAHollowCylinderOnTheShaft)
{
    for (const UnitSet& u : kUnitSets) {
        SCOPED_TRACE(u.name);
        NewAxis();
        const Entry e{u};
        const int16_t m = AddMechanism(MechanismType::Coupling,
                                       {e.Length(40), e.Length(20), e.Length(50), e.Weight(0),
                                        e.Density(7.85)});
        RunMechanism(m, 2.0, 0.01, 3.0, 10.0);
        // W = 7.85 * 9.81e-6 * pi * (20^2 - 10^2) * 50; J = m (ro^2 + ri^2) / 2
        const double jc = Hollow(Mass(DensityWeight(7.85, Cylinder(20, 10, 50))), 0.02, 0.01);
        const double jt = 0.01 + jc;
        ExpectMechanism(m, 3.0, 10.0, jt, 2.0, 2.0 + kTwoPi * 10 * jt, jc);
    }
    // Weight 2x the computed one is replaced (376); no data at all: 377.
    const double computed = DensityWeight(7.85, Cylinder(20, 10, 50));
    NewAxis();
    const Entry e{kBasicUnits};
    AddMechanism(MechanismType::Coupling, {e.Length(40), e.Length(20), e.Length(50),
                                           e.Weight(2 * computed), e.Density(7.85)});
    AddMechanism(MechanismType::Coupling, {});
    RunMechanism(1, 0, 0, 0, 0);
    RunMechanism(0, 0, 0, 0, 0);
    EXPECT_REL(Result(0, 4), Hollow(Mass(computed), 0.02, 0.01));
    EXPECT_EQ(Warnings(), (std::vector<int16_t>{377, 376}));
    EXPECT_EQ(Axis().CalcMessages[0].MechIndex, 1);
    EXPECT_EQ(Axis().CalcMessages[1].MechIndex, 0);
    EXPECT_EQ(Axis().CalcMessages[0].MechTextID, 95);
}

TEST_F(CalcMechanisms, BeltPulleyReflectsThroughTheRatioOfItsPulleys)
{
    for (const UnitSet& u : kUnitSets) {
        SCOPED_TRACE(u.name);
        NewAxis();
        const Entry e{u};
        // motor pulley D 50 (5 N), one load pulley D 150 (20 N), belt 3 N,
        // 90 %, friction torque 0.1 N.m; weights entered, no dimensions
        const int16_t m = AddMechanism(
            MechanismType::BeltPulley,
            {e.Length(50), e.Weight(5), e.Length(0), e.Density(0), Entry::Plain(1), e.Length(150),
             e.Weight(20), e.Length(0), e.Density(0), e.Weight(3), Entry::Percent(90),
             e.Torque(0.1)});
        RunMechanism(m, 9.0, 0.5, 2.0, 4.0);
        const double i = 3.0;  // 75 mm / 25 mm
        const double j1 = Disk(Mass(5), 0.025);
        const double jBelt = Mass(3) * 0.025 * 0.025 / 0.9;  // belt moves at the motor pulley rim
        const double j2 = Disk(Mass(20), 0.075) / 0.9 / (i * i);
        const double jm = jBelt + j1 + j2;
        const double jt = jm + 0.5 / 0.9 / (i * i);
        const double t = 9.0 / (i * 0.9) + 0.1;  // 3.4333 N.m
        // input turns 3x faster: 6 rev/s, 12 rev/s^2
        ExpectMechanism(m, 6.0, 12.0, jt, t, t + kTwoPi * 12.0 * jt, jm);
        EXPECT_TRUE(Warnings().empty());
    }
}

TEST_F(CalcMechanisms, BeltPulleyWithoutEfficiencyRunsAtFullEfficiencyAndWarnsPerPulley)
{
    const Entry e{kBasicUnits};
    const double motorPulley = DensityWeight(7.85, Cylinder(25, 0, 10));
    // motor pulley entered 2 % heavier than its dimensions give; load pulley
    // with no weight and no dimensions; efficiency 0
    AddMechanism(MechanismType::BeltPulley,
                 {e.Length(50), e.Weight(motorPulley * 1.02), e.Length(10), e.Density(7.85),
                  Entry::Plain(1), e.Length(150), e.Weight(0), e.Length(0), e.Density(0),
                  e.Weight(0), Entry::Percent(0), e.Torque(0)});
    RunMechanism(0, 9.0, 0.5, 2.0, 4.0);
    const double jt = Disk(Mass(motorPulley), 0.025) + 0.5 / 9.0;
    EXPECT_REL(Result(0, 1), jt);
    EXPECT_REL(Result(0, 2), 3.0);  // 9 / 3 at 100 %
    EXPECT_EQ(Warnings(), (std::vector<int16_t>{361, 364}));
}

TEST_F(CalcMechanisms, GearboxReflectsBySquareOfRatio)
{
    for (const UnitSet& u : kUnitSets) {
        SCOPED_TRACE(u.name);
        NewAxis();
        const Entry e{u};
        const int16_t m = AddMechanism(MechanismType::Gearbox,
                                       {Entry::Percent(90), e.Inertia(0.0002), Entry::Plain(5)});
        RunMechanism(m, 9.0, 0.5, 2.0, 4.0);
        const double jt = 0.5 / 25 / 0.9 + 0.0002;  // 0.022422 kg.m^2
        const double t = 9.0 / (0.9 * 5);            // 2 N.m
        ExpectMechanism(m, 10.0, 20.0, jt, t, t + kTwoPi * 20.0 * jt, 0.0002);
    }
    // Efficiency 0: no inertia and no torque at its input, its own included.
    NewAxis();
    AddMechanism(MechanismType::Gearbox, {Entry::Percent(0), Param(0.0002, 1), Entry::Plain(5)});
    RunMechanism(0, 9.0, 0.5, 2.0, 4.0);
    EXPECT_EQ(Result(0, 1), 0.0);
    EXPECT_EQ(Result(0, 2), 0.0);
    EXPECT_EQ(Result(0, 3), 0.0);
}

TEST_F(CalcMechanisms, ConveyorMovesBeltAndLoadAtTheDrivePulleyRim)
{
    for (const UnitSet& u : kUnitSets) {
        SCOPED_TRACE(u.name);
        NewAxis();
        const Entry e{u};
        // drive pulley D 100 (20 N), two idlers D 50 (5 N each), belt 30 N,
        // mu 0.1, 95 %, thrust 10 N, 30 degrees up, additional 0.001 kg.m^2
        const int16_t m = AddMechanism(
            MechanismType::Conveyor,
            {e.Length(100), e.Weight(20), Entry::Plain(2), e.Length(50), e.Weight(5), e.Weight(30),
             Entry::Plain(0.1), Entry::Percent(95), e.Weight(10), Entry::Angle(30),
             e.Inertia(0.001)});
        Axis().LoadWeight.Value = 100.0;
        RunMechanism(m, 99, 99, 2.0, 4.0);  // carried torque and inertia are not read
        const double r = 0.05;
        const double jd = Disk(Mass(20), r);
        // an idler turns r / ri = 2 times faster: its inertia counts 4 times
        const double ji = 2 * Disk(Mass(5), 0.025) * 4;
        const double jl = Mass(130) * r * r / 0.95;
        const double jBelt = Mass(30) * r * r / 0.95;
        const double jt = 0.001 + jd + ji + jl;
        const double jm = jBelt + 0.001 + jd + ji;
        const double force = 130 * (0.1 * std::cos(kPi / 6) + std::sin(kPi / 6)) + 10;  // 86.26 N
        const double t = force * r / 0.95;                                              // 4.540 N.m
        ExpectMechanism(m, 2.0, 4.0, jt, t, t + kTwoPi * 4.0 * jt, jm);

        // Not chained: the load weight takes no part.
        RunMechanism(m, 99, 99, 2.0, 4.0, model::kFalse);
        const double tEmpty = (30 * (0.1 * std::cos(kPi / 6) + std::sin(kPi / 6)) + 10) * r / 0.95;
        EXPECT_REL(Result(m, 2), tEmpty);
        EXPECT_REL(Result(m, 1), 0.001 + jd + ji + jBelt);
    }
}

TEST_F(CalcMechanisms, LeadscrewTurnsForceIntoTorqueThroughItsLead)
{
    for (const UnitSet& u : kUnitSets) {
        SCOPED_TRACE(u.name);
        NewAxis();
        const Entry e{u};
        // lead 5 mm/rev given as 0.2 rev/mm, or as 5.08 rev/in
        const ParamRec lead = u.length == 1 ? Param(0.2, 1, kRevPerMm, 10)
                                            : Param(kInchMm / 5, 1 / kInchMm, kRevPerIn, 10);
        // screw D 20 x 500, 90 %, mu 0.1, preload 0.05 N.m, thrust 20 N,
        // added weight 10 N, 30 degrees, added inertia 0.0001 kg.m^2
        const int16_t m = AddMechanism(
            MechanismType::Leadscrew,
            {e.Length(20), e.Length(500), e.Density(7.85), lead, Entry::Percent(90),
             Entry::Plain(0.1), e.Torque(0.05), e.Weight(20), e.Weight(10), Entry::Angle(30),
             e.Inertia(0.0001), e.LinearVelocity(0)});
        Axis().LoadWeight.Value = 100.0;
        RunMechanism(m, 99, 99, 5.0, 8.0);
        const double leadM = 0.005;
        const double js = Disk(Mass(DensityWeight(7.85, Cylinder(10, 0, 500))), 0.01);
        const double perKg = std::pow(leadM / kTwoPi, 2);  // m (lead / 2 pi)^2
        const double jt = js + 0.0001 + Mass(110) * perKg / 0.9;
        const double jm = js + 0.0001 + Mass(10) * perKg / 0.9;
        const double force = 110 * (0.1 * std::cos(kPi / 6) + std::sin(kPi / 6)) + 20;
        const double t = force * leadM / (kTwoPi * 0.9) + 0.05;
        ExpectMechanism(m, 5.0, 8.0, jt, t, t + kTwoPi * 8.0 * jt, jm);
    }
}

TEST_F(CalcMechanisms, LeadscrewTakesItsLeadInEveryPitchUnit)
{
    // 5 mm/rev in each pitch/lead unit: the same torque (20 N through
    // 5 mm/rev at 100 %: 20 * 0.005 / 2 pi N.m)
    const ParamRec leads[] = {Param(0.2, 1, kRevPerMm, 10), Param(5, -1, kMmPerRev, 10),
                              Param(kInchMm / 5, 1 / kInchMm, kRevPerIn, 10),
                              Param(5 / kInchMm, 0, kInPerRev, 10)};
    for (const ParamRec& lead : leads) {
        SCOPED_TRACE(lead.UnitID);
        NewAxis();
        AddMechanism(MechanismType::Leadscrew,
                     {Param(0), Param(0), Param(0), lead, Entry::Percent(100), Param(0), Param(0),
                      Param(20)});
        RunMechanism(0, 0, 0, 0, 0);
        EXPECT_REL(Result(0, 2), 20 * 0.005 / kTwoPi);
    }
}

TEST_F(CalcMechanisms, LeadscrewWarnsAtTerminalVelocityAndScrewLength)
{
    struct Case { const char* name; double velocity; double travelRev; ParamRec terminal;
                  std::vector<int16_t> warnings; };
    // terminal 100 mm/s at 5 mm/rev = 20 rev/s (or 1200 rpm); screw 500 mm
    const ParamRec linear = Param(100, 1, kMmPerS, 4);
    const ParamRec rotary = Param(1200, 1.0 / 60, kRpm, 4);
    const Case cases[] = {
        {"above", 21.0, 0, linear, {174}},
        {"at 98 %", 19.6, 0, linear, {175}},
        {"below 98 %", 19.5, 0, linear, {}},
        {"above, rotary unit", 21.0, 0, rotary, {174}},
        {"no terminal velocity", 99.0, 0, Param(0, 1, kMmPerS, 4), {}},
        // 96 rev * 5 mm = 480 mm >= 95 % of 500; 101 rev = 505 mm > 500
        {"travel close", 1.0, 96, linear, {177}},
        {"travel beyond", 1.0, 101, linear, {176}},
        {"travel short", 1.0, 90, linear, {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        NewAxis();
        AddMechanism(MechanismType::Leadscrew,
                     {Param(20, 1, kMm), Param(500, 1, kMm), Param(7.85, 1, kGPerCm3),
                      Param(5, -1, kMmPerRev, 10), Entry::Percent(90), Param(0), Param(0),
                      Param(0), Param(0), Param(0), Param(0), k.terminal});
        if (k.travelRev != 0)
            AddSegment(0, 0, 1, 0, k.travelRev);
        RunMechanism(0, 0, 0, k.velocity, 0);
        EXPECT_EQ(Warnings(), k.warnings);
    }
}

TEST_F(CalcMechanisms, RackPinionMovesRackAndLoadAtThePinionRim)
{
    for (const UnitSet& u : kUnitSets) {
        SCOPED_TRACE(u.name);
        NewAxis();
        const Entry e{u};
        // pinion D 40 x 30, rack 50 N x 1000 mm, 95 %, mu 0.05, thrust 5 N,
        // 10 degrees, added inertia 0.0002 kg.m^2
        const int16_t m = AddMechanism(
            MechanismType::RackPinion,
            {e.Length(40), e.Length(30), e.Weight(50), e.Length(1000), e.Density(7.85), Param(0),
             Entry::Percent(95), Entry::Plain(0.05), e.Weight(5), Entry::Angle(10),
             e.Inertia(0.0002)});
        Axis().LoadWeight.Value = 200.0;
        RunMechanism(m, 99, 99, 3.0, 6.0);
        const double r = 0.02;
        const double jp = Disk(Mass(DensityWeight(7.85, Cylinder(20, 0, 30))), r);
        const double jt = 0.0002 + jp + Mass(250) * r * r / 0.95;
        const double jm = 0.0002 + jp + Mass(50) * r * r / 0.95;
        const double angle = 10 * kPi / 180;
        const double t = (250 * (0.05 * std::cos(angle) + std::sin(angle)) + 5) * r / 0.95;
        ExpectMechanism(m, 3.0, 6.0, jt, t, t + kTwoPi * 6.0 * jt, jm);
    }
}

TEST_F(CalcMechanisms, RackPinionWarnsAtRackLength)
{
    // linear distances in mm against a rack of 1000 mm
    struct Case { double travel; std::vector<int16_t> warnings; };
    const Case cases[] = {{950, {180}}, {1010, {179}}, {900, {}}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.travel);
        NewAxis();
        AddMechanism(MechanismType::RackPinion,
                     {Param(40, 1, kMm), Param(30, 1, kMm), Param(50, 1, kNewton),
                      Param(1000, 1, kMm), Param(7.85, 1, kGPerCm3), Param(0.01, 1, kRevPerMm, 10),
                      Entry::Percent(95)});
        Axis().MotionMode = MotionMode::Linear;
        AddSegment(LinearSegment(0, 0, 1, 0, k.travel));
        RunMechanism(0, 0, 0, 0, 0);
        EXPECT_EQ(Warnings(), k.warnings);
    }
}

TEST_F(CalcMechanisms, RotaryTableCountsTheLoadOnceThroughTheCarriedInertia)
{
    for (const UnitSet& u : kUnitSets) {
        SCOPED_TRACE(u.name);
        NewAxis();
        const Entry e{u};
        // 90 %, own inertia 0.001, ratio 10, aluminium table D 300 x 20
        const int16_t m = AddMechanism(
            MechanismType::RotaryTable,
            {Entry::Percent(90), e.Inertia(0.001), Entry::Plain(10), Entry::Plain(0),
             e.Length(300), e.Length(20), e.Density(2.7), Param(0, 1, kRevPerS, 5)});
        Axis().LoadWeight.Value = 100.0;  // its inertia arrives as the carried 0.2
        RunMechanism(m, 5.0, 0.2, 1.5, 2.0);
        const double jTable = Disk(Mass(DensityWeight(2.7, Cylinder(150, 0, 20))), 0.15);
        const double jt = (0.2 + jTable) / 100 / 0.9 + 0.001;
        const double jm = jTable / 100 / 0.9 + 0.001;
        // no constant torque; input at 15 rev/s, 20 rev/s^2
        ExpectMechanism(m, 15.0, 20.0, jt, 0.0, kTwoPi * 20.0 * jt, jm);
    }
}

TEST_F(CalcMechanisms, RotaryTableWarnsAtItsMaximumInputVelocity)
{
    struct Case { double velocity, maximum; std::vector<int16_t> warnings; };
    // input = 10 x output velocity
    const Case cases[] = {{1.6, 15, {174}}, {1.5, 15, {175}}, {1.4, 15, {}}, {99, 0, {}}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.velocity);
        NewAxis();
        AddMechanism(MechanismType::RotaryTable,
                     {Entry::Percent(90), Param(0), Entry::Plain(10), Param(0), Param(0), Param(0),
                      Param(0), Param(k.maximum, 1, kRevPerS, 5)});
        RunMechanism(0, 0, 0, k.velocity, 0);
        EXPECT_EQ(Warnings(), k.warnings);
    }
}

TEST_F(CalcMechanisms, NipRollReflectsTheDrivenRollersBySurfaceSpeed)
{
    for (const UnitSet& u : kUnitSets) {
        SCOPED_TRACE(u.name);
        NewAxis();
        const Entry e{u};
        // steel drive roller D 100 / 80 x 300; two aluminium rollers D 50 x
        // 300; web tension 100 N; additional torque 0.5 N.m
        const int16_t m = AddMechanism(
            MechanismType::NipRoll,
            {e.Length(100), e.Length(80), e.Length(300), e.Density(7.85), Entry::Plain(2),
             e.Length(50), e.Length(0), e.Length(300), e.Density(2.7), e.Weight(100),
             e.Torque(0.5)});
        RunMechanism(m, 1.0, 0.01, 3.0, 5.0);
        const double j1 = Hollow(Mass(DensityWeight(7.85, Cylinder(50, 40, 300))), 0.05, 0.04);
        const double j2 = Disk(Mass(DensityWeight(2.7, Cylinder(25, 0, 300))), 0.025);
        // driven rollers turn 50 / 25 = 2 times faster: inertia x 4
        const double jt = 4 * (2 * j2 + 0.01) + j1;
        const double jm = 4 * 2 * j2 + j1;
        const double t = 100 * 0.05 + 0.5;  // 5.5 N.m
        ExpectMechanism(m, 3.0, 5.0, jt, t, t + 1.0 + kTwoPi * 5.0 * jt, jm);
    }
}

TEST_F(CalcMechanisms, WindersCarryTheirAdditionalTorqueLikeEveryMechanism)
{
    for (const UnitSet& u : kUnitSets) {
        SCOPED_TRACE(u.name);
        // paper roll D 400 on a core of D 100, 500 wide; steel support
        // rollers D 100 / 80 x 500; web tension 200 N; additional 1 N.m
        const double jRoll =
            Hollow(Mass(DensityWeight(0.9, Cylinder(200, 50, 500))), 0.2, 0.05);
        const double jSupport =
            Hollow(Mass(DensityWeight(7.85, Cylinder(50, 40, 500))), 0.05, 0.04);
        const Entry e{u};

        // Centre-driven: the motor turns the roll; a support roller runs at
        // the roll's surface speed, 200 / 50 = 4 times faster.
        NewAxis();
        AddMechanism(MechanismType::WinderCenter,
                     {e.Length(400), e.Length(100), e.Length(500), e.Density(0.9),
                      Entry::Plain(1), e.Length(100), e.Length(80), e.Length(500),
                      e.Density(7.85), e.Weight(200), e.Torque(1)});
        RunMechanism(0, 99, 99, 3.0, 5.0);  // nothing carried is read
        double jt = jRoll + 16 * jSupport;
        double t = 200 * 0.2 + 1;  // tension at the roll radius + 1 N.m = 41 N.m
        ExpectMechanism(0, 3.0, 5.0, jt, t, t + kTwoPi * 5.0 * jt, jt);

        // Surface-driven: the motor turns one of two support rollers; the roll
        // turns 4 times slower.
        NewAxis();
        AddMechanism(MechanismType::WinderSurface,
                     {e.Length(400), e.Length(100), e.Length(500), e.Density(0.9),
                      Entry::Plain(2), e.Length(100), e.Length(80), e.Length(500),
                      e.Density(7.85), e.Weight(200), e.Torque(1)});
        RunMechanism(0, 99, 99, 3.0, 5.0);
        jt = 2 * jSupport + jRoll / 16;
        t = 200 * 0.05 + 1;  // tension at the support roller radius + 1 N.m = 11 N.m
        ExpectMechanism(0, 3.0, 5.0, jt, t, t + kTwoPi * 5.0 * jt, jt);
    }
}

TEST_F(CalcMechanisms, MissingDivisorsGiveZeroContributions)
{
    // Each case leaves out the value a step divides by; the step's share
    // becomes 0 (or the ratio 1) instead of a division by zero.
    // Carried: 0.2 kg.m^2 and 1 N.m at 2 rev/s, 3 rev/s^2.
    const Entry e{kBasicUnits};
    const double conveyorJ = 0.001 + Disk(Mass(20), 0.05) + 2 * Mass(5) * 0.05 * 0.05 / 2;
    const double driveRoller = Hollow(Mass(DensityWeight(7.85, Cylinder(50, 40, 300))), 0.05, 0.04);
    struct Case {
        const char* name;
        int16_t type;
        std::vector<ParamRec> entries;
        double velocity, totalInertia, torque, peak, mechanismInertia;
    };
    const Case cases[] = {
        // efficiency 0: no inertia and no torque pass through the screw
        {"leadscrew without efficiency", MechanismType::Leadscrew,
         {e.Length(20), e.Length(500), e.Density(7.85), Param(0.2, 1, kRevPerMm, 10),
          Entry::Percent(0), Param(0), e.Torque(0.05), e.Weight(20)},
         2, 0, 0, 0, 0},
        // lead 0: the moved weight adds no inertia and the torque, preload
        // included, is 0; the added inertia 0.002 stays: peak 2 pi 3 0.002
        {"leadscrew without lead", MechanismType::Leadscrew,
         {Param(0), Param(0), Param(0), Param(0, 1, kRevPerMm, 10), Entry::Percent(100),
          Param(0), e.Torque(0.05), e.Weight(20), e.Weight(10), Param(0), e.Inertia(0.002)},
         2, 0.002, 0, kTwoPi * 3 * 0.002, 0.002},
        {"rack-pinion without efficiency", MechanismType::RackPinion,
         {e.Length(40), e.Length(30), e.Weight(50), e.Length(1000), e.Density(7.85), Param(0),
          Entry::Percent(0), Param(0), e.Weight(5)},
         2, 0, 0, 0, 0},
        // drive pulley 20 N D 100, idlers 2 x 5 N: only the pulleys and the
        // added inertia remain, no torque
        {"conveyor without efficiency", MechanismType::Conveyor,
         {e.Length(100), e.Weight(20), Entry::Plain(2), e.Length(50), e.Weight(5), e.Weight(30),
          Entry::Plain(0.1), Entry::Percent(0), e.Weight(10), Param(0), e.Inertia(0.001)},
         2, conveyorJ, 0, kTwoPi * 3 * conveyorJ, conveyorJ},
        // ratio 0: nothing reflects, the input stands still; own inertia 0.001
        {"rotary table without ratio", MechanismType::RotaryTable,
         {Entry::Percent(90), e.Inertia(0.001), Entry::Plain(0)},
         0, 0.001, 0, 0, 0.001},
        // driven rollers without diameter: ratio 1, the carried 0.2 as it is
        {"nip roll without driven rollers", MechanismType::NipRoll,
         {e.Length(100), e.Length(80), e.Length(300), e.Density(7.85), Entry::Plain(2)},
         2, 0.2 + driveRoller, 0, 1 + kTwoPi * 3 * (0.2 + driveRoller), driveRoller},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        NewAxis();
        AddMechanism(k.type, {});
        for (size_t n = 0; n < k.entries.size(); ++n)
            Axis().Mechanisms[0].MechanismData[n] = k.entries[n];
        RunMechanism(0, 1.0, 0.2, 2.0, 3.0);
        using namespace calc::MechResultIndex;
        EXPECT_REL(Result(0, MaxInputVelocity), k.velocity);
        EXPECT_REL(Result(0, TotalInertia), k.totalInertia);
        EXPECT_REL(Result(0, ConstantTorque), k.torque);
        EXPECT_REL(Result(0, PeakTorque), k.peak);
        EXPECT_REL(Result(0, MechanismInertia), k.mechanismInertia);
    }
}

TEST_F(CalcMechanisms, UnchainedRunIgnoresWhatTheLoadSideCarries)
{
    // Not chained, a mechanism computes as if nothing were carried and, for
    // the end devices that take it, there were no load weight: the same
    // results as a chained run seeded with 0 torque, 0 inertia, 0 weight.
    const Entry e{kBasicUnits};
    const std::vector<ParamRec> rollers = {
        e.Length(100), e.Length(80), e.Length(300), e.Density(7.85), Entry::Plain(2),
        e.Length(50), e.Length(0), e.Length(300), e.Density(2.7), e.Weight(100), e.Torque(0.5)};
    struct Case { int16_t type; std::vector<ParamRec> entries; };
    const Case cases[] = {
        {MechanismType::BeltPulley,
         {e.Length(50), e.Weight(5), Param(0), Param(0), Entry::Plain(1), e.Length(150),
          e.Weight(20), Param(0), Param(0), e.Weight(3), Entry::Percent(90), e.Torque(0.1)}},
        {MechanismType::Conveyor,
         {e.Length(100), e.Weight(20), Entry::Plain(2), e.Length(50), e.Weight(5), e.Weight(30),
          Entry::Plain(0.1), Entry::Percent(95), e.Weight(10), Entry::Angle(30),
          e.Inertia(0.001)}},
        {MechanismType::Coupling,
         {e.Length(40), e.Length(20), e.Length(50), Param(0), e.Density(7.85)}},
        {MechanismType::Disk, {e.Length(100), e.Length(20), Param(0), e.Density(7.85)}},
        {MechanismType::Gearbox, {Entry::Percent(90), e.Inertia(0.0002), Entry::Plain(5)}},
        {MechanismType::Leadscrew,
         {e.Length(20), e.Length(500), e.Density(7.85), Param(0.2, 1, kRevPerMm, 10),
          Entry::Percent(90), Entry::Plain(0.1), e.Torque(0.05), e.Weight(20), e.Weight(10),
          Entry::Angle(30), e.Inertia(0.0001)}},
        {MechanismType::RackPinion,
         {e.Length(40), e.Length(30), e.Weight(50), e.Length(1000), e.Density(7.85), Param(0),
          Entry::Percent(95), Entry::Plain(0.05), e.Weight(5), Entry::Angle(10),
          e.Inertia(0.0002)}},
        {MechanismType::RotaryTable,
         {Entry::Percent(90), e.Inertia(0.001), Entry::Plain(10), Param(0), e.Length(300),
          e.Length(20), e.Density(2.7)}},
        {MechanismType::NipRoll, rollers},
        {MechanismType::WinderCenter, rollers},
        {MechanismType::WinderSurface, rollers},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.type);
        NewAxis();
        AddMechanism(k.type, {});
        for (size_t n = 0; n < k.entries.size(); ++n)
            Axis().Mechanisms[0].MechanismData[n] = k.entries[n];
        RunMechanism(0, 0, 0, 2.0, 3.0);
        double expected[5];
        for (int cell = 0; cell < 5; ++cell)
            expected[cell] = Result(0, cell);
        const double chain[4] = {gdChainValue1, gdChainValue2, gdChainValue3, gdChainValue4};

        Axis().LoadWeight.Value = 150.0;
        RunMechanism(0, 7.0, 0.3, 2.0, 3.0, model::kFalse);
        for (int cell = 0; cell < 5; ++cell)
            EXPECT_EQ(Result(0, cell), expected[cell]) << "cell " << cell;
        EXPECT_EQ(gdChainValue1, chain[0]);
        EXPECT_EQ(gdChainValue2, chain[1]);
        EXPECT_EQ(gdChainValue3, chain[2]);
        EXPECT_EQ(gdChainValue4, chain[3]);
    }
}

TEST_F(CalcMechanisms, CodesWithoutCalculationChangeNothing)
{
    for (int16_t code : {int16_t{8}, int16_t{50}, int16_t{111}}) {
        SCOPED_TRACE(code);
        NewAxis();
        AddMechanism(code, {Param(1), Param(2), Param(3)});
        Axis().Mechanisms[0].MechResult[1].Value = 42;
        RunMechanism(0, 1, 2, 3, 4);
        EXPECT_EQ(gdChainValue1, 1000);
        EXPECT_EQ(gdChainValue2, 2000);
        EXPECT_EQ(gdChainValue3, 3);
        EXPECT_EQ(gdChainValue4, 4);
        EXPECT_EQ(Result(0, 1), 42);
    }
}

} // namespace
} // namespace calc_test
