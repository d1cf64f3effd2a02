// The game of the day: the word comes from the date and the level instead of the draw, and its
// result can be shared without giving the word away.

#include "GameMessages.h"
#include "GameModel.h"
#include "core/history/GameHistory.h"
#include "core/rules/DailyWord.h"
#include "core/settings/Settings.h"
#include "core/store/WordStore.h"

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

QString GameModel::DailyResult() const {
    QString outcome;
    switch (game_.outcome) {
    case Outcome::Won:
        outcome = GameMessages::SolvedOnLine(game_.currentLine + 1);
        break;
    case Outcome::Lost:
        outcome = GameMessages::NotSolved();
        break;
    case Outcome::GivenUp:
    case Outcome::Playing:
        outcome = GameMessages::GivenUp();
        break;
    }
    QStringList rows{GameMessages::DailyResult(QString::fromStdString(game_.dailyDate),
                                               LevelNumber(game_.level), outcome, ComputeScore())};
    for (int line = 0; line < LineCount; ++line) {
        if (const auto& result = board_.Result(line)) {
            rows << DotRow(*result);
        }
    }
    return rows.join(u'\n');
}

} // namespace lexel
