#pragma once
#include <cstdint>
#include "foundation/basUnitSystem.h"

// Helpers shared by the sources of the second half of basAxisCalculations;
// not part of the module's public interface.
namespace calc::detail {

inline constexpr const char* kLineBreak = "\r\n";
inline constexpr int16_t kTorqueUnitType = 12;

// The selected torque unit of the current unit system (metric only for 1);
// a selection of -1 receives the position of the Default unit.
inline int16_t SelectedTorqueUnit()
{
    return gnUnitSystem == 1 ? nFctFindUnit(kTorqueUnitType, gnMTorqueUnit, "M")
                             : nFctFindUnit(kTorqueUnitType, gnEETorqueUnit, "EE");
}

} // namespace calc::detail
