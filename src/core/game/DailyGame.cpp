// The game of the day: the word comes from the date and the level instead of the draw, and its
// result can be shared without giving the word away.

#include "GameMessages.h"
#include "GameModel.h"
#include "core/base/PlayerSettings.h"
#include "core/ports/GameRecords.h"
#include "core/ports/WordSource.h"
#include "core/rules/DailyWord.h"

namespace lexel {
namespace {

// A line's dots as symbols: a black dot, a white dot, or a dash for a line with none.
QString DotRow(const LineResult& result) {
    if (result.Good() == 0) {
        return QStringLiteral("–");
    }
    return QString(result.black, u'●') + QString(result.white, u'○');
}

} // namespace

bool GameModel::NewDailyGame() {
    if (game_.GameRunning && !AbortGame()) {
        return false;
    }
    StartDailyGame();
    return true;
}

void GameModel::StartDailyGame() {
    const auto level = services_.settings.level;
    const auto date = LocalTimeOf(services_.clock.Now()).substr(0, 10); // "YYYY-MM-DD"
    const auto word = DailyWord(services_.words.DrawableWords(level, true), date, level);
    Begin(word, true, date);
}

bool GameModel::AttemptedBefore(const std::string& dailyDate) const {
    return !dailyDate.empty() && services_.records.DailyAttemptAt(dailyDate, game_.level);
}

DailyAttempt GameModel::AttemptOf(const HistoryRow& row) const {
    return {.date = game_.dailyDate,
            .level = game_.level,
            .outcome = row.outcome,
            .line = row.line,
            .score = row.score,
            .dots = Dots().toStdString()};
}

QString GameModel::Dots() const {
    QStringList rows;
    for (int line = 0; line < LineCount; ++line) {
        if (const auto& result = board_.Result(line)) {
            rows << DotRow(*result);
        }
    }
    return rows.join(u'\n');
}

// The stored first attempt; the game as it stands when neither its count nor its end could be
// written.
QString GameModel::DailyResult() const {
    const auto attempt = services_.records.DailyAttemptAt(game_.dailyDate, game_.level)
                             .value_or(AttemptOf(Finished(game_.outcome, ComputeScore()).row));
    QString outcome;
    switch (attempt.outcome) {
    case Outcome::Won:
        outcome = GameMessages::SolvedOnLine(attempt.line);
        break;
    case Outcome::Lost:
        outcome = GameMessages::NotSolved();
        break;
    case Outcome::GivenUp:
    case Outcome::Playing:
        outcome = GameMessages::GivenUp();
        break;
    }
    QStringList rows{GameMessages::DailyResult(QString::fromStdString(attempt.date),
                                               GameMessages::LevelName(attempt.level), outcome,
                                               attempt.score)};
    if (!attempt.dots.empty()) {
        rows << QString::fromStdString(attempt.dots);
    }
    return rows.join(u'\n');
}

} // namespace lexel
