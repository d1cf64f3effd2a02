#include "AxisTicks.h"

#include <algorithm>
#include <array>
#include <limits>

namespace lexel {
namespace {

std::int64_t StepsFor(std::int64_t largest, std::int64_t step) {
    return largest / step + (largest % step != 0 ? 1 : 0);
}

} // namespace

std::vector<std::int64_t> AxisTicks(std::int64_t largest, int most) {
    largest = std::max<std::int64_t>(largest, 1);
    most = std::max(most, 1);
    constexpr std::array<std::int64_t, 3> Factors{1, 2, 5};
    // The smallest round step that reaches `largest` in `most` steps; the power of ten stops
    // growing before it would overflow.
    std::int64_t step = 1;
    for (std::int64_t power = 1;; power *= 10) {
        const auto fits = std::find_if(Factors.begin(), Factors.end(), [&](std::int64_t f) {
            return StepsFor(largest, f * power) <= most;
        });
        if (fits != Factors.end() || power > std::numeric_limits<std::int64_t>::max() / 100) {
            step = (fits != Factors.end() ? *fits : Factors.back()) * power;
            break;
        }
    }
    const auto steps = StepsFor(largest, step);
    std::vector<std::int64_t> ticks;
    for (std::int64_t i = 0; i <= steps; ++i) {
        ticks.push_back(i * step);
    }
    return ticks;
}

} // namespace lexel
