#pragma once

// The game of the day: everyone with the same word data plays the same word on the same date
// and level, and a level's words come round one after the other before any comes again.
// The words of exactly that level are put in a fixed order, by FNV-1a-64 of "L/word" (L the
// level, 1 to 4; byte order between equal keys), so the order of the data does not matter.
// Day n after 2024-01-01 (day 0; days before it count back from the end) hides the word at
// index n modulo their count. FNV-1a, unlike std::hash, is the same on every build.

#include "core/base/Level.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lexel {

std::uint64_t Fnv1a64(std::string_view text);

// Days from 2024-01-01 to `date` ("YYYY-MM-DD"), negative before it; 0 for text that is no
// date.
std::int64_t DailyDayNumber(std::string_view date);

// `date` as "YYYY-MM-DD"; "" when `levelWords` is empty.
std::string DailyWord(std::span<const std::string> levelWords, std::string_view date, Level level);

} // namespace lexel
