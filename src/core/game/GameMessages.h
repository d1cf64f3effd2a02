#pragma once

// What the game tells the player in its message boxes, in the player's language. "%1" stands
// for the hidden word, the guess or the score.

#include "core/base/Level.h"

#include <QString>

namespace lexel::GameMessages {

QString AbortQuestion();
QString Reveal(const QString& word);
QString NotAWordRefused(const QString& guess);
QString NotAWordQuestion(const QString& guess);
QString WonOnLastLine();
QString WonEarly();
QString ScoreLine(long long score);
QString WrongSolution();
QString Lost(const QString& word);
QString NoMatchingWord();
QString NoOtherWord();

// The shared result of a game of the day: its first line and the outcome in it. The level is
// named as the options window names it.
QString DailyResult(const QString& date, const QString& level, const QString& outcome,
                    long long score);
QString LevelName(Level level);
QString SolvedOnLine(int line);
QString NotSolved();
QString GivenUp();

} // namespace lexel::GameMessages
