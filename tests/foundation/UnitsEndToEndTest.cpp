// The program's own reference database, loaded by the real loaders into the
// parameter control table, turns entered values into the basic units of the
// calculations: length mm, pitch/lead rev/mm, torque N·m, inertia kg·m²,
// velocity rev/s (linear mm/s), density g/cm³, weight N. Every expected value
// below is worked out by hand from the unit definitions (1 in = 25.4 mm,
// 1 lb = 0.45359237 kg, 1 lbf = 4.4482216152605 N, 1 min = 60 s).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>

#include "ReferenceDbFixture.h"
#include "foundation/basDatabaseAccess.h"
#include "foundation/basParameterControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"

namespace {

// Parameter control keys and entries used below.
constexpr int16_t kLeadscrew = 5;
constexpr int16_t kLeadscrewDensity = 2;
constexpr int16_t kLeadscrewPitch = 3;
constexpr int16_t kLeadscrewThrust = 7;
constexpr int16_t kMotor = 11;
constexpr int16_t kMotorRatedSpeed = 0;
constexpr int16_t kMotorRatedTorque = 1;
constexpr int16_t kMotorRotorInertia = 3;
constexpr int16_t kSegment = 30;
constexpr int16_t kSegmentInitialVelocity = 0;
constexpr int16_t kSegmentAcceleration = 3;

// A value with its unit, as the axis model keeps a parameter.
struct Value {
    double Data = 0.0;
    int16_t UnitType = 0;
    int16_t UnitID = 0;
    double Factor = 0.0;
    std::string UnitText;
};

// The value in the basic unit as the calculations take it: Data x Factor;
// a pitch/lead whose factor is 0 goes through the pitch/lead rule to the
// basic pitch/lead unit, and one whose factor is -1 (a reciprocal unit) is
// 1 over the entered value.
double InBasicUnit(const Value& v)
{
    if (v.UnitType == 10) {
        if (v.Factor == 0.0)
            return dFctConvertPitchLead(v.UnitID, nFctGetBasicUnit(10), v.Data);
        const double p = std::fabs(v.Data * v.Factor);
        return v.Factor == -1.0 && p != 0.0 ? 1.0 / p : p;
    }
    return v.Data * v.Factor;
}

class UnitsEndToEndTest : public ReferenceDbTest {
protected:
    void SetUp() override
    {
        ReferenceDbTest::SetUp();
        savedLanguage_ = gnLanguageOffset;
        gnLanguageOffset = 0;  // English unit texts
    }

    void TearDown() override
    {
        gnLanguageOffset = savedLanguage_;
        ReferenceDbTest::TearDown();
    }

    // Loads the built reference database the way the start-up does.
    void LoadReferenceData()
    {
        if (!std::filesystem::exists(folder_.file("Orvamis.Mdb")))
            GTEST_SKIP() << "the build has not laid out Orvamis.Mdb";
        ASSERT_EQ(bFctOpenReferenceDatabase(), -1);
        ASSERT_EQ(bFctReadUnitList(), -1);
        ASSERT_EQ(bFctReadConversionFactors(), -1);
        ASSERT_EQ(bFctCreateParameterControlTable(), -1);
        for (const auto& box : Boxes())
            ADD_FAILURE() << box.title << ": " << box.body;
    }

    // Entry `entry` of owner `key`, as a new parameter of the given unit
    // system (1 metric, 0 English engineering) is created from the table.
    static Value NewParameter(int16_t key, int16_t entry, int16_t system, double data)
    {
        int16_t k = 0;
        for (const ParamControlRow& row : gParamControl) {
            if (row.MechID != key || k++ != entry)
                continue;
            const bool metric = system != 0;
            return {data, row.UnitID, metric ? row.MUnitID : row.EEUnitID,
                    metric ? row.MFactor : row.EEFactor, metric ? row.MUnitText : row.EEUnitText};
        }
        ADD_FAILURE() << "no entry " << entry << " of key " << key;
        return {};
    }

private:
    int16_t savedLanguage_ = 0;
};

struct Case {
    const char* what;
    int16_t key, entry, system;
    double data;
    const char* unitText;
    double basic;  // worked out by hand
};

// The units each system shows by default, and what an entered value is in
// the calculations.
const Case kDefaultUnitCases[] = {
    // 5 mm/rev: 1 / 5 = 0.2 rev/mm.
    {"lead in mm/rev", kLeadscrew, kLeadscrewPitch, 1, 5.0, "mm/rev", 0.2},
    // 5 rev/in: 5 rev per 25.4 mm = 5 / 25.4 = 0.19685039370 rev/mm.
    {"lead in rev/in", kLeadscrew, kLeadscrewPitch, 0, 5.0, "rev/in", 5.0 / 25.4},
    // 2.5 N·m.
    {"torque in N·m", kMotor, kMotorRatedTorque, 1, 2.5, "Nm", 2.5},
    // 10 lbf·in = 10 x 4.4482216152605 N x 0.0254 m = 1.1298482902762 N·m.
    {"torque in lbf·in", kMotor, kMotorRatedTorque, 0, 10.0, "lb-in", 1.1298482902761668},
    // 1.5 kg·cm² = 1.5 x 1e-4 kg·m².
    {"inertia in kg·cm²", kMotor, kMotorRotorInertia, 1, 1.5, "kgcm²", 1.5e-4},
    // 10 lb·in² = 10 x 0.45359237 kg x 0.0254² m² = 2.926396534292e-3 kg·m².
    {"inertia in lb·in²", kMotor, kMotorRotorInertia, 0, 10.0, "lb-in²", 2.926396534292e-3},
    // 3000 rpm = 3000 / 60 = 50 rev/s, in both systems.
    {"speed in rpm (metric)", kMotor, kMotorRatedSpeed, 1, 3000.0, "rpm", 50.0},
    {"speed in rpm (English)", kMotor, kMotorRatedSpeed, 0, 3000.0, "rpm", 50.0},
    // A segment velocity of either kind is entered in rpm: 600 rpm = 10 rev/s.
    {"segment velocity", kSegment, kSegmentInitialVelocity, 0, 600.0, "rpm", 10.0},
    // 120 rpm/s = 120 / 60 = 2 rev/s².
    {"segment acceleration", kSegment, kSegmentAcceleration, 1, 120.0, "rev/min/s", 2.0},
    // 7.85 g/cm³.
    {"density in g/cm³", kLeadscrew, kLeadscrewDensity, 1, 7.85, "g/cm³", 7.85},
    // 0.283 lb/in³ = 0.283 x 453.59237 g / 16.387064 cm³ = 7.8334130330 g/cm³.
    {"density in lb/in³", kLeadscrew, kLeadscrewDensity, 0, 0.283, "lb/in³", 7.833413032987483},
    // 10 lbf = 44.482216152605 N.
    {"force in lbf", kLeadscrew, kLeadscrewThrust, 0, 10.0, "lb", 44.482216152605},
};

TEST_F(UnitsEndToEndTest, NewParametersInTheDefaultUnitsGiveTheBasicValues)
{
    LoadReferenceData();
    if (IsSkipped() || HasFatalFailure())
        return;
    for (const Case& c : kDefaultUnitCases) {
        SCOPED_TRACE(c.what);
        const Value v = NewParameter(c.key, c.entry, c.system, c.data);
        EXPECT_EQ(v.UnitText, c.unitText);
        EXPECT_NEAR(InBasicUnit(v), c.basic, 1e-12 * c.basic);
    }
}

TEST_F(UnitsEndToEndTest, EveryParameterHasAUnitAndAFactorInBothSystems)
{
    LoadReferenceData();
    if (IsSkipped() || HasFatalFailure())
        return;
    ASSERT_GT(gnParamControlCount, 0);
    for (const ParamControlRow& row : gParamControl) {
        SCOPED_TRACE("key " + std::to_string(row.MechID) + ", unit type " + std::to_string(row.UnitID));
        for (const auto& [unit, factor, text] :
             {std::tuple{row.EEUnitID, row.EEFactor, row.EEUnitText},
              std::tuple{row.MUnitID, row.MFactor, row.MUnitText}}) {
            EXPECT_GT(unit, 0);
            EXPECT_FALSE(text.empty());
            // Only a pitch/lead unit may carry a marker instead of a factor:
            // -1 for a reciprocal unit, 0 for the pitch/lead rule.
            if (row.UnitID == 10)
                EXPECT_TRUE(factor > 0.0 || factor == -1.0 || factor == 0.0) << factor;
            else
                EXPECT_GT(factor, 0.0);
        }
    }
}

TEST_F(UnitsEndToEndTest, OtherSelectedPitchUnitsGiveTheSameLead)
{
    // The second unit of each system: rev/mm (metric) and in/rev (English).
    gnMPitchLeadUnit = 1;
    gnEEPitchLeadUnit = 1;
    LoadReferenceData();
    if (IsSkipped() || HasFatalFailure())
        return;

    // 0.2 rev/mm as it stands.
    const Value metric = NewParameter(kLeadscrew, kLeadscrewPitch, 1, 0.2);
    EXPECT_EQ(metric.UnitText, "rev/mm");
    EXPECT_NEAR(InBasicUnit(metric), 0.2, 1e-15);

    // 0.2 in/rev = 5.08 mm/rev, so 1 / 5.08 = 0.19685039370 rev/mm; no factor
    // links in/rev to rev/mm, the pitch/lead rule gives 1 / (25.4 x 0.2).
    const Value english = NewParameter(kLeadscrew, kLeadscrewPitch, 0, 0.2);
    EXPECT_EQ(english.UnitText, "in/rev");
    EXPECT_EQ(english.Factor, 0.0);
    EXPECT_NEAR(InBasicUnit(english), 1.0 / 5.08, 1e-15);
}

TEST_F(UnitsEndToEndTest, SwitchingTheUnitSystemKeepsTheQuantity)
{
    LoadReferenceData();
    if (IsSkipped() || HasFatalFailure())
        return;
    struct Switch {
        const char* what;
        int16_t key, entry;
        double metricData;
        double englishData;  // the same quantity in the English default unit, by hand
        double basic;
    };
    const Switch cases[] = {
        // 5 mm/rev: 25.4 / 5 = 5.08 rev/in; 0.2 rev/mm.
        {"lead", kLeadscrew, kLeadscrewPitch, 5.0, 5.08, 0.2},
        // 2.5 N·m / 0.1129848290276 = 22.126864478318 lbf·in.
        {"torque", kMotor, kMotorRatedTorque, 2.5, 22.126864478317966, 2.5},
        // 7.85 g/cm³ x 16.387064 / 453.59237 = 0.28359924220 lb/in³.
        {"density", kLeadscrew, kLeadscrewDensity, 7.85, 0.2835992422006569, 7.85},
        // 1.5 kg·cm² = 1.5e-4 kg·m² / 2.926396534292e-4 = 0.51257578 lb·in².
        {"inertia", kMotor, kMotorRotorInertia, 1.5, 1.5e-4 / 2.926396534292e-4, 1.5e-4},
        // rpm in both systems.
        {"speed", kMotor, kMotorRatedSpeed, 3000.0, 3000.0, 50.0},
    };
    for (const Switch& c : cases) {
        SCOPED_TRACE(c.what);
        Value v = NewParameter(c.key, c.entry, 1, c.metricData);
        const Value englishNew = NewParameter(c.key, c.entry, 0, 0.0);

        SubConvertToSelectedUnit(v, 0);
        EXPECT_EQ(v.UnitID, englishNew.UnitID);
        EXPECT_EQ(v.UnitText, englishNew.UnitText);
        EXPECT_EQ(v.Factor, englishNew.Factor);
        EXPECT_NEAR(v.Data, c.englishData, 1e-12 * c.englishData);
        EXPECT_NEAR(InBasicUnit(v), c.basic, 1e-12 * c.basic);

        SubConvertToSelectedUnit(v, 1);
        EXPECT_NEAR(v.Data, c.metricData, 1e-12 * c.metricData);
        EXPECT_NEAR(InBasicUnit(v), c.basic, 1e-12 * c.basic);
    }
}

TEST_F(UnitsEndToEndTest, LinearVelocityInMillimetresAndInchesPerSecond)
{
    LoadReferenceData();
    if (IsSkipped() || HasFatalFailure())
        return;
    // A linear velocity (as a linear profile holds it), 100 mm/s in the
    // metric default unit: basic unit mm/s, factor 1.
    Value v{100.0, 6, 14, 1.0, "mm/s"};
    SubConvertToSelectedUnit(v, 1);
    EXPECT_EQ(v.UnitText, "mm/s");
    EXPECT_DOUBLE_EQ(InBasicUnit(v), 100.0);

    // In English engineering: 100 / 25.4 = 3.937007874 in/s, factor 25.4.
    SubConvertToSelectedUnit(v, 0);
    EXPECT_EQ(v.UnitText, "in/s");
    EXPECT_NEAR(v.Data, 100.0 / 25.4, 1e-12);
    EXPECT_NEAR(v.Factor, 25.4, 1e-12);
    EXPECT_NEAR(InBasicUnit(v), 100.0, 1e-12);

    // Its acceleration unit: in/s -> in/s², 1 in/s² = 25.4 mm/s².
    const int16_t accel = nFctGetAccelUnitForVelocityUnit(v.UnitID);
    EXPECT_EQ(sFctGetUnitText(accel), "in/s²");
    EXPECT_NEAR(dFctGetFactorToBasicUnit(static_cast<int16_t>(9), accel), 25.4, 1e-12);
}

} // namespace
