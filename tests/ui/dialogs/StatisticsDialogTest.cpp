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

QLabel* Row(QWidget& window, const char* array, int row) {
    return Child<QLabel>(window, QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(row));
}

bool IsHighlighted(QWidget& window, int row) {
    const auto blue = QColor(0, 0, 255);
    return Row(window, "word", row)->font().bold() &&
           Row(window, "word", row)->palette().color(QPalette::WindowText) == blue &&
           Row(window, "score", row)->palette().color(QPalette::WindowText) == blue;
}

} // namespace

class StatisticsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void captionsAndTheGamesWonLineInBothLanguages() {
        // Games won, games played, the line in English and in German.
        const char* const lines[][4] = {
            {"0", "0", "You have won 0 out of 0 times.", "0 von 0 Spielen gewonnen."},
            {"3", "8", "You have won 3 out of 8 times (38%).", "3 von 8 Spielen gewonnen (38%)."},
            {"lots", "%2", "You have won lots out of %2 times.", "lots von %2 Spielen gewonnen."},
        };
        const char* const buttons[][3] = {{"closeButton", "&Close", "&Schließen"},
                                          {"resetButton", "&Reset", "&Löschen"},
                                          {"helpButton", "&Help", "&Hilfe"},
                                          {"historyCloseButton", "&Close", "&Schließen"}};
        for (const int german : {0, 1}) {
            test::WindowFixture f(german ? "D" : "E");
            for (const auto& c : lines) {
                f.store.WriteOption("GamesWon", c[0]);
                f.store.WriteOption("GamesPlayed", c[1]);
                StatisticsDialog window(f.store, f.boxes, f.help, false);
                QCOMPARE(Child<QLabel>(window, "gamesWonLine")->text(), QString(c[2 + german]));
            }
            StatisticsDialog window(f.store, f.boxes, f.help, false);
            QCOMPARE(window.windowTitle(), QStringLiteral("Morvane Lexel High Scores"));
            for (const auto& b : buttons) {
                QCOMPARE(Child<QPushButton>(window, b[0])->text(), QString(b[1 + german]));
            }
            const auto* pages = Child<QTabWidget>(window, "statisticsPages");
            QCOMPARE(pages->tabText(0), QStringLiteral("High Scores"));
            QCOMPARE(pages->tabText(1), QString(german ? "Verlauf" : "History"));
            window.show();
            QTest::mouseClick(Child<QPushButton>(window, "resetButton"), Qt::LeftButton);
            QCOMPARE(f.boxes.shown.at(0).text,
                     QString(german ? "High Scores wirklich löschen?"
                                    : "Do you really want to reset the high score information?"));
        }
    }

    // Each rank shows its stored word and score as they are; HighLight marks the first row that
    // matches exactly.
    void theTableAndItsHighLight() {
        test::WindowFixture f("E");
        const char* const stored[] = {"GARDEN900", "PLANET500", "<b>X</b>99", "PLANET500"};
        for (int i = 0; i < 4; ++i) {
            f.store.WriteOption(HighScoreKey(i + 1), stored[i]);
        }
        StatisticsDialog window(f.store, f.boxes, f.help, false);
        QStringList shown;
        for (int i = 0; i < 5; ++i) {
            shown << Row(window, "rank", i)->text() + ' ' + Row(window, "word", i)->text() + ' ' +
                         Row(window, "score", i)->text();
            QCOMPARE(Row(window, "word", i)->textFormat(), Qt::PlainText);
        }
        QCOMPARE(shown, QStringList({"1 GARDEN 900", "2 PLANET 500", "3 <b>X</ b>99",
                                     "4 PLANET 500", "5 ?????? 0"}));
        QCOMPARE(Row(window, "rank", 9)->text(), QStringLiteral("10"));
        window.HighLight(QStringLiteral("garden"), QStringLiteral("900"));
        window.HighLight(QStringLiteral("PLANET"), QStringLiteral("500"));
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(IsHighlighted(window, i), i == 1);
        }
    }

    // F1 and Help open the topic. Reset asks first: No is preselected and keeps everything,
    // Esc closes without asking, and Yes empties the table and the counters, where a running
    // game that has an evaluated line stays counted as played.
    void helpResetAndEscape() {
        for (const bool runningGameCounted : {false, true}) {
            test::WindowFixture f("E");
            f.store.WriteOption("HighScore1", "GARDEN900");
            f.store.WriteOption("GamesPlayed", "8");
            f.store.WriteOption("GamesWon", "3");
            StatisticsDialog window(f.store, f.boxes, f.help, runningGameCounted);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTest::keyClick(&window, Qt::Key_F1);
            QTest::mouseClick(Child<QPushButton>(window, "helpButton"), Qt::LeftButton);
            QCOMPARE(f.help.topics,
                     (std::vector<HelpTopic>{HelpTopic::Statistics, HelpTopic::Statistics}));
            QVERIFY(f.boxes.shown.empty());
            f.boxes.answers = {MessageAnswer::No};
            QTest::mouseClick(Child<QPushButton>(window, "resetButton"), Qt::LeftButton);
            const auto& question = f.boxes.shown.at(0);
            QVERIFY(question.icon == MessageIcon::Question &&
                    question.buttons == MessageButtons::YesNo &&
                    question.defaultAnswer == MessageAnswer::No);
            QVERIFY(window.isVisible());
            QCOMPARE(f.Stored("GamesPlayed") + f.Stored("HighScore1"), std::string("8GARDEN900"));
            QTest::keyClick(&window, Qt::Key_Escape);
            QVERIFY(!window.isVisible());
            QCOMPARE(f.boxes.shown.size(), std::size_t{1});

            window.show();
            f.boxes.answers = {MessageAnswer::Yes};
            QTest::mouseClick(Child<QPushButton>(window, "resetButton"), Qt::LeftButton);
            QVERIFY(!window.isVisible());
            QCOMPARE(f.Stored("GamesPlayed") + f.Stored("GamesWon") + f.Stored("HighScore1"),
                     (runningGameCounted ? "1" : "0") + std::string("0??????0"));
        }
    }

    // The History page reads the stored rows: streaks, wins by line and the recent scores, as
    // a screen reader hears the charts.
    void historyDescribesTheStoredRows() {
        test::WindowFixture f("E");
        const auto add = [&f](Level level, int line, Outcome outcome, Score score) {
            GameHistory(f.db).Add(
                {"2024-06-11T14:03:05", level, "garden", line, outcome, 0, score, 0, 0, false});
        };
        add(Level::Advanced, 9, Outcome::Won, 300500);
        add(Level::Advanced, 3, Outcome::Won, 250000);
        add(Level::Guru, 9, Outcome::Lost, 3400);
        add(Level::Beginner, 9, Outcome::Won, 280000);
        add(Level::Advanced, 2, Outcome::GivenUp, 200);
        StatisticsDialog window(f.store, f.boxes, f.help, false);
        QCOMPARE(Child<QLabel>(window, "currentStreakLine")->text(),
                 QStringLiteral("Current winning streak: 0"));
        QCOMPARE(Child<QLabel>(window, "bestStreakLine")->text(),
                 QStringLiteral("Best winning streak: 2"));
        QCOMPARE(Child<QWidget>(window, "winsByLineChart")->accessibleDescription(),
                 QStringLiteral("Games won by line: line 1: 0, line 2: 0, line 3: 1, line 4: 0, "
                                "line 5: 0, line 6: 0, line 7: 0, line 8: 0, line 9: 2, won ahead "
                                "of time: 1"));
        QCOMPARE(Child<QWidget>(window, "recentScoresChart")->accessibleDescription(),
                 QStringLiteral("Oldest first. Beginner: 280000; Advanced: 300500, 250000, 200; "
                                "Expert: no games; Guru: 3400"));
    }
};

QTEST_MAIN(StatisticsDialogTest)
#include "StatisticsDialogTest.moc"
