#pragma once

// The game history: a row of table GameHistory for every game counted as played, written when
// the game ends in the transaction of its counters (RecordFinishedGame), and what the
// statistics window draws from it.

#include "core/game/GameState.h"
#include "core/rules/BoardGeometry.h"
#include "core/rules/Scoring.h"
#include "core/store/Sql.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lexel {

struct HistoryRow {
    std::string finishedAt; // local time, "2024-06-11T14:03:05"
    Level level = DefaultLevel;
    std::string word; // the hidden word
    // Won or lost: the line the game ended on, 1 to 9 (a win before line 9 came through the
    // solution line). Given up: the lines it had used, 0 to 8.
    int line = 0;
    Outcome outcome = Outcome::GivenUp; // Won, Lost or GivenUp
    std::int64_t seconds = 0;
    Score score = 0;
    int hints = 0;
    std::int64_t suggestionUnits = 0;
    bool daily = false; // a game of the day
    bool operator==(const HistoryRow&) const = default;
};

// Won games by the line they were won on (lines[0] is line 1); `early` counts those won ahead
// of time, through the solution line on lines 1 to 8.
struct LineWins {
    std::array<std::int64_t, LineCount> lines{};
    std::int64_t early = 0;
    bool operator==(const LineWins&) const = default;
};

// Runs of won games one after the other; a lost game or one given up ends a run.
struct Streaks {
    std::int64_t current = 0; // the run the last games make
    std::int64_t best = 0;
    bool operator==(const Streaks&) const = default;
};

// How many games per level the score chart shows.
inline constexpr int RecentGames = 50;

// A clock's time as local time, as the history stores it: "2024-06-11T14:03:05".
std::string LocalTimeOf(std::int64_t secondsSinceEpoch);

class GameHistory {
public:
    // `db` must outlive the history.
    explicit GameHistory(sql::Database& db) : db_(db) {}

    // Throws sql::Error, and writes nothing, when the file was moved since it was opened.
    void Add(const HistoryRow& row);
    void Clear();

    // Every row, oldest first.
    std::vector<HistoryRow> Rows();
    LineWins WinsByLine();
    Streaks WinningStreaks();
    // The scores of the last RecentGames games at `level`, oldest first.
    std::vector<Score> RecentScores(Level level);

private:
    sql::Database& db_;
};

} // namespace lexel
