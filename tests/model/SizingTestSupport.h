#pragma once
// Support for the tests of the sizing engine: the real reference data of the
// build (unit list, conversion factors, parameter control table) loaded from
// a private application folder, axes built with the model's own operations
// (append a mechanism, set entries through the accessors, in the display
// units the control table gives), a message display that records what is
// shown, and physics helpers in SI units for the expected values. Every
// global the engine reads or writes is saved and restored around each test.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "foundation/ClsMessageSystem.h"
#include "foundation/MessageDisplay.h"
#include "foundation/basDatabaseAccess.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basParameterControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisData.h"
#include "model/basAxisRequirements.h"
#include "model/basChangeDetection.h"
#include "model/basMechanismChain.h"
#include "model/basWindowStatus.h"
#include "tests/model/SavedModelGlobals.h"
#include "tests/support/SavedUnitTables.h"
#include "tests/support/TestAppFolder.h"

// Relative comparison of calculated values.
#define EXPECT_CLOSE(actual, expected) \
    EXPECT_NEAR((actual), (expected), 1e-9 * std::fabs(expected) + 1e-12)

namespace sizing_test {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kG = 9.8067;            // m/s^2, the system's g
inline constexpr double kDensityWeight = 9.81;  // N per kg of density mass (g/cm^3 x 9.81e-6 N/mm^3)

// Unit IDs of the reference data used by the tests.
namespace Unit {
inline constexpr int16_t Rev = 1, Mm = 7, Inch = 8, RevPerS = 10, Rpm = 11, MmPerS = 14,
                         InPerS = 19, MmPerS2 = 30, InPerS2 = 34, MmPerRev = 41, RevPerMm = 43,
                         RevPerIn = 47, Newton = 51, PoundForce = 53, NewtonMetre = 55,
                         PoundInch = 56, KgM2 = 59, KgCm2 = 60, Second = 77;
} // namespace Unit
inline constexpr double kPoundInchInNm = 0.1129848290276167;

// SI physics for the expected values.
// Mass (kg) of a steel or aluminium part from its density (g/cm^3) and
// volume (mm^3), with the system's density weight and g.
inline double PartMass(double density, double volumeMm3)
{
    return density * 9.81e-6 * volumeMm3 / kG;
}
inline double CylinderVolume(double diameterMm, double lengthMm)
{
    return kPi * diameterMm * diameterMm / 4.0 * lengthMm;
}
// Inertia (kg.m^2) of a solid cylinder about its axis.
inline double CylinderInertia(double mass, double diameterMm)
{
    const double r = diameterMm / 2000.0;
    return 0.5 * mass * r * r;
}
inline double KgCm2(double value) { return value * 1e-4; }

// Records every message shown through the message object.
class RecordingDisplay : public platform::MessageDisplay {
public:
    void Beep() override {}
    void RestoreDefaultCursor() override {}
    int16_t ShowMessage(const MessageComposition& message) override
    {
        messages.push_back(message);
        return message.closeResult;
    }
    void ShowCriticalBox(const std::string&, const std::string&) override {}
    std::vector<MessageComposition> messages;
};

// A private application folder with the reference data of the build loaded,
// metric units (the Default unit of every quantity), the default safety
// factors and one new axis (ID 1) with ten empty segments and a quick setup.
class SizingTest : public ::testing::Test {
protected:
    static constexpr int16_t kAxisId = 1;

    void SetUp() override
    {
        previousDisplay_ = platform::InstalledMessageDisplay();
        platform::InstallMessageDisplay(&display_);
        testing_support::SetAllUnitSelections(-1);
        gnLanguageOffset = 0;
        gsDecimalSeparator = ".";
        gdMinTorqueFactor = 1.0;
        gdMaxTorqueFactor = 20.0;
        gdMinInertiaFactor = 1.0;
        gdMaxInertiaWarning = 6.0;
        gdMaxInertiaDiscard = 10.0;
        ASSERT_TRUE(bFctOpenReferenceDatabase());
        ASSERT_TRUE(bFctReadUnitList());
        ASSERT_TRUE(bFctReadConversionFactors());
        UseUnitSystem(1);
        NewAxis();
    }

    void TearDown() override
    {
        SubCloseReferenceDatabase();
        platform::InstallMessageDisplay(previousDisplay_);
    }

    // Selects the unit system and rebuilds the parameter control table.
    void UseUnitSystem(int16_t system)
    {
        gnUnitSystem = system;
        ASSERT_TRUE(bFctCreateParameterControlTable());
    }

    void NewAxis()
    {
        SubResetAllAxes();
        SubAddAxis(kAxisId);
        nFctInitProfileSegments(kAxisId);
        nFctInitQuickSetup(kAxisId, model::kTrue);
    }
    AxisRec& Axis() { return gAxis[static_cast<size_t>(nFctFindAxisIndex(kAxisId))]; }

    // Appends a mechanism and enters its values in the display units the
    // control table gives them: {entry, value} pairs.
    void AddMechanism(int16_t type, std::initializer_list<std::pair<int16_t, double>> values)
    {
        SubAppendMechanism(kAxisId, type);
        const auto index = static_cast<int16_t>(nFctGetMechanismCount(kAxisId) - 1);
        for (const auto& [entry, value] : values)
            SubSetMechanismParameterValue(kAxisId, index, entry, value);
    }
    void SetLoad(int16_t type, std::initializer_list<double> values)
    {
        nFctSetLoadType(kAxisId, type);
        int16_t k = 0;
        for (double value : values)
            nFctSetLoadParameterValue(kAxisId, k++, value);
    }
    // A motor of type 11 with its values {entry, value} in display units.
    MotorRec Motor(std::initializer_list<std::pair<int16_t, double>> values)
    {
        MotorRec motor;
        SubInitMotorRecord(motor, MotorType::AcServo);
        for (const auto& [entry, value] : values)
            motor.MotorData[static_cast<size_t>(entry)].Data = value;
        return motor;
    }
    void SetMotor(std::initializer_list<std::pair<int16_t, double>> values)
    {
        nFctSetAxisMotor(kAxisId, Motor(values), model::kFalse);
    }
    // Segment values by parameter index: initial, final velocity, duration
    // (acceleration and distance left for the profile builder to complete).
    void SetSegments(std::initializer_list<std::vector<double>> segments)
    {
        int16_t s = 0;
        for (const auto& values : segments) {
            for (size_t p = 0; p < values.size(); ++p)
                nFctSetProfileSegmentValue(kAxisId, s, static_cast<int16_t>(p), values[p]);
            ++s;
        }
    }
    // Enters a quick setup of that mode (values by selector), validates it
    // with ramps in thirds and transfers it into the segments the way the
    // profile window's Submit does; false when it is not valid.
    bool SubmitQuickSetup(int16_t mode, std::initializer_list<double> values)
    {
        SubSetQuickSetupMode(kAxisId, mode);
        int16_t selector = 0;
        for (double value : values)
            nFctSetQuickSetupParameterValue(kAxisId, selector++, value);
        std::vector<double> completed;
        if (!nFctValidateQuickSetup(kAxisId, 1, completed, model::kFalse))
            return false;
        nFctTransferQuickSetup(kAxisId, completed, model::kTrue, model::kFalse);
        return true;
    }
    // Switches the profile and quick setup into linear motion the way the
    // profile window does (the end device must give a travel value).
    void UseLinearMotion()
    {
        SubConvertQuickSetupForMotionSwitch(kAxisId);
        SubConvertSegmentsForMotionSwitch(kAxisId);
        SubSetMotionMode(kAxisId, MotionMode::Linear);
    }

    RecordingDisplay display_;

private:
    // Declared first so that the folder outlives nothing it must restore.
    testing_support::TestAppFolder folder_;
    platform::MessageDisplay* previousDisplay_ = nullptr;
    // Everything the engine reads or writes, put back after the test.
    testing_support::SavedModelGlobals globals_;
    struct SavedLanguageAndSafetyFactors {
        int16_t language = gnLanguageOffset;
        double safety[5] = {gdMinTorqueFactor, gdMaxTorqueFactor, gdMinInertiaFactor,
                            gdMaxInertiaWarning, gdMaxInertiaDiscard};
        ~SavedLanguageAndSafetyFactors()
        {
            gnLanguageOffset = language;
            gdMinTorqueFactor = safety[0];
            gdMaxTorqueFactor = safety[1];
            gdMinInertiaFactor = safety[2];
            gdMaxInertiaWarning = safety[3];
            gdMaxInertiaDiscard = safety[4];
        }
    } languageAndSafety_;
};

} // namespace sizing_test
