#pragma once
// Where the velocity profile window shows what: the rows of the quick-setup
// grid by quick-setup mode, the six rows of each segment in the segment
// table, where a minus sign goes into their number cells, and the quantity
// whose units a quick-setup entry offers.
#include "foundation/basGlobalFunctions.h"
#include "foundation/basGlobalFunctionsNumbers.h"
#include "model/basAxisData.h"

#include <cstdint>

namespace profile_layout {

// Quick-setup data rows: Triangular 4, Trapezoidal 6, any other mode none.
inline constexpr int32_t kQuickSetupMaxRows = 6;
inline int32_t QuickSetupRowCount(int mode)
{
    return mode == 0 ? 4 : mode == 1 ? 6 : 0;
}

// The segment table always shows ten segments of six rows (fields in the
// order of the segment accessors: initial velocity, final velocity,
// duration, acceleration, distance, load weight applied).
inline constexpr int16_t kShownSegments = 10;
inline constexpr int16_t kFieldsPerSegment = 6;
inline constexpr int32_t kSegmentTableRows = kShownSegments * kFieldsPerSegment;

inline int SegmentRow(int segment, int field)
{
    return kFieldsPerSegment * segment + field + 1;
}
inline int16_t SegmentOfRow(int row)
{
    return nFctIntDivide(row - 1, kFieldsPerSegment);
}
inline int16_t FieldOfRow(int row)
{
    return nFctWrapIndex(row - 1, kFieldsPerSegment);
}

// A minus sign only starts a new velocity (data row 1) of the quick setup.
inline NumberKeyRule QuickSetupKeyRule(int row)
{
    return {row == 1, false};
}

// A minus sign goes into every segment field but the duration.
inline NumberKeyRule SegmentKeyRule(int16_t field)
{
    const bool signedField = field != SegmentParam::Duration;
    return {signedField, signedField};
}

// The unit type whose units a quick-setup entry offers: a velocity (4) the
// rotary (5) or linear (6) velocities by the motion mode, a length (1) the
// rotary (2) or linear (3) lengths; any other type its own.
inline int16_t UnitListType(int16_t unitType, int16_t motionMode)
{
    const bool linear = motionMode != 0;
    if (unitType == 4)
        return linear ? 6 : 5;
    if (unitType == 1)
        return linear ? 3 : 2;
    return unitType;
}

} // namespace profile_layout
