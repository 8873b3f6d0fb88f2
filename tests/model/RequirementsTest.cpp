// Motor requirements: RMS and peak torque for a given motor inertia, the
// speed and power tables, the requirement cells and the formatted values.
#include "tests/model/SizingTestSupport.h"

namespace sizing_test {
namespace {

class RequirementsTest : public SizingTest {
protected:
    // A 5:1 gearbox (100 %, no inertia of its own) turning a steel disk
    // 200 mm x 20 mm (0.0246698 kg.m^2, 9.86792e-4 at the motor): 0 -> 120
    // rpm in 0.5 s, 1 s steady, 0.5 s to rest. At the motor 600 rpm and
    // 20 rev/s^2: +-2 pi x 9.86792e-4 x 20 = 0.124002 N.m on the ramps.
    void BuildAxis()
    {
        AddMechanism(MechanismType::Gearbox, {{0, 100}, {2, 5}});
        AddMechanism(MechanismType::Disk, {{0, 200}, {1, 20}, {3, 7.85}});
        SetSegments({{0, 120, 0.5}, {120, 120, 1}, {120, 0, 0.5}});
    }
    static double ReflectedDisk()
    {
        return CylinderInertia(PartMass(7.85, CylinderVolume(200, 20)), 200) / 25;
    }
    static double RampTorque(double motorInertia)
    {
        return 2 * kPi * (ReflectedDisk() + motorInertia) * 20;
    }
};

TEST_F(RequirementsTest, RmsTableForAGivenMotorInertia)
{
    BuildAxis();
    std::vector<ResultCell> cells;
    // 1e-3 kg.m^2 (1 in the chain scale): ramps 0.2497 N.m for 0.5 s each
    // of 2 s: RMS = T / sqrt(2).
    nFctGetRmsTorqueTable(kAxisId, 1.0, cells);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_CLOSE(cells[0].Value, RampTorque(1e-3) / std::sqrt(2.0));
    EXPECT_CLOSE(cells[1].Value, RampTorque(1e-3));
    EXPECT_EQ(cells[0].UnitID, Unit::NewtonMetre);
    // The same in English engineering: lbf.in.
    UseUnitSystem(0);
    nFctGetRmsTorqueTable(kAxisId, 1.0, cells);
    EXPECT_CLOSE(cells[1].Value, RampTorque(1e-3) / kPoundInchInNm);
    EXPECT_EQ(cells[1].UnitID, Unit::PoundInch);
    // Nothing to calculate: two empty cells.
    nFctGetRmsTorqueTable(9, 1.0, cells);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].Value, 0.0);
    EXPECT_EQ(cells[1].UnitID, 0);
}

TEST_F(RequirementsTest, RequirementCellsAndMotorFlag)
{
    BuildAxis();
    SetMotor({{3, 10}});  // 1e-3 kg.m^2
    Axis().MotorDefined = model::kFalse;
    nFctGetMotorRequirements(kAxisId, model::kTrue);
    EXPECT_EQ(Axis().MotorDefined, model::kFalse);  // put back
    int16_t unit = -5;
    EXPECT_CLOSE(dFctGetRequirementResult(kAxisId, 0, unit), RampTorque(1e-3) / std::sqrt(2.0));
    EXPECT_EQ(unit, Unit::NewtonMetre);
    EXPECT_CLOSE(dFctGetRequirementResult(kAxisId, 1, unit), RampTorque(1e-3));
    EXPECT_CLOSE(dFctGetRequirementResult(kAxisId, 2, unit), 10.0);
    EXPECT_EQ(unit, Unit::RevPerS);
    unit = -5;
    EXPECT_EQ(dFctGetRequirementResult(kAxisId, 3, unit), 0.0);
    EXPECT_EQ(unit, -5);

    // Without a calculable profile the cells keep what they held.
    SetSegments({{0, 0, 0}, {0, 0, 0}, {0, 0, 0}});
    nFctGetMotorRequirements(kAxisId, model::kTrue);
    EXPECT_CLOSE(Axis().SystemPeakTorque.Value, RampTorque(1e-3));
}

TEST_F(RequirementsTest, SpeedAndPowerTables)
{
    BuildAxis();
    // A segment from 60 to -60 rpm keeps its initial speed.
    SetSegments({{}, {}, {}, {60, -60, 1}});
    std::vector<double> speeds;
    EXPECT_CLOSE(dFctGetProfileVelocityTable(kAxisId, speeds), 120.0);
    ASSERT_EQ(speeds.size(), 10u);
    EXPECT_CLOSE(speeds[2], 120.0);
    EXPECT_CLOSE(speeds[3], 60.0);
    SubCalcAxisResults(kAxisId);
    EXPECT_CLOSE(dFctGetResultPerVelocity(kAxisId), 5.0);  // 600 rpm / 120 rpm

    // Power = torque (lbf.in) x speed (rpm) / 63025 hp; the braking
    // segment's power is negative.
    std::vector<double> power;
    int16_t powerUnit = 0;
    nFctGetPowerTable(kAxisId, power, powerUnit, speeds);
    const double lbfIn = RampTorque(0) / kPoundInchInNm;  // 1.09751 lbf.in
    const double hp = lbfIn * 600 / 63025;                 // 0.0104484 hp
    ASSERT_EQ(power.size(), 10u);
    EXPECT_EQ(powerUnit, 72);  // metric: kW
    EXPECT_CLOSE(power[0], hp * 0.7456999);
    EXPECT_NEAR(power[1], 0.0, 1e-15);
    EXPECT_CLOSE(power[2], -hp * 0.7456999);
    EXPECT_CLOSE(speeds[0], 600.0);
    // 60 -> -60 rpm in 1 s at the disk: 2 rev/s^2 (positive, the speed's
    // magnitude does not fall), 10 at the motor, half the ramp torque, at
    // 300 rpm: a quarter of the ramp's power.
    EXPECT_CLOSE(power[3], hp / 4 * 0.7456999);
    EXPECT_EQ(power[4], 0.0);

    UseUnitSystem(0);
    nFctGetPowerTable(kAxisId, power, powerUnit, speeds);
    EXPECT_EQ(powerUnit, 73);  // horsepower
    EXPECT_CLOSE(power[0], hp);
    nFctGetPowerTable(9, power, powerUnit, speeds);
    EXPECT_EQ(powerUnit, 73);
}

TEST_F(RequirementsTest, FormattedValueInTheSelectedUnit)
{
    UseUnitSystem(0);
    std::string unitText;
    // 1 N.m = 8.850746 lbf.in, four decimals below 10.
    EXPECT_EQ(sFctFormatValueWithUnit(1.0, 12, Unit::NewtonMetre, unitText, "EE"), "8.8507");
    EXPECT_EQ(unitText, sFctGetUnitText(Unit::PoundInch));
    // 5 mm/rev has no factor to rev/in: 25.4 / 5 = 5.08 rev/in.
    EXPECT_EQ(sFctFormatValueWithUnit(5.0, 10, Unit::MmPerRev, unitText, "EE"), "5.08");
    EXPECT_EQ(unitText, sFctGetUnitText(Unit::RevPerIn));
}

} // namespace
} // namespace sizing_test
