#pragma once
// Puts small unit lists and conversion rows of a test's own in place of the
// loaded tables, and restores the tables and the unit selection afterwards.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "foundation/basDatabaseAccess.h"
#include "foundation/basUnitSystem.h"

class UnitTablesFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedUnits_ = gUnitList;
        savedFactors_ = gConversionFactors;
        savedSystem_ = gnUnitSystem;
        for (size_t i = 0; i < kSelections.size(); ++i)
            savedSelections_[i] = *kSelections[i];
        SetAllSelections(-1);
        gnTimeUnit = 0;
    }

    void TearDown() override
    {
        SetUnits(savedUnits_);
        SetFactors(savedFactors_);
        gnUnitSystem = savedSystem_;
        for (size_t i = 0; i < kSelections.size(); ++i)
            *kSelections[i] = savedSelections_[i];
    }

    static void SetUnits(const std::vector<UnitListRow>& units)
    {
        gUnitList = units;
        gnUnitListCount = static_cast<int16_t>(units.size());
    }

    static void SetFactors(const std::vector<ConversionFactorRow>& factors)
    {
        gConversionFactors = factors;
        gnConversionFactorCount = static_cast<int16_t>(factors.size());
    }

    static void SetAllSelections(int16_t position)
    {
        for (int16_t* selection : kSelections)
            *selection = position;
    }

    static UnitListRow Unit(int16_t id, int16_t type, const char* system, const char* text,
                            bool isDefault = false, bool isBasic = false)
    {
        return UnitListRow{id, type, system, text, int16_t(isDefault ? -1 : 0),
                           int16_t(isBasic ? -1 : 0)};
    }

    inline static const std::array<int16_t*, 20> kSelections = {
        &gnRotaryLengthUnit, &gnRotaryVelocityUnit, &gnRotaryAccelerationUnit,
        &gnEELinearLengthUnit, &gnEELinearVelocityUnit, &gnEELinearAccelerationUnit,
        &gnEEPitchLeadUnit, &gnEEWeightUnit, &gnEETorqueUnit, &gnEEInertiaUnit, &gnEEKtUnit,
        &gnMLinearLengthUnit, &gnMLinearVelocityUnit, &gnMLinearAccelerationUnit,
        &gnMPitchLeadUnit, &gnMWeightUnit, &gnMTorqueUnit, &gnMInertiaUnit, &gnMKtUnit,
        &gnTimeUnit};

private:
    std::vector<UnitListRow> savedUnits_;
    std::vector<ConversionFactorRow> savedFactors_;
    int16_t savedSystem_ = 0;
    std::array<int16_t, 20> savedSelections_{};
};
