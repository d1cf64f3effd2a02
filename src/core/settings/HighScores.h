#pragma once

// The ten best scores, each an Options row "HighScore1".."HighScore10" holding the hidden word
// in capitals followed at once by the score ("PLANET346900"), and the games counters.

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
// the game counted as played when that was still to do, counted as won, and its history row.
// True when the score entered.
struct FinishedGame {
    HistoryRow row;
    bool countAsPlayed = false;
};
bool RecordFinishedGame(SettingsStore& store, const FinishedGame& game);

// The table in rank order, as stored.
std::array<HighScoreEntry, HighScoreRanks> ReadHighScores(SettingsStore& store);

// The games counters as stored (the statistics window shows the stored text, junk and all).
struct GameCounts {
    std::string played;
    std::string won;
};
GameCounts ReadGameCounts(SettingsStore& store);

// A game counted as played: its first line was evaluated or a solution tried.
void CountPlayedGame(SettingsStore& store);

// Empties the table, the counters and the history. `GamesPlayed` becomes "1" when the running game
// has already been counted as played (it has an evaluated line), else "0".
void ResetStatistics(SettingsStore& store, bool runningGameCounted);

// won * 100 / played rounded to the nearest whole number, a half to the even neighbour; none
// when nothing was played.
std::optional<long long> WonPercentage(long long won, long long played);

} // namespace lexel
