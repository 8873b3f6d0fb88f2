#pragma once
// An axis built with the model's accessors for the window tests of the
// report and the analysis windows, in the metric system: a steel disk of
// 200 mm x 20 mm (J = 0.0246698 kg.m^2) turned to 120 rpm in 0.5 s, held
// for 1 s and stopped in 0.5 s, on a motor of 3000 rpm, 1 and 2 N.m, rotor
// 0.5 kg.cm^2 and Kt 0.5 N.m/A.
#include <cstdint>

namespace testing_support {

// Gives the axis its ten empty segments and quick setup when it has none.
void PrepareAxisProfile(int16_t axisId);
// Builds the disk axis; extraSegments more steady segments of 1 s at 120
// rpm lengthen the report (before the stop).
void BuildDiskAxis(int16_t axisId, int extraSegments = 0);

} // namespace testing_support
