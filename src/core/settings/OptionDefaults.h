#pragma once

#include <span>
#include <string_view>

namespace lexel {

// The entry of an empty high-score rank: six question marks for the word, score 0.
inline constexpr std::string_view EmptyHighScore = "??????0";

// Every row of the Options table with the value of a fresh store: the settings, the statistics
// counters and the ten empty high-score entries.
struct OptionRow {
    std::string_view key;
    std::string_view value;
};

std::span<const OptionRow> OptionDefaults();

} // namespace lexel
