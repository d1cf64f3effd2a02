#pragma once

// The game history: a row of table GameHistory for every game counted as played, written as
// given up in the transaction that counts the game (CountPlayedGame) and replaced by its ending
// in the transaction of its counters (RecordFinishedGame), and what the statistics window draws
// from it.

#include "core/ports/GameRecords.h"
#include "core/rules/BoardGeometry.h"
#include "core/store/Sql.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lexel {

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

// What the statistics window shows of the whole history, read together because the streaks
// are checked against the count of won games.
struct HistoryTotals {
    LineWins wins;
    Streaks streaks;
    bool operator==(const HistoryTotals&) const = default;
};

// How many games per level the score chart shows.
inline constexpr int RecentGames = 50;

// The stored names of the outcomes ("won", "lost", "given up"), and back; a game still running
// has none ("playing"), and the tables refuse it.
std::string_view OutcomeName(Outcome outcome);
Outcome OutcomeNamed(std::string_view name);

class GameHistory {
public:
    // `db` must outlive the history.
    explicit GameHistory(sql::Database& db) : db_(db) {}

    // Throws sql::Error, and writes nothing, when the file was moved since it was opened.
    // Returns the new row's id.
    std::int64_t Add(const HistoryRow& row);
    // Writes `row` as row `id`, in its place in the order, whether or not that row is there.
    void Put(std::int64_t id, const HistoryRow& row);
    // Deletes every row but the newest one when `keepNewest`; returns the rows left.
    std::int64_t Clear(bool keepNewest);

    // Every row, oldest first.
    std::vector<HistoryRow> Rows();
    LineWins WinsByLine();
    Streaks WinningStreaks();
    // The scores of the last RecentGames games at `level`, oldest first.
    std::vector<Score> RecentScores(Level level);
    // The wins by line and the streaks, aggregated by the database over its indexes
    // (HistoryTotals.cpp), so that a long history opens as fast as a short one.
    HistoryTotals Totals();

private:
    sql::Statement Write(std::string_view sql, const HistoryRow& row);
    std::array<std::int64_t, LineCount + 1> WonByLine();
    Streaks StreaksByScan();

    sql::Database& db_;
};

} // namespace lexel
