#include "GameHistory.h"

#include "core/store/LexelFile.h"

#include <algorithm>
#include <utility>

namespace lexel {
namespace {

// The stored names of the outcomes; a game still running has none, and the table refuses it.
constexpr std::array<std::pair<Outcome, std::string_view>, 3> OutcomeNames{{
    {Outcome::Won, "won"},
    {Outcome::Lost, "lost"},
    {Outcome::GivenUp, "given up"},
}};

} // namespace

std::string_view OutcomeName(Outcome outcome) {
    for (const auto& [value, name] : OutcomeNames) {
        if (value == outcome) {
            return name;
        }
    }
    return "playing";
}

Outcome OutcomeNamed(std::string_view name) {
    for (const auto& [value, text] : OutcomeNames) {
        if (text == name) {
            return value;
        }
    }
    return Outcome::Playing;
}

std::int64_t GameHistory::Add(const HistoryRow& row) {
    Write("INSERT INTO GameHistory (FinishedAt, Level, Word, Line, Outcome, Seconds, Score, Hints, "
          "SuggestionUnits, Daily, DailyDate) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
          row)
        .Run();
    return sql::QueryInt(db_, "SELECT last_insert_rowid()").value_or(0);
}

void GameHistory::Put(std::int64_t id, const HistoryRow& row) {
    Write("INSERT OR REPLACE INTO GameHistory (FinishedAt, Level, Word, Line, Outcome, Seconds, "
          "Score, Hints, SuggestionUnits, Daily, DailyDate, Id) "
          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
          row)
        .Bind(12, id)
        .Run();
}

// The statement `sql` with the row's values bound to its first eleven parameters.
sql::Statement GameHistory::Write(std::string_view sql, const HistoryRow& row) {
    RequireFileInPlace(db_);
    auto statement = db_.Prepare(sql);
    statement.Bind(1, row.finishedAt)
        .Bind(2, LevelNumber(row.level))
        .Bind(3, row.word)
        .Bind(4, row.line)
        .Bind(5, OutcomeName(row.outcome))
        .Bind(6, row.seconds)
        .Bind(7, row.score)
        .Bind(8, row.hints)
        .Bind(9, row.suggestionUnits)
        .Bind(10, row.daily ? 1 : 0);
    if (row.dailyDate.empty()) {
        statement.BindNull(11);
    } else {
        statement.Bind(11, row.dailyDate);
    }
    return statement;
}

std::int64_t GameHistory::Clear(bool keepNewest) {
    db_.Execute(keepNewest ? "DELETE FROM GameHistory WHERE Id < (SELECT MAX(Id) FROM GameHistory)"
                           : "DELETE FROM GameHistory");
    return sql::QueryInt(db_, "SELECT COUNT(*) FROM GameHistory").value_or(0);
}

std::vector<HistoryRow> GameHistory::Rows() {
    std::vector<HistoryRow> rows;
    auto select = db_.Prepare("SELECT FinishedAt, Level, Word, Line, Outcome, Seconds, Score, "
                              "Hints, SuggestionUnits, Daily, DailyDate FROM GameHistory "
                              "ORDER BY Id");
    while (select.Step()) {
        rows.push_back({.finishedAt = select.Text(0),
                        .level = static_cast<Level>(select.Int(1)),
                        .word = select.Text(2),
                        .line = static_cast<int>(select.Int(3)),
                        .outcome = OutcomeNamed(select.Text(4)),
                        .seconds = select.Int(5),
                        .score = select.Int(6),
                        .hints = static_cast<int>(select.Int(7)),
                        .suggestionUnits = select.Int(8),
                        .daily = select.Int(9) != 0,
                        .dailyDate = select.IsNull(10) ? std::string() : select.Text(10)});
    }
    return rows;
}

LineWins GameHistory::WinsByLine() {
    return Totals().wins;
}

Streaks GameHistory::WinningStreaks() {
    return Totals().streaks;
}

std::vector<Score> GameHistory::RecentScores(Level level) {
    std::vector<Score> scores;
    auto select = db_.Prepare("SELECT Score FROM GameHistory WHERE Level = ? ORDER BY Id DESC "
                              "LIMIT ?");
    select.Bind(1, LevelNumber(level)).Bind(2, RecentGames);
    while (select.Step()) {
        scores.push_back(select.Int(0));
    }
    std::reverse(scores.begin(), scores.end());
    return scores;
}

} // namespace lexel
