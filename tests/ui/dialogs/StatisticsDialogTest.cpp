#include "ui/dialogs/StatisticsDialog.h"

#include "core/history/GameHistory.h"
#include "core/settings/HighScores.h"
#include "support/WindowFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace lexel;
using test::Child;

namespace {

QLabel* Label(QWidget& window, const QString& name) {
    return Child<QLabel>(window, name);
}

QLabel* Row(QWidget& window, const char* array, int row) {
    return Label(window, QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(row));
}

bool IsHighlighted(QWidget& window, int row) {
    const auto blue = QColor(0, 0, 255);
    return Row(window, "word", row)->font().bold() &&
           Row(window, "word", row)->palette().color(QPalette::WindowText) == blue &&
           Row(window, "score", row)->palette().color(QPalette::WindowText) == blue;
}

void Fill(test::WindowFixture& f, const std::vector<std::string>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        f.store.WriteOption(HighScoreKey(static_cast<int>(i) + 1), entries[i]);
    }
}

} // namespace

class StatisticsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void captionsAndTheGamesWonLineInBothLanguages() {
        const struct {
            const char* won;
            const char* played;
            const char* english;
            const char* german;
        } cases[] = {
            {"0", "0", "You have won 0 out of 0 times.", "0 von 0 Spielen gewonnen."},
            {"3", "8", "You have won 3 out of 8 times (38%).", "3 von 8 Spielen gewonnen (38%)."},
            {"lots", "%2", "You have won lots out of %2 times.", "lots von %2 Spielen gewonnen."},
        };
        for (const bool german : {false, true}) {
            test::WindowFixture f(german ? "D" : "E");
            for (const auto& c : cases) {
                f.store.WriteOption("GamesWon", c.won);
                f.store.WriteOption("GamesPlayed", c.played);
                StatisticsDialog window(f.store, f.boxes, f.help, false);
                QCOMPARE(Label(window, "gamesWonLine")->text(),
                         QString::fromUtf8(german ? c.german : c.english));
            }
            StatisticsDialog window(f.store, f.boxes, f.help, false);
            QCOMPARE(window.windowTitle(), QStringLiteral("Morvane Lexel High Scores"));
            const struct {
                const char* button;
                const char* english;
                const char* german;
            } buttons[] = {{"closeButton", "&Close", "&Schließen"},
                           {"resetButton", "&Reset", "&Löschen"},
                           {"helpButton", "&Help", "&Hilfe"},
                           {"historyCloseButton", "&Close", "&Schließen"}};
            for (const auto& b : buttons) {
                QCOMPARE(Child<QPushButton>(window, b.button)->text(),
                         QString::fromUtf8(german ? b.german : b.english));
            }
            const auto* pages = Child<QTabWidget>(window, "statisticsPages");
            QCOMPARE(pages->tabText(0), QStringLiteral("High Scores"));
            QCOMPARE(pages->tabText(1),
                     german ? QStringLiteral("Verlauf") : QStringLiteral("History"));
            window.show();
            QTest::mouseClick(Child<QPushButton>(window, "resetButton"), Qt::LeftButton);
            QCOMPARE(
                f.boxes.shown.at(0).text,
                german ? QStringLiteral("High Scores wirklich löschen?")
                       : QStringLiteral("Do you really want to reset the high score information?"));
        }
    }

    // Each rank shows its stored word and score as they are; HighLight marks the first row that
    // matches exactly.
    void theTableAndItsHighLight() {
        test::WindowFixture f("E");
        Fill(f, {"GARDEN900", "PLANET500", "<b>X</b>99", "PLANET500"});
        StatisticsDialog window(f.store, f.boxes, f.help, false);
        const struct {
            const char* rank;
            const char* word;
            const char* score;
        } rows[] = {{"1", "GARDEN", "900"},
                    {"2", "PLANET", "500"},
                    {"3", "<b>X</", "b>99"},
                    {"4", "PLANET", "500"},
                    {"5", "??????", "0"}};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(Row(window, "rank", i)->text(), QLatin1String(rows[i].rank));
            QCOMPARE(Row(window, "word", i)->text(), QLatin1String(rows[i].word));
            QCOMPARE(Row(window, "score", i)->text(), QLatin1String(rows[i].score));
            QCOMPARE(Row(window, "word", i)->textFormat(), Qt::PlainText);
        }
        QCOMPARE(Row(window, "rank", 9)->text(), QStringLiteral("10"));
        window.HighLight(QStringLiteral("garden"), QStringLiteral("900"));
        window.HighLight(QStringLiteral("PLANET"), QStringLiteral("500"));
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(IsHighlighted(window, i), i == 1);
        }
    }

    // No is preselected and keeps everything; Yes empties the table and the counters, where a
    // running game that has an evaluated line stays counted as played.
    void resetAsksFirst() {
        for (const bool runningGameCounted : {false, true}) {
            test::WindowFixture f("E");
            Fill(f, {"GARDEN900"});
            f.store.WriteOption("GamesPlayed", "8");
            f.store.WriteOption("GamesWon", "3");
            StatisticsDialog window(f.store, f.boxes, f.help, runningGameCounted);
            window.show();
            f.boxes.answers = {MessageAnswer::No};
            QTest::mouseClick(Child<QPushButton>(window, "resetButton"), Qt::LeftButton);
            const auto& question = f.boxes.shown.at(0);
            QVERIFY(question.icon == MessageIcon::Question &&
                    question.buttons == MessageButtons::YesNo &&
                    question.defaultAnswer == MessageAnswer::No);
            QVERIFY(window.isVisible());
            QCOMPARE(f.Stored("GamesPlayed"), std::string("8"));
            QCOMPARE(f.Stored("HighScore1"), std::string("GARDEN900"));

            f.boxes.answers = {MessageAnswer::Yes};
            QTest::mouseClick(Child<QPushButton>(window, "resetButton"), Qt::LeftButton);
            QVERIFY(!window.isVisible());
            QCOMPARE(f.Stored("GamesPlayed"), std::string(runningGameCounted ? "1" : "0"));
            QCOMPARE(f.Stored("GamesWon"), std::string("0"));
            QCOMPARE(f.Stored("HighScore1"), std::string("??????0"));
        }
    }

    // The History page reads the stored rows: streaks, wins by line and the recent scores, as
    // a screen reader hears the charts.
    void historyDescribesTheStoredRows() {
        test::WindowFixture f("E");
        const struct {
            Level level;
            int line;
            Outcome outcome;
            Score score;
        } rows[] = {{Level::Advanced, 9, Outcome::Won, 300500},
                    {Level::Advanced, 3, Outcome::Won, 250000},
                    {Level::Guru, 9, Outcome::Lost, 3400},
                    {Level::Beginner, 9, Outcome::Won, 280000},
                    {Level::Advanced, 2, Outcome::GivenUp, 200}};
        for (const auto& r : rows) {
            GameHistory(f.db).Add({.finishedAt = "2024-06-11T14:03:05",
                                   .level = r.level,
                                   .word = "garden",
                                   .line = r.line,
                                   .outcome = r.outcome,
                                   .score = r.score});
        }
        StatisticsDialog window(f.store, f.boxes, f.help, false);
        QCOMPARE(Label(window, "currentStreakLine")->text(),
                 QStringLiteral("Current winning streak: 0"));
        QCOMPARE(Label(window, "bestStreakLine")->text(), QStringLiteral("Best winning streak: 2"));
        QCOMPARE(Child<QWidget>(window, "winsByLineChart")->accessibleDescription(),
                 QStringLiteral("Games won by line: line 1: 0, line 2: 0, line 3: 1, line 4: 0, "
                                "line 5: 0, line 6: 0, line 7: 0, line 8: 0, line 9: 2, won ahead "
                                "of time: 1"));
        QCOMPARE(Child<QWidget>(window, "recentScoresChart")->accessibleDescription(),
                 QStringLiteral("Oldest first. Beginner: 280000; Advanced: 300500, 250000, 200; "
                                "Expert: no games; Guru: 3400"));
    }

    void helpAndEscape() {
        test::WindowFixture f("E");
        StatisticsDialog window(f.store, f.boxes, f.help, false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        QTest::mouseClick(Child<QPushButton>(window, "helpButton"), Qt::LeftButton);
        QCOMPARE(f.help.topics,
                 (std::vector<HelpTopic>{HelpTopic::Statistics, HelpTopic::Statistics}));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(f.boxes.shown.empty());
    }
};

QTEST_MAIN(StatisticsDialogTest)
#include "StatisticsDialogTest.moc"
