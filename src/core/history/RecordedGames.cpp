#include "RecordedGames.h"

#include "DailyResults.h"
#include "GameHistory.h"
#include "core/settings/HighScores.h"
#include "core/settings/OptionDefaults.h"
#include "core/settings/SettingsStore.h"

namespace lexel {

std::optional<int> RecordFinishedGame(SettingsStore& store, const FinishedGame& game) {
    sql::Transaction transaction(store.database());
    const auto entered = EnterHighScore(store, game.row.word, game.row.score);
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

std::int64_t RecordedGames::CountGame(const FinishedGame& soFar) {
    return CountPlayedGame(store_, soFar);
}

std::optional<int> RecordedGames::RecordEnd(const FinishedGame& game) {
    return RecordFinishedGame(store_, game);
}

std::optional<DailyAttempt> RecordedGames::DailyAttemptAt(const std::string& date, Level level) {
    return DailyResults(store_.database()).Find(date, level);
}

} // namespace lexel
