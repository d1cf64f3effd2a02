#include "RandomSource.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace lexel {

int DrawIndex(RandomSource& random, int count) {
    const double r = random.Next();
    const int k = static_cast<int>(std::floor(count * r)) + 1;
    return std::clamp(k, 1, std::max(count, 1));
}

SeededRandom SeededRandom::FromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return SeededRandom(static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

float SeededRandom::Next() {
    // 24 random bits fill a float's mantissa exactly, so the result is never 1.
    constexpr float Scale = 1.0f / 16777216.0f;
    return static_cast<float>(engine_() >> 8) * Scale;
}

} // namespace lexel
