#pragma once

// The game of the day: everyone with the same word data plays the same word on the same date
// and level. The words of exactly that level are sorted (byte order, so the order of the data
// does not matter), and the word at index FNV-1a-64("YYYY-MM-DD/L") modulo their count is
// hidden, where L is the level 1 to 4. FNV-1a, unlike std::hash, is the same on every build.

#include "Level.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lexel {

std::uint64_t Fnv1a64(std::string_view text);

// `date` as "YYYY-MM-DD"; "" when `levelWords` is empty.
std::string DailyWord(std::span<const std::string> levelWords, std::string_view date, Level level);

} // namespace lexel
