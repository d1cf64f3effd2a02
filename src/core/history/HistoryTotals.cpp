// The statistics window's totals of the history, counted by the database over the indexes of
// table GameHistory (Schema.cpp), so that only index entries are read, never whole rows.

#include "GameHistory.h"

#include <algorithm>
#include <numeric>

namespace lexel {
namespace {

// Ids are given one after the other, so the games between two ids not won are the difference
// of the ids; `first` and `last` are the ids of the oldest and the newest game.
Streaks StreaksBetween(std::int64_t first, std::int64_t last,
                       const std::vector<std::int64_t>& notWon) {
    Streaks streaks;
    std::int64_t previous = first - 1;
    for (const auto id : notWon) {
        streaks.best = std::max(streaks.best, id - previous - 1);
        previous = id;
    }
    streaks.current = last - previous;
    streaks.best = std::max(streaks.best, streaks.current);
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
    std::sort(notWon.begin(), notWon.end());
    totals.streaks = StreaksBetween(*first, *last, notWon);
    return totals;
}

// Won games by their line, 0 to LineCount, from the index on outcome and line alone.
std::array<std::int64_t, LineCount + 1> GameHistory::WonByLine() {
    std::array<std::int64_t, LineCount + 1> won{};
    auto select = db_.Prepare("SELECT Line, COUNT(*) FROM GameHistory WHERE Outcome = ? "
                              "GROUP BY Line");
    select.Bind(1, OutcomeName(Outcome::Won));
    while (select.Step()) {
        const auto line = select.Int(0);
        if (line >= 0 && line <= LineCount) {
            won[static_cast<std::size_t>(line)] = select.Int(1);
        }
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
