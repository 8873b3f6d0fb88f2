#pragma once
// The loaded unit tables and the user's unit selections, as tests handle
// them: putting a test's own tables in place and saving everything for the
// end of the test.
#include <array>
#include <cstdint>
#include <vector>

#include "foundation/basDatabaseAccess.h"
#include "foundation/basUnitSystem.h"

namespace testing_support {

// Every unit selection of the unit system (one per quantity and system).
inline const std::array<int16_t*, 20> kUnitSelections = {
    &gnRotaryLengthUnit, &gnRotaryVelocityUnit, &gnRotaryAccelerationUnit,
    &gnEELinearLengthUnit, &gnEELinearVelocityUnit, &gnEELinearAccelerationUnit,
    &gnEEPitchLeadUnit, &gnEEWeightUnit, &gnEETorqueUnit, &gnEEInertiaUnit, &gnEEKtUnit,
    &gnMLinearLengthUnit, &gnMLinearVelocityUnit, &gnMLinearAccelerationUnit,
    &gnMPitchLeadUnit, &gnMWeightUnit, &gnMTorqueUnit, &gnMInertiaUnit, &gnMKtUnit,
    &gnTimeUnit};

inline void SetAllUnitSelections(int16_t position)
{
    for (int16_t* selection : kUnitSelections)
        *selection = position;
}

// The unit list and its count.
inline void SetUnitList(const std::vector<UnitListRow>& units)
{
    gUnitList = units;
    gnUnitListCount = static_cast<int16_t>(units.size());
}

// The conversion factors and their count.
inline void SetConversionFactors(const std::vector<ConversionFactorRow>& factors)
{
    gConversionFactors = factors;
    gnConversionFactorCount = static_cast<int16_t>(factors.size());
}

// Saves the unit list, the conversion factors, the unit system and the unit
// selections when made, and puts them back when it goes.
class SavedUnitTables {
public:
    SavedUnitTables()
    {
        for (size_t i = 0; i < kUnitSelections.size(); ++i)
            selections_[i] = *kUnitSelections[i];
    }
    ~SavedUnitTables()
    {
        gUnitList = units_;
        gnUnitListCount = unitCount_;
        gConversionFactors = factors_;
        gnConversionFactorCount = factorCount_;
        gnUnitSystem = unitSystem_;
        for (size_t i = 0; i < kUnitSelections.size(); ++i)
            *kUnitSelections[i] = selections_[i];
    }
    SavedUnitTables(const SavedUnitTables&) = delete;
    SavedUnitTables& operator=(const SavedUnitTables&) = delete;

private:
    std::vector<UnitListRow> units_ = gUnitList;
    int16_t unitCount_ = gnUnitListCount;
    std::vector<ConversionFactorRow> factors_ = gConversionFactors;
    int16_t factorCount_ = gnConversionFactorCount;
    int16_t unitSystem_ = gnUnitSystem;
    std::array<int16_t, 20> selections_{};
};

} // namespace testing_support
