// The game of the day: the word comes from the date and the level instead of the draw, and its
// result can be shared without giving the word away.

#include "GameMessages.h"
#include "GameModel.h"
#include "core/rules/DailyWord.h"
#include "core/settings/Settings.h"
#include "core/store/WordStore.h"

#include <QDateTime>

namespace lexel {
namespace {

std::string LocalDate(std::int64_t secondsSinceEpoch) {
    return QDateTime::fromSecsSinceEpoch(secondsSinceEpoch)
        .date()
        .toString(Qt::ISODate)
        .toStdString();
}

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
    const auto date = LocalDate(services_.clock.Now());
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
