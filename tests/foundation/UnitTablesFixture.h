#pragma once
// Puts small unit lists and conversion rows of a test's own in place of the
// loaded tables, and restores the tables and the unit selection afterwards.

#include <gtest/gtest.h>

#include <vector>

#include "foundation/basDatabaseAccess.h"
#include "foundation/basUnitSystem.h"
#include "tests/support/SavedUnitTables.h"

class UnitTablesFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetAllSelections(-1);
        gnTimeUnit = 0;
    }

    static void SetUnits(const std::vector<UnitListRow>& units)
    {
        testing_support::SetUnitList(units);
    }

    static void SetFactors(const std::vector<ConversionFactorRow>& factors)
    {
        testing_support::SetConversionFactors(factors);
    }

    static void SetAllSelections(int16_t position)
    {
        testing_support::SetAllUnitSelections(position);
    }

    static UnitListRow Unit(int16_t id, int16_t type, const char* system, const char* text,
                            bool isDefault = false, bool isBasic = false)
    {
        return UnitListRow{id, type, system, text, int16_t(isDefault ? -1 : 0),
                           int16_t(isBasic ? -1 : 0)};
    }

private:
    // Saved when the test is made, put back when it goes.
    testing_support::SavedUnitTables savedTables_;
};
