#include "DailyWord.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <optional>
#include <vector>

namespace lexel {
namespace {

constexpr std::chrono::sys_days Epoch{std::chrono::year{2024} / 1 / 1};

// The number at `text[from, from + length)`, if all of it is digits.
std::optional<int> Number(std::string_view text, std::size_t from, std::size_t length) {
    int value = 0;
    const auto* first = text.data() + from;
    const auto [end, error] = std::from_chars(first, first + length, value);
    return error == std::errc() && end == first + length ? std::optional(value) : std::nullopt;
}

} // namespace

std::uint64_t Fnv1a64(std::string_view text) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const unsigned char c : text) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::int64_t DailyDayNumber(std::string_view date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') {
        return 0;
    }
    const auto year = Number(date, 0, 4);
    const auto month = Number(date, 5, 2);
    const auto day = Number(date, 8, 2);
    if (!year || !month || !day) {
        return 0;
    }
    const std::chrono::year_month_day ymd{std::chrono::year{*year},
                                          std::chrono::month{static_cast<unsigned>(*month)},
                                          std::chrono::day{static_cast<unsigned>(*day)}};
    return ymd.ok() ? (std::chrono::sys_days{ymd} - Epoch).count() : 0;
}

std::string DailyWord(std::span<const std::string> levelWords, std::string_view date, Level level) {
    if (levelWords.empty()) {
        return {};
    }
    const std::string prefix = std::to_string(LevelNumber(level)) + "/";
    std::vector<std::pair<std::uint64_t, std::string>> keyed;
    for (const auto& word : levelWords) {
        keyed.emplace_back(Fnv1a64(prefix + word), word);
    }
    std::sort(keyed.begin(), keyed.end());
    const auto count = static_cast<std::int64_t>(keyed.size());
    const auto index = ((DailyDayNumber(date) % count) + count) % count;
    return keyed[static_cast<std::size_t>(index)].second;
}

} // namespace lexel
