// The dynamic pass over the profile: segment torques, the motor's inertia,
// the peak torque with the speed of its segment, and the result units.
#include "tests/model/SizingTestSupport.h"
#include "tests/support/VerticalLeadscrewAxis.h"

namespace sizing_test {
namespace {

class DynamicPassTest : public SizingTest {
protected:
    // A steel disk 200 mm x 20 mm (4.9339 kg, 0.0246698 kg.m^2): no
    // constant torque, only inertia.
    void AddDisk() { AddMechanism(MechanismType::Disk, {{0, 200}, {1, 20}, {3, 7.85}}); }
    static double Disk() { return CylinderInertia(PartMass(7.85, CylinderVolume(200, 20)), 200); }

    double Run(std::vector<double>& torques, double& speed, int16_t rawUnit = model::kTrue)
    {
        return dFctCalculateAxis(kAxisId, torques, unit_, speed, rawUnit);
    }
    int16_t unit_ = 99;
};

TEST_F(DynamicPassTest, MotorInertiaCountsOnlyWithAMotor)
{
    // 0 -> 120 rpm in 0.5 s: 4 rev/s^2; 2 pi x J x 4 per kg.m^2.
    AddDisk();
    SetSegments({{0, 120, 0.5}, {120, 120, 1}});
    SetMotor({{3, 0.5}, {6, 0.2}, {8, 0.1}});  // no gear ratio: the gear inertia is not used
    std::vector<double> torques;
    double speed = 0;
    struct Case {
        int16_t motorDefined;
        double motorInertia;
    } cases[] = {{model::kFalse, 0.0}, {model::kTrue, KgCm2(0.5 + 0.2)}};
    for (const Case& c : cases) {
        Axis().MotorDefined = c.motorDefined;
        const double peak = Run(torques, speed);
        const double expected = 2 * kPi * (Disk() + c.motorInertia) * 4;
        EXPECT_CLOSE(peak, expected);
        ASSERT_EQ(torques.size(), 3u);
        EXPECT_CLOSE(torques[0], expected);
        EXPECT_EQ(torques[1], 0.0);
        EXPECT_EQ(torques[2], 0.0);
        EXPECT_EQ(unit_, Unit::NewtonMetre);
        EXPECT_CLOSE(speed, 2.0);
    }
    // The variant with the motor inertia given (kg.m^2 x 1000).
    const double peak = nFctCalcSegmentTorqueTable(kAxisId, torques, unit_, speed, model::kTrue, 5.0);
    EXPECT_CLOSE(peak, 2 * kPi * (Disk() + 0.005) * 4);
}

TEST_F(DynamicPassTest, EachSegmentTakesItsOwnConstantTorqueAndThePeakItsSpeed)
{
    // Leadscrew 10 mm x 100 mm steel, 10 mm/rev, 90 %, friction 0.2; 100 N
    // load. Out with the load at 600 rpm, back without it (load flag 0),
    // braked hard from 600 rpm in 0.05 s.
    AddMechanism(MechanismType::Leadscrew, {{0, 10}, {1, 100}, {2, 7.85}, {3, 10}, {4, 90}, {5, 0.2}});
    SetLoad(LoadType::WeightOnly, {100});
    SetSegments({{0, 600, 0.5}, {600, 600, 0.5}, {600, 0, 0.05, 0, 0, 0}});
    std::vector<double> torques;
    double speed = 0;
    const double jm = 1e-4;  // kg.m^2
    const double peak = nFctCalcSegmentTorqueTable(kAxisId, torques, unit_, speed, model::kTrue, jm * 1000);

    // Friction 0.2 x 100 N over 10 mm/rev at 90 %: 0.0353678 N.m with the
    // load, 0 without it.
    const double tc = 0.2 * 100 * 0.01 / (2 * kPi * 0.9);
    const double screw = CylinderInertia(PartMass(7.85, CylinderVolume(10, 100)), 10);
    const double load = 100 / kG * std::pow(0.01 / (2 * kPi), 2) / 0.9;
    // 10 rev/s reached in 0.5 s (20 rev/s^2), stopped in 0.05 s (-200).
    const double t0 = tc + 2 * kPi * (screw + load + jm) * 20;  // 0.05164 N.m
    const double t2 = -2 * kPi * (screw + jm) * 200;             // -0.12663 N.m
    ASSERT_EQ(torques.size(), 4u);
    EXPECT_CLOSE(torques[0], t0);
    EXPECT_CLOSE(torques[1], tc);
    EXPECT_CLOSE(torques[2], t2);
    // The peak is the braking segment's magnitude, at the 10 rev/s it
    // starts from.
    EXPECT_CLOSE(peak, -t2);
    EXPECT_CLOSE(speed, 10.0);
}

TEST_F(DynamicPassTest, ASegmentAtRestHoldsWhatActsAtStandstill)
{
    // A gearbox 4:1 at 90 % (no inertia of its own) before each end device;
    // 0 -> 60 rpm at the end device in 0.5 s, back in 0.5 s, 1 s at rest.
    // At rest nothing turns: the load's torque at the end device is held
    // through the gearbox without its losses, / 4 (the constant torque at
    // the motor, / (4 x 0.9) and / 0.9 more for the screw's own losses,
    // times the chain's 0.9 x 0.9). Friction is not held on a level axis.
    struct Case {
        const char* name;
        int16_t type;
        std::initializer_list<std::pair<int16_t, double>> values;
        double weight;  // N of a weight-only load, 0 for none
        double held;    // N.m at the motor
    } cases[] = {
        // Screw 12 x 400 mm, 10 mm/rev, 90 %, friction 0.1; 10 kg. Vertical:
        // 98.0665 N x 0.01 m / 2 pi / 4 = 0.0390194 N.m.
        {"vertical screw", MechanismType::Leadscrew,
         {{0, 12}, {1, 400}, {2, 7.85}, {3, 10}, {4, 90}, {5, 0.1}, {9, 90}}, 98.0665,
         98.0665 * 0.01 / (2 * kPi) / 4},
        // 30 degrees, the friction term kept: 98.0665 (sin 30 + 0.1 cos 30) =
        // 57.5261 N x 0.01 m / 2 pi / 4 = 0.0228889 N.m.
        {"screw on a slope", MechanismType::Leadscrew,
         {{0, 12}, {1, 400}, {2, 7.85}, {3, 10}, {4, 90}, {5, 0.1}, {9, 30}}, 98.0665,
         98.0665 * (0.5 + 0.1 * std::sqrt(3.0) / 2) * 0.01 / (2 * kPi) / 4},
        // Level: friction only, nothing held.
        {"level screw", MechanismType::Leadscrew,
         {{0, 12}, {1, 400}, {2, 7.85}, {3, 10}, {4, 90}, {5, 0.1}}, 98.0665, 0.0},
        // Roll 400 mm, web tension 200 N: 200 x 0.2 m / 4 = 10 N.m.
        {"centre-driven winder", MechanismType::WinderCenter, {{0, 400}, {9, 200}}, 0, 10.0},
        // Roll 400 mm on a 100 mm support roller, 200 N: 200 x 0.2 m / (0.2 /
        // 0.05) = 10 N.m at the roller, / 4 = 2.5 N.m.
        {"surface-driven winder", MechanismType::WinderSurface, {{0, 400}, {5, 100}, {9, 200}}, 0, 2.5},
        // Drive roller 100 mm, 50 N: 50 x 0.05 m / 4 = 0.625 N.m.
        {"nip roll", MechanismType::NipRoll, {{0, 100}, {9, 50}}, 0, 0.625},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewAxis();
        AddMechanism(MechanismType::Gearbox, {{0, 90}, {2, 4}});
        AddMechanism(c.type, c.values);
        if (c.weight > 0)
            SetLoad(LoadType::WeightOnly, {c.weight});
        SetSegments({{0, 60, 0.5}, {60, 0, 0.5}, {0, 0, 1}});
        std::vector<double> torques;
        double speed = 0;
        Run(torques, speed);
        ASSERT_EQ(torques.size(), 4u);
        EXPECT_NEAR(torques[2], c.held, 1e-9 * c.held + 1e-15);
    }
}

TEST_F(DynamicPassTest, TheHeldWeightCanBeThePeakAtStandstill)
{
    // The shared vertical screw (no gearbox) only lowering its 10 kg and
    // then holding it: -100 mm/s in 0.2 s, back to rest in 0.2 s, 0.5 s at
    // rest; no motor. Screw 6.39441e-6 and weight 2.81446e-5 kg.m^2: Tacc =
    // 2 pi x 3.45390e-5 x 50 = 0.0108508 N.m. Down T_L x 0.9 - Tacc =
    // 0.129619, braking T_L x 0.9 + Tacc = 0.151321, at rest T_L = 0.156078
    // N.m: the peak is the holding, at motor speed 0.
    namespace axis = testing_support::vertical_leadscrew_axis;
    axis::Build(kAxisId);
    SetSegments({{0, -100, 0.2}, {-100, 0, 0.2}, {0, 0, 0.5}, {0, 0, 0}, {0, 0, 0}});
    Axis().MotorDefined = model::kFalse;
    std::vector<double> torques;
    double speed = -1;
    const double tl = 98.0665 * 0.01 / (2 * kPi);
    EXPECT_CLOSE(Run(torques, speed), tl);
    EXPECT_EQ(speed, 0.0);
    ASSERT_EQ(torques.size(), 4u);
    const double acc = 2 * kPi * (CylinderInertia(PartMass(7.85, CylinderVolume(12, 400)), 12) +
                                  98.0665 / kG * std::pow(0.01 / (2 * kPi), 2) / 0.9) * 50;
    EXPECT_CLOSE(torques[1], tl * 0.9 + acc);
}

TEST_F(DynamicPassTest, NearlyEqualExtremesTakeTheFasterSegment)
{
    // +2 pi J 4 at up to 1 rev/s (0 -> 60 rpm in 0.25 s); then up to 120
    // rpm; braking from 2 rev/s at 4 / 1.004 or 4 / 1.2 rev/s^2.
    AddDisk();
    std::vector<double> torques;
    double speed = 0;
    struct Case {
        double brakeTime;
        double speedAtPeak;
    } cases[] = {
        {0.502, 2.0},  // |min| = 0.996 max: within 1 %, the faster segment
        {0.6, 1.0},    // |min| = 0.833 max: the segment of the maximum
    };
    for (const Case& c : cases) {
        SetSegments({{0, 60, 0.25}, {60, 120, 1}, {120, 0, c.brakeTime}});
        const double peak = Run(torques, speed);
        EXPECT_CLOSE(peak, 2 * kPi * Disk() * 4);
        EXPECT_CLOSE(speed, c.speedAtPeak);
    }
}

TEST_F(DynamicPassTest, TorquesInTheSelectedUnit)
{
    AddDisk();
    SetSegments({{0, 120, 0.5}});
    const double nm = 2 * kPi * Disk() * 4;
    std::vector<double> torques;
    double speed = 0;
    gnMTorqueUnit = 1;  // N.cm, the second metric torque unit
    EXPECT_CLOSE(Run(torques, speed, model::kFalse), nm * 100);
    EXPECT_EQ(unit_, 57);
    EXPECT_CLOSE(torques[0], nm * 100);
    UseUnitSystem(0);  // English engineering: lbf.in by default
    EXPECT_CLOSE(Run(torques, speed, model::kFalse), nm / kPoundInchInNm);
    EXPECT_EQ(unit_, Unit::PoundInch);
}

TEST_F(DynamicPassTest, AnAxisThatCannotBeCalculatedGivesNothing)
{
    AddDisk();  // no profile
    std::vector<double> torques{1, 2, 3};
    double speed = 7;
    EXPECT_EQ(Run(torques, speed), 0.0);
    EXPECT_EQ(torques, std::vector<double>{0.0});
    EXPECT_EQ(speed, 0.0);
    EXPECT_EQ(unit_, 99);
    EXPECT_EQ(dFctCalculateAxis(9, torques, unit_, speed, model::kTrue), 0.0);
}

} // namespace
} // namespace sizing_test
