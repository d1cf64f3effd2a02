// The values beside a chart's value axis: round steps of 1, 2 or 5 times a power of ten.

#include "core/rules/AxisTicks.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

TEST(AxisTicks, RoundStepsUpToTheLargestValue) {
    using Ticks = std::vector<std::int64_t>;
    const std::tuple<std::int64_t, int, Ticks> cases[] = {
        {0, 5, {0, 1}},
        {-3, 5, {0, 1}},
        {1, 5, {0, 1}},
        {5, 5, {0, 1, 2, 3, 4, 5}},
        {7, 5, {0, 2, 4, 6, 8}},
        {10, 5, {0, 2, 4, 6, 8, 10}},
        {11, 5, {0, 5, 10, 15}},
        {999, 3, {0, 500, 1000}},
        {111111, 4, {0, 50000, 100000, 150000}},
        {300500, 5, {0, 100000, 200000, 300000, 400000}},
        {300000, 3, {0, 100000, 200000, 300000}},
        {4, 1, {0, 5}},
    };
    for (const auto& [largest, most, ticks] : cases) {
        SCOPED_TRACE(largest);
        EXPECT_EQ(AxisTicks(largest, most), ticks);
    }
}

} // namespace
} // namespace lexel
