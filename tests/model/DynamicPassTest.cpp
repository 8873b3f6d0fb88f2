// The dynamic pass over the profile: segment torques, the motor's inertia,
// the peak torque with the speed of its segment, and the result units.
#include "tests/model/SizingTestSupport.h"

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
