#include "ui/dialogs/StatisticsDialog.h"

#include "core/settings/HighScores.h"
#include "support/WindowFixture.h"

#include <QLabel>
#include <QPushButton>
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
    void gamesWonLineInBothLanguages() {
        const struct {
            const char* won;
            const char* played;
            const char* english;
            const char* german;
        } cases[] = {
            {"0", "0", "You have won 0 out of 0 times.", "0 von 0 Spielen gewonnen."},
            {"1", "8", "You have won 1 out of 8 times (12%).", "1 von 8 Spielen gewonnen (12%)."},
            {"3", "8", "You have won 3 out of 8 times (38%).", "3 von 8 Spielen gewonnen (38%)."},
            {"2", "3", "You have won 2 out of 3 times (67%).", "2 von 3 Spielen gewonnen (67%)."},
            {"1", "1", "You have won 1 out of 1 times (100%).", "1 von 1 Spielen gewonnen (100%)."},
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
                QCOMPARE(window.windowTitle(), QStringLiteral("Morvane Lexel High Scores"));
                QCOMPARE(Child<QPushButton>(window, "closeButton")->text(),
                         QString::fromUtf8(german ? "&Schließen" : "&Close"));
                QCOMPARE(Child<QPushButton>(window, "resetButton")->text(),
                         QString::fromUtf8(german ? "&Löschen" : "&Reset"));
                QCOMPARE(Child<QPushButton>(window, "helpButton")->text(),
                         QString::fromUtf8(german ? "&Hilfe" : "&Help"));
            }
        }
    }

    void tableShowsEntriesAsStored() {
        test::WindowFixture f("E");
        Fill(f, {"PLANET346900", "SHORT", "<b>X</b>99"});
        StatisticsDialog window(f.store, f.boxes, f.help, false);
        QCOMPARE(Row(window, "rank", 9)->text(), QStringLiteral("10"));
        QVERIFY(Row(window, "rank", 0)->alignment() & Qt::AlignRight);
        QVERIFY(Row(window, "score", 0)->alignment() & Qt::AlignRight);
        QCOMPARE(Row(window, "word", 0)->text(), QStringLiteral("PLANET"));
        QCOMPARE(Row(window, "score", 0)->text(), QStringLiteral("346900"));
        QCOMPARE(Row(window, "word", 1)->text(), QStringLiteral("SHORT"));
        QCOMPARE(Row(window, "score", 1)->text(), QString());
        QCOMPARE(Row(window, "word", 2)->text(), QStringLiteral("<b>X</"));
        QCOMPARE(Row(window, "word", 2)->textFormat(), Qt::PlainText);
        QCOMPARE(Row(window, "word", 3)->text(), QStringLiteral("??????"));
        QCOMPARE(Row(window, "score", 3)->text(), QStringLiteral("0"));
    }

    void highLightMarksTheFirstMatchOnly() {
        test::WindowFixture f("E");
        Fill(f, {"GARDEN900", "PLANET500", "SILVER400", "PLANET500"});
        StatisticsDialog window(f.store, f.boxes, f.help, false);
        window.HighLight(QStringLiteral("PLANET"), QStringLiteral("500"));
        QVERIFY(IsHighlighted(window, 1));
        QVERIFY(!IsHighlighted(window, 3));
        QVERIFY(!Row(window, "word", 0)->font().bold());
        window.HighLight(QStringLiteral("planet"), QStringLiteral("400"));
        for (int row : {0, 2, 3}) {
            QVERIFY(!IsHighlighted(window, row));
        }
    }

    void resetAsksFirstNoPreselected() {
        test::WindowFixture f("E");
        Fill(f, {"GARDEN900"});
        f.store.WriteOption("GamesPlayed", "8");
        f.store.WriteOption("GamesWon", "3");
        StatisticsDialog window(f.store, f.boxes, f.help, true);
        window.show();
        f.boxes.answers = {MessageAnswer::No};
        QTest::mouseClick(Child<QPushButton>(window, "resetButton"), Qt::LeftButton);
        QCOMPARE(f.boxes.shown.size(), std::size_t{1});
        QCOMPARE(f.boxes.shown[0].text,
                 QStringLiteral("Do you really want to reset the high score information?"));
        QCOMPARE(f.boxes.shown[0].icon, MessageIcon::Question);
        QCOMPARE(f.boxes.shown[0].defaultAnswer, MessageAnswer::No);
        QVERIFY(window.isVisible());
        QCOMPARE(f.Stored("GamesPlayed"), std::string("8"));
        QCOMPARE(f.Stored("HighScore1"), std::string("GARDEN900"));

        f.boxes.answers = {MessageAnswer::Yes};
        QTest::mouseClick(Child<QPushButton>(window, "resetButton"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(f.Stored("GamesPlayed"), std::string("1")); // the running game counts
        QCOMPARE(f.Stored("GamesWon"), std::string("0"));
        QCOMPARE(f.Stored("HighScore1"), std::string("??????0"));
    }

    void germanResetQuestionAndHelp() {
        test::WindowFixture f("D");
        StatisticsDialog window(f.store, f.boxes, f.help, false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(Child<QPushButton>(window, "resetButton"), Qt::LeftButton);
        QCOMPARE(f.boxes.shown.at(0).text, QStringLiteral("High Scores wirklich löschen?"));
        QTest::keyClick(&window, Qt::Key_F1);
        QTest::mouseClick(Child<QPushButton>(window, "helpButton"), Qt::LeftButton);
        QCOMPARE(f.help.topics.size(), std::size_t{2});
        QVERIFY(f.help.topics[0] == HelpTopic::Statistics &&
                f.help.topics[1] == HelpTopic::Statistics);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(StatisticsDialogTest)
#include "StatisticsDialogTest.moc"
