#include "HighScores.h"

#include "NumericText.h"
#include "OptionDefaults.h"
#include "SettingsStore.h"
#include "core/base/AsciiCase.h"

#include <algorithm>
#include <cmath>

namespace lexel {
namespace {

constexpr std::size_t WordLength = 6;

// The first rank whose score is strictly below `score`, if any.
std::optional<int> RankFor(SettingsStore& store, std::int64_t score) {
    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
        const auto entry = SplitHighScore(store.ReadOption(HighScoreKey(rank)));
        if (NumericValue(entry.score) < static_cast<double>(score)) {
            return rank;
        }
    }
    return std::nullopt;
}

} // namespace

std::string HighScoreKey(int rank) {
    return "HighScore" + std::to_string(rank);
}

HighScoreEntry SplitHighScore(std::string_view entry) {
    if (entry.size() <= WordLength) {
        return {std::string(entry), {}};
    }
    return {std::string(entry.substr(0, WordLength)), std::string(entry.substr(WordLength))};
}

std::optional<int> EnterHighScore(SettingsStore& store, std::string_view word, Score score) {
    sql::Transaction transaction(store.database());
    const auto rank = RankFor(store, score);
    if (!rank) {
        return std::nullopt;
    }
    for (int r = HighScoreRanks; r > *rank; --r) {
        store.WriteOption(HighScoreKey(r), store.ReadOption(HighScoreKey(r - 1)));
    }
    store.WriteOption(HighScoreKey(*rank), AsciiUpper(word) + std::to_string(score));
    transaction.Commit();
    return rank;
}

std::array<HighScoreEntry, HighScoreRanks> ReadHighScores(SettingsStore& store) {
    std::array<HighScoreEntry, HighScoreRanks> table;
    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
        table[rank - 1] = SplitHighScore(store.ReadOption(HighScoreKey(rank)));
    }
    return table;
}

GameCounts ReadGameCounts(SettingsStore& store) {
    return {store.ReadOption("GamesPlayed"), store.ReadOption("GamesWon")};
}

std::optional<long long> WonPercentage(long long won, long long played) {
    if (played <= 0) {
        return std::nullopt;
    }
    // A true half (1 of 8 is 12.5) is exact in floating point, so nearbyint's ties-to-even
    // rounding applies to it; long double keeps large counters from overflowing.
    constexpr long double Limit = 1.0e18L;
    const long double exact = static_cast<long double>(won) * 100.0L / played;
    return static_cast<long long>(std::nearbyintl(std::clamp(exact, -Limit, Limit)));
}

} // namespace lexel
