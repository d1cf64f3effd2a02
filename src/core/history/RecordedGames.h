#pragma once

// What a game leaves in the file: the games counters and the table of the ten best scores in
// the Options rows, its history row and the first attempts at the games of the day, each write
// in one transaction, so no interruption leaves a score beside counters or a history that do
// not count its game.

#include "core/ports/GameRecords.h"

namespace lexel {

class SettingsStore;

// The end of a game in one transaction. The rank its score entered the table at, if it did.
std::optional<int> RecordFinishedGame(SettingsStore& store, const FinishedGame& game);

// A game counted as played, in one transaction with its history row as it stands and, for a
// first attempt at a game of the day, `soFar.daily`: should its end never be written (a failing
// disk, a killed program), the history still holds it and agrees with GamesPlayed. Returns the
// row's id, which the end replaces. `soFar.countAsPlayed` and `soFar.historyId` are not read.
std::int64_t CountPlayedGame(SettingsStore& store, const FinishedGame& soFar);

// Empties the table, the counters and the history, but not the results of the day's games.
// When the running game has been counted as played, its history row, the newest (no other game
// ends while it runs), stays and `GamesPlayed` counts it: "1"; else "0".
void ResetStatistics(SettingsStore& store, bool runningGameCounted);

// The game's records in the Options rows and the history tables of one file.
class RecordedGames final : public GameRecords {
public:
    // `store` must outlive the records.
    explicit RecordedGames(SettingsStore& store) : store_(store) {}

    std::int64_t CountGame(const FinishedGame& soFar) override;
    std::optional<int> RecordEnd(const FinishedGame& game) override;
    std::optional<DailyAttempt> DailyAttemptAt(const std::string& date, Level level) override;

private:
    SettingsStore& store_;
};

} // namespace lexel
