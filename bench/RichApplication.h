#pragma once
// The application the benchmarks time: three axes, the first with seven
// mechanisms (gearbox, belt and pulley, coupling, disk, gearbox, belt and
// pulley, leadscrew), a motor, a load and ten profile segments; the second a
// belt and conveyor, the third a gearbox and rotary table. Built through the
// model's operations in the units of the parameter control table, as the
// windows enter them.
#include <cstdint>

namespace bench {

inline constexpr int16_t kRichAxis = 1;

// Replaces the open application by the rich one (axes 1 to 3).
void BuildRichApplication();

} // namespace bench
