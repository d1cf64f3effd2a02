#pragma once

// The ten best scores, each an Options row "HighScore1".."HighScore10" holding the hidden word
// in capitals followed at once by the score ("PLANET346900"), and the games counters.

#include "core/history/DailyResults.h"
#include "core/history/GameHistory.h"
#include "core/rules/Scoring.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lexel {

class SettingsStore;

inline constexpr int HighScoreRanks = 10;

struct HighScoreEntry {
    std::string word;  // characters 1 to 6
    std::string score; // characters 7 on; "" for an entry shorter than seven characters
};

std::string HighScoreKey(int rank);
HighScoreEntry SplitHighScore(std::string_view entry);

// Enters `score` for `word` at the first rank whose score is strictly lower:
// an equal score ranks below, 0 or less never enters, rank 10 falls out. The rows move in one
// transaction, so an interruption never duplicates or loses an entry. True when it entered.
bool EnterHighScore(SettingsStore& store, std::string_view word, Score score);

// Everything the end of a game writes, in one transaction, so no interruption leaves a score
// beside counters or a history that do not count its game: the score offered to the table,
// the game counted as played when that was still to do, counted as won, its history row in
// place of the one its count wrote, and a first attempt at a game of the day.
// True when the score entered.
struct FinishedGame {
    HistoryRow row;
    bool countAsPlayed = false;
    std::optional<std::int64_t> historyId{}; // the row written when the game was counted
    std::optional<DailyAttempt> daily{};
};
bool RecordFinishedGame(SettingsStore& store, const FinishedGame& game);

// The table in rank order, as stored.
std::array<HighScoreEntry, HighScoreRanks> ReadHighScores(SettingsStore& store);

// The games counters as stored (the statistics window shows the stored text, junk and all).
// GamesPlayed agrees with the history's rows: a game whose end was never written (a failing
// disk, a killed program) is there as given up at the line it reached when it was counted.
struct GameCounts {
    std::string played;
    std::string won;
};
GameCounts ReadGameCounts(SettingsStore& store);

// A game counted as played (its first line was evaluated or a solution tried), in one
// transaction with its history row as it stands, `soFar.row` (given up, score 0), and, for a
// first attempt at a game of the day, `soFar.daily`: should its end never be written (a failing
// disk, a killed program), the history still holds it and agrees with GamesPlayed. Returns the
// row's id, which the end replaces. `soFar.countAsPlayed` and `soFar.historyId` are not read.
std::int64_t CountPlayedGame(SettingsStore& store, const FinishedGame& soFar);

// Empties the table, the counters and the history, but not the results of the day's games.
// When the running game has been counted as played, its history row, the newest (no other game
// ends while it runs), stays and `GamesPlayed` counts it: "1"; else "0".
void ResetStatistics(SettingsStore& store, bool runningGameCounted);

// won * 100 / played rounded to the nearest whole number, a half to the even neighbour; none
// when nothing was played.
std::optional<long long> WonPercentage(long long won, long long played);

} // namespace lexel
