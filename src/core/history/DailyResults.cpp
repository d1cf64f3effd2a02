#include "DailyResults.h"

#include "GameHistory.h"
#include "core/store/LexelFile.h"

namespace lexel {

void DailyResults::Put(const DailyAttempt& attempt) {
    RequireFileInPlace(db_);
    db_.Prepare(
           "INSERT OR REPLACE INTO DailyResults (DailyDate, Level, Outcome, Line, Score, Dots) "
           "VALUES (?, ?, ?, ?, ?, ?)")
        .Bind(1, attempt.date)
        .Bind(2, LevelNumber(attempt.level))
        .Bind(3, OutcomeName(attempt.outcome))
        .Bind(4, attempt.line)
        .Bind(5, attempt.score)
        .Bind(6, attempt.dots)
        .Run();
}

std::optional<DailyAttempt> DailyResults::Find(const std::string& date, Level level) {
    auto select = db_.Prepare("SELECT Outcome, Line, Score, Dots FROM DailyResults "
                              "WHERE DailyDate = ? AND Level = ?");
    select.Bind(1, date).Bind(2, LevelNumber(level));
    if (!select.Step()) {
        return std::nullopt;
    }
    return DailyAttempt{.date = date,
                        .level = level,
                        .outcome = OutcomeNamed(select.Text(0)),
                        .line = static_cast<int>(select.Int(1)),
                        .score = select.Int(2),
                        .dots = select.Text(3)};
}

} // namespace lexel
