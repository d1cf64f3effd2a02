#pragma once

// The ten best scores, each an Options row "HighScore1".."HighScore10" holding the hidden word
// in capitals followed at once by the score ("PLANET346900"), and the games counters.

#include "core/base/Score.h"

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
// transaction, so an interruption never duplicates or loses an entry. The rank it entered at.
std::optional<int> EnterHighScore(SettingsStore& store, std::string_view word, Score score);

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

// won * 100 / played rounded to the nearest whole number, a half to the even neighbour; none
// when nothing was played.
std::optional<long long> WonPercentage(long long won, long long played);

} // namespace lexel
