// The statistics window's totals of the history, counted by the database over the indexes of
// table GameHistory (Schema.cpp), so that only index entries are read, never whole rows.

#include "GameHistory.h"

#include <algorithm>
#include <numeric>

namespace lexel {
namespace {

// Ids are given one after the other, so a run of wins is a run of ids between two games not
// won; `ends` marks those from the oldest game's id on, and the last run ends at the newest.
Streaks StreaksBetween(const std::vector<bool>& ends) {
    Streaks streaks;
    for (const bool ended : ends) {
        streaks.current = ended ? 0 : streaks.current + 1;
        streaks.best = std::max(streaks.best, streaks.current);
    }
    return streaks;
}

} // namespace

HistoryTotals GameHistory::Totals() {
    HistoryTotals totals;
    const auto won = WonByLine();
    for (int line = 1; line <= LineCount; ++line) {
        totals.wins.lines[static_cast<std::size_t>(line - 1)] = won[static_cast<std::size_t>(line)];
        totals.wins.early += line < LineCount ? won[static_cast<std::size_t>(line)] : 0;
    }
    const auto first = sql::QueryInt(db_, "SELECT MIN(Id) FROM GameHistory");
    const auto last = sql::QueryInt(db_, "SELECT MAX(Id) FROM GameHistory");
    if (!first || !last) {
        return totals;
    }
    std::vector<std::int64_t> notWon;
    auto select = db_.Prepare("SELECT Id FROM GameHistory WHERE Outcome IN (?, ?)");
    select.Bind(1, OutcomeName(Outcome::Lost)).Bind(2, OutcomeName(Outcome::GivenUp));
    while (select.Step()) {
        notWon.push_back(select.Int(0));
    }
    const auto games = std::accumulate(won.begin(), won.end(), std::int64_t{0}) +
                       static_cast<std::int64_t>(notWon.size());
    // A reset during a game may leave a gap before the game's row: then the ids cannot be
    // counted on, and the outcomes are read in order.
    if (games != *last - *first + 1) {
        totals.streaks = StreaksByScan();
        return totals;
    }
    // The games not won marked by their place from the oldest on: no sorting needed.
    std::vector<bool> ends(static_cast<std::size_t>(games));
    for (const auto id : notWon) {
        ends[static_cast<std::size_t>(id - *first)] = true;
    }
    totals.streaks = StreaksBetween(ends);
    return totals;
}

// Won games by their line, 0 to LineCount, each a count over one range of the index on outcome
// and line, which the database counts faster than it groups.
std::array<std::int64_t, LineCount + 1> GameHistory::WonByLine() {
    std::array<std::int64_t, LineCount + 1> won{};
    auto count = db_.Prepare("SELECT COUNT(*) FROM GameHistory WHERE Outcome = ? AND Line = ?");
    count.Bind(1, OutcomeName(Outcome::Won));
    for (std::size_t line = 0; line < won.size(); ++line) {
        count.Bind(2, static_cast<std::int64_t>(line));
        won[line] = count.Step() ? count.Int(0) : 0;
        count.Reset();
    }
    return won;
}

Streaks GameHistory::StreaksByScan() {
    Streaks streaks;
    auto select = db_.Prepare("SELECT Outcome = ? FROM GameHistory ORDER BY Id");
    select.Bind(1, OutcomeName(Outcome::Won));
    while (select.Step()) {
        streaks.current = select.Int(0) != 0 ? streaks.current + 1 : 0;
        streaks.best = std::max(streaks.best, streaks.current);
    }
    return streaks;
}

} // namespace lexel
