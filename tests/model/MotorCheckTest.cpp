// The motor check: every result code, the advice text with its layout and
// safety factors, and the read accessors of the motor block.
#include "model/basAxisCalculationsGearMotor.h"
#include "tests/model/SizingTestSupport.h"
#include "tests/support/GearMotorAxis.h"

#include <tuple>

namespace sizing_test {
namespace {

namespace gear_motor_axis = testing_support::gear_motor_axis;

class MotorCheckTest : public SizingTest {
protected:
    // A 5:1 gearbox (100 %) turning a steel disk 200 mm x 20 mm: load
    // inertia at the motor 0.0246698 / 25 = 9.86792e-4 kg.m^2; 600 rpm at
    // the motor, ramps of 20 rev/s^2 for 0.5 s each of 2 s, no constant
    // torque. With a rotor J: peak 2 pi (9.86792e-4 + J) 20, RMS peak / sqrt 2.
    void SetUp() override
    {
        SizingTest::SetUp();
        AddMechanism(MechanismType::Gearbox, {{0, 100}, {2, 5}});
        AddMechanism(MechanismType::Disk, {{0, 200}, {1, 20}, {3, 7.85}});
        SetSegments({{0, 120, 0.5}, {120, 120, 1}, {120, 0, 0.5}});
    }
    // Rated speed (rpm), rated and maximum torque (N.m), rotor (kg.cm^2).
    void UseMotor(double speed, double rated, double max, double rotor)
    {
        SetMotor({{0, speed}, {1, rated}, {2, max}, {3, rotor}});
    }
    int16_t CheckCode(int16_t category, int16_t withMotor = model::kTrue)
    {
        MotorRec motor;
        nFctGetMotorRecord(kAxisId, motor);
        return nFctCheckMotor(kAxisId, motor, category, withMotor);
    }
    std::string Text(int16_t& warnings, int16_t indent = 0, int16_t header = model::kTrue,
                     int16_t blank = 2)
    {
        std::string text;
        warnings = nFctBuildMotorCheckText(kAxisId, text, indent, header, blank);
        return text;
    }
    static std::string T(int16_t id) { return sFctGetText(id); }
};

// With the 2 kg.cm^2 rotor: RMS 0.105455, peak 0.149136 N.m, ratio 4.93.
// Without a rotor: RMS 0.0876829, peak 0.124002 N.m.
TEST_F(MotorCheckTest, EveryCodeOfTheCheck)
{
    namespace Code = calc::MotorCheckCode;
    struct Case {
        const char* name;
        double speed, rated, max, rotor;
        int16_t code;
    } cases[] = {
        {"meets all", 1000, 0.5, 1.0, 2, Code::Passed},
        {"600 rpm needed", 500, 0.5, 1.0, 2, Code::SpeedTooLow},
        {"rated below RMS", 1000, 0.1, 1.0, 2, Code::RatedTorqueTooLow},
        {"rated above 20 x 0.1055", 1000, 3.0, 1.0, 2, Code::RatedTorqueTooHigh},
        {"max below peak", 1000, 0.5, 0.14, 2, Code::MaxTorqueTooLow},
        {"max above 20 x 0.1491", 1000, 0.5, 3.5, 2, Code::MaxTorqueTooHigh},
        {"no rotor", 1000, 0.5, 1.0, 0, Code::RotorInertiaMissing},
        // 9.86792e-4 / 0.9e-4 = 10.96; / 1.5e-4 = 6.58; / 12e-4 = 0.82.
        {"ratio above 10", 1000, 0.5, 1.0, 0.9, Code::InertiaRatioDiscard},
        {"ratio above 6", 1000, 0.5, 1.0, 1.5, Code::InertiaRatioWarning},
        {"ratio below 1", 1000, 0.5, 1.0, 12, Code::InertiaRatioTooLow},
        // Several failures: the last one in the order speed, RMS, peak,
        // inertia.
        {"speed and RMS", 500, 0.1, 1.0, 2, Code::RatedTorqueTooLow},
        {"speed and ratio", 500, 0.5, 1.0, 12, Code::InertiaRatioTooLow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UseMotor(c.speed, c.rated, c.max, c.rotor);
        EXPECT_EQ(CheckCode(calc::MotorCheckCategory::All), c.code);
    }
    // Categories: speed and torques only, speed only, inertia only.
    UseMotor(500, 0.5, 1.0, 12);
    EXPECT_EQ(CheckCode(calc::MotorCheckCategory::SpeedAndTorques), Code::SpeedTooLow);
    EXPECT_EQ(CheckCode(calc::MotorCheckCategory::Speed), Code::SpeedTooLow);
    EXPECT_EQ(CheckCode(calc::MotorCheckCategory::RmsTorque), Code::Passed);
    EXPECT_EQ(CheckCode(calc::MotorCheckCategory::Inertia), Code::InertiaRatioTooLow);
    EXPECT_EQ(nFctCheckMotor(9, MotorRec{}, 0, model::kTrue), Code::Passed);
}

TEST_F(MotorCheckTest, WithoutRotorInertiaTheRealTorquesAreChecked)
{
    // The axis alone needs RMS 0.08768 N.m: a rated torque of 0.08 misses it.
    UseMotor(1000, 0.08, 1.0, 0);
    EXPECT_EQ(CheckCode(calc::MotorCheckCategory::RmsTorque, model::kFalse),
              calc::MotorCheckCode::RatedTorqueTooLow);
    int16_t warnings = 0;
    EXPECT_EQ(Text(warnings), T(215) + "\r\n" + T(266) + "\r\n\r\n" + T(215) + "\r\n" + T(270));
    EXPECT_EQ(warnings, 2);
    // 0.09 covers it; the missing inertia is still told.
    UseMotor(1000, 0.09, 1.0, 0);
    EXPECT_EQ(Text(warnings), T(215) + "\r\n" + T(270));
    EXPECT_EQ(warnings, 1);
}

TEST_F(MotorCheckTest, AdviceTextLayout)
{
    int16_t warnings = -1;
    UseMotor(1000, 0.5, 1.0, 2);
    EXPECT_EQ(Text(warnings, 4), "    " + T(264));
    EXPECT_EQ(warnings, 0);

    // Speed first, then the RMS torque; indent 2, one line break between.
    UseMotor(500, 0.1, 1.0, 2);
    const std::string header = "  " + T(215) + "\r\n";
    EXPECT_EQ(Text(warnings, 2, model::kTrue, 1),
              header + "  " + T(265) + "\r\n" + header + "  " + T(266));
    EXPECT_EQ(warnings, 2);

    // Torques above the range always name the maximum factor, in the plain
    // number form; no header, no blank line.
    UseMotor(1000, 3.0, 3.5, 2);
    EXPECT_EQ(Text(warnings, 0, model::kFalse, 0),
              T(329) + T(316) + " = 20" + T(330) + T(316) + " = 20");
    EXPECT_EQ(warnings, 2);

    // Below the range: the minimum factor only when it is above 1.
    UseMotor(1000, 0.15, 1.0, 2);
    EXPECT_EQ(Text(warnings, 0, model::kFalse, 1), T(264));
    gdMinTorqueFactor = 1.5;  // 1.5 x 0.105455 = 0.158 > 0.15
    EXPECT_EQ(Text(warnings, 0, model::kFalse, 1), T(266) + "\r\n" + T(315) + " = 1.5");
    EXPECT_EQ(warnings, 1);
    UseMotor(1000, 0.5, 0.2, 2);  // 1.5 x 0.149136 = 0.2237 > 0.2
    EXPECT_EQ(Text(warnings, 0, model::kFalse, 1), T(267) + "\r\n" + T(315) + " = 1.5");
}

TEST_F(MotorCheckTest, InertiaAdvice)
{
    int16_t warnings = 0;
    std::string text;
    UseMotor(1000, 0.5, 1.0, 0.9);  // ratio 10.96
    EXPECT_EQ(Text(warnings, 1, model::kFalse, 1), " " + T(268) + "\r\n " + T(269) + "10 : 1.");
    UseMotor(1000, 0.5, 1.0, 12);  // ratio 0.82
    EXPECT_EQ(Text(warnings, 1, model::kFalse, 1), " " + T(268) + "\r\n " + T(335) + "1 : 1.");
    // Between the limits: a gearbox with a higher ratio, as the chain has one.
    UseMotor(1000, 0.5, 1.0, 1.5);  // ratio 6.58
    gdMaxInertiaWarning = 6.5;
    EXPECT_EQ(Text(warnings, 0, model::kFalse, 1),
              T(268) + "\r\n" + T(269) + "6.5 : 1.\r\n" + T(281));
    EXPECT_EQ(warnings, 1);
    // A gear motor of 2:1 in front of the gearbox: its own gear a higher
    // ratio or a larger motor, never another gearbox. The load at the motor
    // 9.86792 / 2^2 = 2.46698 kg.cm^2 against a rotor of 0.4: 6.17.
    SetMotor({{0, 3000}, {1, 0.5}, {2, 1.0}, {3, 0.4}, {7, 2}});
    gdMaxInertiaWarning = 6;
    EXPECT_EQ(Text(warnings, 0, model::kFalse, 1), T(268) + "\r\n" + T(269) + "6 : 1.\r\n" + T(391));
    EXPECT_EQ(T(391), "We recommend a gear motor with a higher ratio or a larger motor.");
    gnLanguageOffset = 1000;
    EXPECT_EQ(T(391), "Wir empfehlen einen Getriebemotor mit größerer Übersetzung oder einen größeren Motor.");
    gnLanguageOffset = 0;
    // Without a gearbox: add one. The disk alone, 0.0246698 kg.m^2, against
    // a 36 kg.cm^2 rotor: 6.85.
    SubDeleteMechanism(kAxisId, 0);
    EXPECT_EQ(bFctAxisHasGearbox(kAxisId), model::kFalse);
    UseMotor(1000, 1.0, 2.0, 36);
    gdMaxInertiaWarning = 6;
    EXPECT_EQ(Text(warnings, 0, model::kFalse, 1), T(268) + "\r\n" + T(269) + "6 : 1.\r\n" + T(280));
}

// The motor and its gear: rotor 0.2, brake 0.1, gear 0.2 kg.cm^2, Kt 0.4
// N.m/A and a gear ratio. Behind a 3:1 gear the motor turns 3 times as fast
// as the drive shaft and gives a third of its torque; without gear every
// value stays exactly as it is and the gear inertia does not count.
TEST(MotorAndGearTest, BothSidesOfTheGear)
{
    auto motor = [](double ratio) {
        std::array<ParamRec, model::kMotorParamCapacity> data{};
        using namespace calc::MotorEntry;
        for (const auto& [entry, value, factor] : {std::tuple{RotorInertia, 0.2, 1e-4}, {BrakeInertia, 0.1, 1e-4},
                                                   {GearInertia, 0.2, 1e-4}, {TorqueConstant, 0.4, 1.0},
                                                   {GearRatio, ratio, 1.0}}) {
            data[static_cast<size_t>(entry)].Data = value;
            data[static_cast<size_t>(entry)].Factor = factor;
        }
        return calc::MotorAndGear(data);
    };
    const calc::MotorAndGear geared = motor(3);
    EXPECT_TRUE(geared.HasGear());
    EXPECT_DOUBLE_EQ(geared.MotorSpeed(25), 75);
    EXPECT_DOUBLE_EQ(geared.MotorTorque(0.6), 0.2);
    EXPECT_DOUBLE_EQ(geared.Current(0.6), 0.5);           // 0.6 / (3 x 0.4)
    EXPECT_DOUBLE_EQ(geared.InertiaAtMotor(9e-4), 1e-4);
    EXPECT_DOUBLE_EQ(geared.InertiaAtShaft(1e-4), 9e-4);
    EXPECT_DOUBLE_EQ(geared.TotalLoadInertiaAtMotor(9e-4), 1.2e-4);
    EXPECT_DOUBLE_EQ(geared.RotorAndBrakeInertiaAtShaft(), 2.7e-4);  // 0.3e-4 x 9
    EXPECT_DOUBLE_EQ(geared.MotorInertiaAtShaft(), 4.5e-4);          // 0.5e-4 x 9
    EXPECT_DOUBLE_EQ(geared.MotorInertiaAtShaft(0.1e-4), 2.7e-4);    // (0.1 + 0.2)e-4 x 9
    for (double ratio : {0.0, -2.0}) {
        SCOPED_TRACE(ratio);
        const calc::MotorAndGear direct = motor(ratio);
        EXPECT_FALSE(direct.HasGear());
        const double rotorAndBrake = 0.2 * 1e-4 + 0.1 * 1e-4;
        EXPECT_EQ(direct.RotorAndBrakeInertia(), rotorAndBrake);
        for (double value : {25.0, 0.6, -0.3, 9e-4}) {
            EXPECT_EQ(direct.MotorSpeed(value), value);
            EXPECT_EQ(direct.MotorTorque(value), value);
            EXPECT_EQ(direct.Current(value), value / 0.4);
            EXPECT_EQ(direct.InertiaAtMotor(value), value);
            EXPECT_EQ(direct.InertiaAtShaft(value), value);
            EXPECT_EQ(direct.TotalLoadInertiaAtMotor(value), value);
            EXPECT_EQ(direct.MotorInertiaAtShaft(value), value);
        }
        EXPECT_EQ(direct.RotorAndBrakeInertiaAtShaft(), rotorAndBrake);
        EXPECT_EQ(direct.MotorInertiaAtShaft(), rotorAndBrake);
    }
    EXPECT_TRUE(std::isnan(calc::MotorAndGear().Current(1)));  // no Kt
}

// A gear motor is checked at its own side of the gear: N times the drive
// shaft's speed, the shaft's torques / N; without gear (N = 0) the same
// axis and ratings are checked at the shaft as they always were.
class GearMotorCheckTest : public MotorCheckTest {
protected:
    void SetUp() override
    {
        SizingTest::SetUp();
        ASSERT_TRUE(gear_motor_axis::Build(kAxisId));
    }
    void UseGearMotor(double rpm, double rated, double max, double ratio)
    {
        gear_motor_axis::SetMotor(kAxisId, rpm, rated, max, ratio);
    }
};

TEST_F(GearMotorCheckTest, CodesAndTextsOnBothSidesOfTheGear)
{
    using namespace gear_motor_axis;
    namespace Code = calc::MotorCheckCode;
    const std::string meetsAll = T(264);
    const std::string gearbox = T(268) + "\r\n" + T(269) + "6 : 1.\r\n" + T(280);  // ratio 6.84
    struct Case {
        const char* name;
        double rpm, rated, max, ratio;
        int16_t code;
        std::string text;
    } cases[] = {
        // 0.15 and 0.4 N.m lie below the shaft's 0.2484 and 0.5001 N.m but
        // above the motor's 0.0828 and 0.1667: met only through the gear.
        {"met through the gear", kRatedRpm, kRatedTorque, kMaxTorque, 3, Code::Passed, meetsAll},
        // 3000 rpm covers the shaft's 1500 rpm, not the motor's 4500.
        {"too slow behind the gear", 3000, kRatedTorque, kMaxTorque, 3, Code::SpeedTooLow, T(265)},
        // 2 N.m above 20 x 0.0828 = 1.656 at the motor (20 x 0.2484 = 4.97
        // at the shaft would pass).
        {"rated torque out of range behind the gear", kRatedRpm, 2, kMaxTorque, 3,
         Code::RatedTorqueTooHigh, T(329) + "\r\n" + T(316) + " = 20"},
        // Without gear: 1500 rpm, 0.1118 and 0.2362 N.m pass; the ratio 6.84
        // of load to rotor and brake asks for a gearbox.
        {"no gear", kRatedRpm, kRatedTorque, kMaxTorque, 0, Code::InertiaRatioWarning, gearbox},
        {"no gear, 3000 rpm", 3000, kRatedTorque, kMaxTorque, 0, Code::InertiaRatioWarning, gearbox},
        {"no gear, 2 N.m", kRatedRpm, 2, kMaxTorque, 0, Code::InertiaRatioWarning, gearbox},
        // 0.2362 N.m needs more than 0.2 at the shaft.
        {"no gear, max 0.2 N.m", kRatedRpm, kRatedTorque, 0.2, 0, Code::InertiaRatioWarning,
         T(267) + "\r\n" + gearbox},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UseGearMotor(c.rpm, c.rated, c.max, c.ratio);
        EXPECT_EQ(CheckCode(calc::MotorCheckCategory::All), c.code);
        int16_t warnings = -1;
        EXPECT_EQ(Text(warnings, 0, model::kFalse, 1), c.text);
    }
    // A rotor of 0.05 without brake: (L / 9 + G) / 0.05 = 0.42796909 / 0.05
    // = 8.56, above the warning limit 6; the axis has no gearbox, and the
    // advice is the gear motor's.
    UseGearMotor(kRatedRpm, kRatedTorque, kMaxTorque, 3);
    SubSetMotorParameterValue(kAxisId, calc::MotorEntry::RotorInertia, 0.05);
    SubSetMotorParameterValue(kAxisId, calc::MotorEntry::BrakeInertia, 0);
    EXPECT_EQ(bFctAxisHasGearbox(kAxisId), model::kFalse);
    int16_t warnings = -1;
    EXPECT_EQ(Text(warnings, 0, model::kFalse, 1), T(268) + "\r\n" + T(269) + "6 : 1.\r\n" + T(391));
    // The inertia check of the gear motor stays at the motor's side:
    // (L / 9 + G) / (R + B) = 1.4266 passes; a lower limit of 1.43 rejects it.
    UseGearMotor(kRatedRpm, kRatedTorque, kMaxTorque, 3);
    gdMinInertiaFactor = 1.43;
    EXPECT_EQ(CheckCode(calc::MotorCheckCategory::Inertia), Code::InertiaRatioTooLow);
}

TEST_F(GearMotorCheckTest, WithoutRotorInertiaTheAxisAloneIsCheckedBehindTheGear)
{
    // The axis alone needs RMS 0.10369 N.m at the shaft, 0.034563 N.m at
    // the motor: a rated torque of 0.05 is enough behind the gear; 0.03 is
    // not.
    gear_motor_axis::SetMotor(kAxisId, 5000, 0.05, 1, 3);
    SubSetMotorParameterValue(kAxisId, calc::MotorEntry::RotorInertia, 0);
    SubSetMotorParameterValue(kAxisId, calc::MotorEntry::BrakeInertia, 0);
    EXPECT_EQ(CheckCode(calc::MotorCheckCategory::RmsTorque, model::kFalse), calc::MotorCheckCode::Passed);
    SubSetMotorParameterValue(kAxisId, calc::MotorEntry::RatedTorque, 0.03);
    EXPECT_EQ(CheckCode(calc::MotorCheckCategory::RmsTorque, model::kFalse),
              calc::MotorCheckCode::RatedTorqueTooLow);
}

// What the check compares with the ratings, at the motor's shaft: with the
// motor's inertia where it has a rotor inertia, the axis alone where not,
// behind the gear N times the shaft's 25 rev/s and its torques / N.
TEST_F(GearMotorCheckTest, RequirementsAtTheMotorsShaftAreWhatTheCheckCompares)
{
    using namespace gear_motor_axis;
    struct Case {
        const char* name;
        double ratio, rotorAndBrake;
        double speed, rms, peak;  // rev/s, N.m
    } cases[] = {
        {"gear motor", 3, 1, 75, kWithGear.rmsTorque / 3, kWithGear.peakTorque / 3},
        // The axis alone: RMS 0.10368971, peak 0.21733289 N.m at the shaft.
        {"gear motor without rotor", 3, 0, 75, 0.10368971 / 3, 0.21733289 / 3},
        {"no gear", 0, 1, 25, kWithoutGear.rmsTorque, kWithoutGear.peakTorque},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UseGearMotor(kRatedRpm, 1, 1, c.ratio);
        SubSetMotorParameterValue(kAxisId, calc::MotorEntry::RotorInertia, 0.2 * c.rotorAndBrake);
        SubSetMotorParameterValue(kAxisId, calc::MotorEntry::BrakeInertia, 0.1 * c.rotorAndBrake);
        const calc::MotorShaftRequirements r = calc::RequirementsAtMotorShaft(kAxisId);
        EXPECT_NEAR(r.speed, c.speed, c.speed * 1e-9);
        EXPECT_NEAR(r.rmsTorque, c.rms, c.rms * 1e-6);
        EXPECT_NEAR(r.peakTorque, c.peak, c.peak * 1e-6);
        // Rated exactly at the RMS figure passes, a hair below it does not.
        const int16_t withMotor = model::AsFlag(c.rotorAndBrake > 0);
        SubSetMotorParameterValue(kAxisId, calc::MotorEntry::RatedTorque, r.rmsTorque);
        EXPECT_EQ(CheckCode(calc::MotorCheckCategory::RmsTorque, withMotor), calc::MotorCheckCode::Passed);
        SubSetMotorParameterValue(kAxisId, calc::MotorEntry::RatedTorque, r.rmsTorque * (1 - 1e-9));
        EXPECT_EQ(CheckCode(calc::MotorCheckCategory::RmsTorque, withMotor),
                  calc::MotorCheckCode::RatedTorqueTooLow);
    }
    EXPECT_EQ(calc::RequirementsAtMotorShaft(kAxisId + 1).speed, 0);  // no such axis
}

TEST_F(MotorCheckTest, MotorAndMechanismAccessors)
{
    MotorRec motor;
    motor.Manufacturer = "kept";
    EXPECT_EQ(nFctGetMotorRecord(kAxisId, motor), 0);  // no motor entries yet
    EXPECT_EQ(motor.Manufacturer, "kept");
    MotorRec stored = Motor({{0, 3000}, {3, 2}});
    stored.Manufacturer = "Acme";
    stored.ProductKey = "M-1";
    nFctSetAxisMotor(kAxisId, stored, model::kFalse);
    EXPECT_EQ(nFctGetMotorRecord(kAxisId, motor), 9);
    EXPECT_EQ(motor.Identifier, MotorType::AcServo);
    EXPECT_EQ(motor.TextID, 256);
    EXPECT_EQ(motor.MotorData[3].Data, 2.0);
    ParamRec param;
    EXPECT_EQ(nFctGetMotorParameter(kAxisId, 0, param), model::kTrue);
    EXPECT_EQ(param.Data, 3000.0);
    EXPECT_EQ(nFctGetMotorParameter(kAxisId, 9, param), model::kFalse);
    EXPECT_EQ(nFctGetMotorParameter(kAxisId, -1, param), model::kFalse);
    EXPECT_EQ(sFctGetMotorManufacturer(kAxisId), "Acme");
    EXPECT_EQ(sFctGetMotorProductKey(kAxisId), "M-1");
    EXPECT_EQ(sFctGetMotorManufacturer(9), "");

    SubSetMechanismManufacturer(kAxisId, 1, "Disks Ltd");
    SubSetMechanismProductKey(kAxisId, 1, "D-200");
    EXPECT_EQ(sFctGetMechanismManufacturer(kAxisId, 1), "Disks Ltd");
    EXPECT_EQ(sFctGetMechanismProductKey(kAxisId, 1), "D-200");
    EXPECT_EQ(sFctGetMechanismManufacturer(kAxisId, 2), "");
    EXPECT_EQ(bFctAxisHasGearbox(kAxisId), model::kTrue);
    EXPECT_EQ(bFctAxisHasGearbox(9), model::kFalse);
}

TEST_F(MotorCheckTest, PlainNumberForm)
{
    EXPECT_EQ(sFctPlainNumber(20), " 20");
    EXPECT_EQ(sFctPlainNumber(1.5), " 1.5");
    EXPECT_EQ(sFctPlainNumber(0.5), " .5");
    EXPECT_EQ(sFctPlainNumber(-0.25), "-.25");
    EXPECT_EQ(sFctPlainNumber(0), " 0");
    gsDecimalSeparator = ",";
    EXPECT_EQ(sFctPlainNumber(2.75), " 2.75");
}

} // namespace
} // namespace sizing_test
