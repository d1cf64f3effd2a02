#include "GameMessages.h"

#include <QCoreApplication>

namespace lexel::GameMessages {
namespace {

QString Text(const char* english) {
    return QCoreApplication::translate("lexel::GameMessages", english);
}

} // namespace

QString AbortQuestion() {
    return Text(QT_TRANSLATE_NOOP("lexel::GameMessages", "Do you really want to abort this game?"));
}

QString Reveal(const QString& word) {
    return Text(QT_TRANSLATE_NOOP("lexel::GameMessages", "The hidden word was '%1'.")).arg(word);
}

QString NotAWordRefused(const QString& guess) {
    return Text(QT_TRANSLATE_NOOP(
                    "lexel::GameMessages",
                    "'%1' is not a valid English word. If you want to be allowed to use invalid "
                    "'words', you must enable the Cheating option."))
        .arg(guess);
}

QString NotAWordQuestion(const QString& guess) {
    return Text(QT_TRANSLATE_NOOP(
                    "lexel::GameMessages",
                    "'%1' is not a valid English word.\nShould it be accepted nevertheless?"))
        .arg(guess);
}

QString WonOnLastLine() {
    return Text(
        QT_TRANSLATE_NOOP("lexel::GameMessages", "Congratulations!  You found the hidden word."));
}

QString WonEarly() {
    return Text(QT_TRANSLATE_NOOP("lexel::GameMessages",
                                  "Great!  You found the hidden word ahead of time."));
}

QString ScoreLine(long long score) {
    const int points = static_cast<int>(score); // at most 500000
    //: %n is the score; the German text has no words before it
    return QCoreApplication::translate("lexel::GameMessages", "You scored %n points.", 0, points);
}

QString WrongSolution() {
    return Text(QT_TRANSLATE_NOOP("lexel::GameMessages",
                                  "Sorry, this is not the correct solution. Please play on!"));
}

QString Lost(const QString& word) {
    return Text(QT_TRANSLATE_NOOP(
                    "lexel::GameMessages",
                    "Sorry, this is not the correct solution. The hidden word was '%1'.  Better "
                    "luck next time!"))
        .arg(word);
}

QString NoMatchingWord() {
    return Text(QT_TRANSLATE_NOOP("lexel::GameMessages", "No matching word found."));
}

QString NoOtherWord() {
    return Text(QT_TRANSLATE_NOOP("lexel::GameMessages",
                                  "No other word fits this line. This suggestion costs nothing."));
}

QString DailyResult(const QString& date, const QString& level, const QString& outcome,
                    long long score) {
    //: %1 the date, %2 the level's name, %3 the outcome, %4 the score
    return Text(QT_TRANSLATE_NOOP("lexel::GameMessages", "Morvane Lexel %1, %2: %3, %4"))
        .arg(date)
        .arg(level)
        .arg(outcome)
        .arg(score);
}

QString LevelName(Level level) {
    switch (level) {
    case Level::Beginner:
        return Text(QT_TRANSLATE_NOOP("lexel::GameMessages", "Beginner"));
    case Level::Advanced:
        return Text(QT_TRANSLATE_NOOP("lexel::GameMessages", "Advanced"));
    case Level::Expert:
        return Text(QT_TRANSLATE_NOOP("lexel::GameMessages", "Expert"));
    case Level::Guru:
        break;
    }
    return Text(QT_TRANSLATE_NOOP("lexel::GameMessages", "Guru"));
}

QString SolvedOnLine(int line) {
    return Text(QT_TRANSLATE_NOOP("lexel::GameMessages", "solved on line %1")).arg(line);
}

QString NotSolved() {
    return Text(QT_TRANSLATE_NOOP("lexel::GameMessages", "not solved"));
}

QString GivenUp() {
    return Text(QT_TRANSLATE_NOOP("lexel::GameMessages", "given up"));
}

} // namespace lexel::GameMessages
