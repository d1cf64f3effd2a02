#pragma once

// The values written beside a chart's value axis: round steps of 1, 2 or 5 times a power of
// ten, from 0 to the first step at or above the largest value, few enough to read.

#include <cstdint>
#include <vector>

namespace lexel {

// At most `most` steps (at least 1) from 0 up to a top that holds `largest`; {0, 1} when
// nothing is above 0.
std::vector<std::int64_t> AxisTicks(std::int64_t largest, int most = 5);

} // namespace lexel
