#pragma once

#include <span>
#include <string_view>

namespace lexel {

// Every row of the Options table with the value of a fresh store: the settings, the statistics
// counters and the ten empty high-score entries.
struct OptionRow {
    std::string_view key;
    std::string_view value;
};

std::span<const OptionRow> OptionDefaults();

} // namespace lexel
