#include "HighScores.h"

#include "NumericText.h"
#include "OptionDefaults.h"
#include "SettingsStore.h"
#include "core/store/AsciiCase.h"

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

bool EnterHighScore(SettingsStore& store, std::string_view word, Score score) {
    sql::Transaction transaction(store.database());
    const auto rank = RankFor(store, score);
    if (!rank) {
        return false;
    }
    for (int r = HighScoreRanks; r > *rank; --r) {
        store.WriteOption(HighScoreKey(r), store.ReadOption(HighScoreKey(r - 1)));
    }
    store.WriteOption(HighScoreKey(*rank), AsciiUpper(word) + std::to_string(score));
    transaction.Commit();
    return true;
}

bool RecordFinishedGame(SettingsStore& store, const FinishedGame& game) {
    sql::Transaction transaction(store.database());
    const bool entered = EnterHighScore(store, game.row.word, game.row.score);
    if (game.countAsPlayed) {
        store.IncrementCounter("GamesPlayed");
    }
    if (game.row.outcome == Outcome::Won) {
        store.IncrementCounter("GamesWon");
    }
    GameHistory history(store.database());
    if (game.historyId) {
        history.Put(*game.historyId, game.row);
    } else {
        history.Add(game.row);
    }
    if (game.daily) {
        DailyResults(store.database()).Put(*game.daily);
    }
    transaction.Commit();
    return entered;
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

std::int64_t CountPlayedGame(SettingsStore& store, const FinishedGame& soFar) {
    sql::Transaction transaction(store.database());
    store.IncrementCounter("GamesPlayed");
    const auto id = GameHistory(store.database()).Add(soFar.row);
    if (soFar.daily) {
        DailyResults(store.database()).Put(*soFar.daily);
    }
    transaction.Commit();
    return id;
}

void ResetStatistics(SettingsStore& store, bool runningGameCounted) {
    sql::Transaction transaction(store.database());
    const auto kept = GameHistory(store.database()).Clear(runningGameCounted);
    store.WriteOption("GamesPlayed", std::to_string(kept));
    store.WriteOption("GamesWon", "0");
    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
        store.WriteOption(HighScoreKey(rank), EmptyHighScore);
    }
    transaction.Commit();
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
