#pragma once

#include <cstdint>

namespace lexel {

// A game's score in points, from 0 to MaxScore.
using Score = std::int64_t;
inline constexpr Score MaxScore = 500000;

} // namespace lexel
