#pragma once
// A small in-memory unit list, conversion table and parameter control table
// for the axis model tests, and a clean axis array. Every global the model
// reads is saved and restored around each test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/basDatabaseAccess.h"
#include "foundation/basParameterControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisData.h"
#include "model/basWindowStatus.h"
#include "tests/model/SavedModelGlobals.h"
#include "tests/support/SavedUnitTables.h"

namespace model_test {

// Unit IDs of the fixture. Pitch/lead units follow the fixed pairs of the
// system: 41 mm/rev <-> 43 rev/mm, 45 in/rev <-> 47 rev/in.
enum Unit : int16_t {
    kRev = 2, kDeg = 3,            // rotary length (NA), basic rev
    kMm = 7, kIn = 8,              // linear length, basic in
    kRpm = 12, kRps = 13,          // rotary velocity (NA), basic rps
    kInPerS = 18, kMmPerS = 19,    // linear velocity, basic in/s
    kRevPerS2 = 34,                // rotary acceleration (NA), basic
    kMmPerRev = 41, kRevPerMm = 43, kInPerRev = 45, kRevPerIn = 47,  // basic rev/in
    kLb = 50, kKg = 51,            // weight, basic lb
    kSecond = 80, kMs = 81,        // time (NA), basic s
};

inline std::vector<UnitListRow> FixtureUnits()
{
    const int16_t T = -1, F = 0;
    return {
        {kRev, 2, "NA", "rev", T, T},        {kDeg, 2, "NA", "deg", F, F},
        {kMm, 3, "M", "mm", T, F},           {kIn, 3, "EE", "in", T, T},
        {kRpm, 5, "NA", "rpm", T, F},        {kRps, 5, "NA", "rps", F, T},
        {kInPerS, 6, "EE", "in/s", T, T},    {kMmPerS, 6, "M", "mm/s", T, F},
        {kRevPerS2, 8, "NA", "rev/s2", T, T},
        {kMmPerRev, 10, "M", "mm/rev", T, F}, {kRevPerMm, 10, "M", "rev/mm", F, F},
        {kInPerRev, 10, "EE", "in/rev", F, F}, {kRevPerIn, 10, "EE", "rev/in", T, T},
        {kLb, 11, "EE", "lb", T, T},         {kKg, 11, "M", "kg", T, F},
        {kSecond, 22, "NA", "s", T, T},      {kMs, 22, "NA", "ms", F, F},
    };
}

inline std::vector<ConversionFactorRow> FixtureFactors()
{
    return {
        {kDeg, kRev, 1.0 / 360.0},  {kRpm, kRps, 1.0 / 60.0},  {kMm, kIn, 1.0 / 25.4},
        {kMmPerS, kInPerS, 1.0 / 25.4},
        {kMmPerRev, kRevPerMm, -1}, {kInPerRev, kRevPerIn, -1},  // reciprocal pairs
        {kRevPerMm, kRevPerIn, 25.4},
        {kMmPerRev, kRevPerIn, 0},  {kRevPerMm, kInPerRev, 0},   // pitch/lead rule
        {kMs, kSecond, 0.001},      {kKg, kLb, 2.2046226218},
    };
}

// A control row of a parameter shown in eeUnit / mUnit, with the factors
// and texts the control table would give it.
inline ParamControlRow ControlRow(int16_t key, int16_t unitType, int16_t textId, int16_t eeUnit,
                                  int16_t mUnit, int16_t status = 0, int16_t helpId = 0)
{
    ParamControlRow row;
    row.MechID = key;
    row.UnitID = unitType;
    row.Status = status;
    row.TextID = textId;
    row.HelpID = helpId;
    row.EEUnitID = eeUnit;
    row.MUnitID = mUnit;
    const int16_t basic = nFctGetBasicUnit(unitType);
    row.EEFactor = dFctGetConversionFactor(eeUnit, basic);
    row.MFactor = dFctGetConversionFactor(mUnit, basic);
    row.EEUnitText = sFctGetUnitText(eeUnit);
    row.MUnitText = sFctGetUnitText(mUnit);
    return row;
}

class AxisModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing_support::SetUnitList(FixtureUnits());
        testing_support::SetConversionFactors(FixtureFactors());
        gnUnitSystem = 0;
        gsDecimalSeparator = ".";
        gnRotaryLengthUnit = gnRotaryVelocityUnit = gnRotaryAccelerationUnit = gnTimeUnit = 0;
        SetControlRows({});
        SubResetAllAxes();
        SubClearWindowStatus();
    }

    void SetControlRows(std::vector<ParamControlRow> rows)
    {
        gParamControl = std::move(rows);
        gnParamControlCount = static_cast<int16_t>(gParamControl.size());
    }

    // Appends count control rows of a linear length (entry k: text id 100 + k).
    void AddLengthRows(int16_t key, int count)
    {
        for (int k = 0; k < count; ++k)
            gParamControl.push_back(ControlRow(key, 3, static_cast<int16_t>(100 + k), kIn, kMm));
        gnParamControlCount = static_cast<int16_t>(gParamControl.size());
    }

private:
    // Everything the model reads or writes, put back after the test.
    testing_support::SavedModelGlobals globals_;
    struct SavedMechBufferAndWindowStatus {
        MechRec buffer = gMechBuffer;
        std::vector<WindowStatusRow> windows = gWindowStatus;
        ~SavedMechBufferAndWindowStatus()
        {
            gMechBuffer = buffer;
            gWindowStatus = windows;
        }
    } bufferAndWindowStatus_;
};

} // namespace model_test
