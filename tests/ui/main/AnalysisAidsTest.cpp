#include "core/rules/BoardGeometry.h"
#include "support/MainWindowFixture.h"
#include "ui/board/GuessGrid.h"
#include "ui/controls/LetterButtonView.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace lexel;
using test::ChooseFromPopup;
using test::Focused;
using test::PopupAfterPress;
using test::Press;
using test::Type;

namespace {

LetterButtonView* Button(fmMain& w, const char* panel, char letter) {
    return w.findChild<LetterButtonView*>(
        QStringLiteral("%1_%2").arg(QLatin1String(panel)).arg(letter - 'A'));
}

// The visible button of `letter`.
LetterButtonView* Visible(fmMain& w, char letter) {
    auto* used = Button(w, "picUsed", letter);
    return used->isHidden() ? Button(w, "picUnused", letter) : used;
}

QColor LabelColor(QLabel* label) {
    return label->palette().color(QPalette::Window);
}
QColor Of(LetterColor color) {
    return GuessGrid::ToColor(ColorValue(color));
}

void Cheat(test::MainWindowFixture& f, const char* word) {
    f.settings.Cheating = true;
    f.boxes.answers = {MessageAnswer::Yes};
    Type(QLatin1String(word));
    Press(Qt::Key_Return);
}

} // namespace

class AnalysisAidsTest : public QObject {
    Q_OBJECT

private slots:
    void exactlyOneButtonPerLetterAndAClickTypesOnce() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        for (char c = 'A'; c <= 'Z'; ++c) {
            QVERIFY(Button(w, "picUsed", c)->isHidden() != Button(w, "picUnused", c)->isHidden());
        }
        QTest::mouseClick(Button(w, "picUnused", 'T'), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(w.Grid().tbL1(0)->text(), QStringLiteral("T"));
        QCOMPARE(w.Grid().tbL1(1)->text(), QStringLiteral("_"));
        QCOMPARE(Focused(), QStringLiteral("tbL1_1"));
        QTest::mousePress(Button(w, "picUnused", 'E'), Qt::LeftButton);
        QVERIFY(Button(w, "picUnused", 'E')->look().sunken);
        QTest::mouseRelease(Button(w, "picUnused", 'E'), Qt::LeftButton);
        QVERIFY(!Button(w, "picUnused", 'E')->look().sunken);
        QCoreApplication::processEvents();
        QCOMPARE(w.Grid().tbL1(1)->text(), QStringLiteral("E"));
        Type("n");
        Press(Qt::Key_Return);
        for (const char c : {'T', 'E', 'N'}) {
            QVERIFY(!Button(w, "picUsed", c)->isHidden());
            QVERIFY(Button(w, "picUnused", c)->isHidden());
        }
    }

    void allAbsentAndAllPresentGuessesColourThemselves() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Cheat(f, "xyz"); // nothing of "garden"
        QCOMPARE(LabelColor(w.Grid().lbGuess(1)), Of(LetterColor::Red));
        QCOMPARE(Visible(w, 'Y')->look().color, LetterColor::Red);
        Cheat(f, "ran"); // line 2, window "ard": all three present
        QCOMPARE(LabelColor(w.Grid().lbGuess(4)), Of(LetterColor::Green));
        QCOMPARE(Visible(w, 'N')->look().color, LetterColor::Green);
        // Locked: neither colour menu opens for these letters.
        QCOMPARE(PopupAfterPress(w.Grid().lbGuess(1)), QString());
        QCOMPARE(PopupAfterPress(Visible(w, 'X')), QString());
        QCOMPARE(PopupAfterPress(Visible(w, 'B')), QStringLiteral("mn2Colors"));
    }

    void aColourChosenOnALetterButtonReachesTheGrid() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Type("ten");
        Press(Qt::Key_Return);
        Type("dog");
        Press(Qt::Key_Return);
        ChooseFromPopup(Button(w, "picUsed", 'E'), "mn2Yellow");
        QCOMPARE(LabelColor(w.Grid().lbGuess(2)), Of(LetterColor::Yellow));
        ChooseFromPopup(w.Grid().lbGuess(2), "mnBlue"); // the grid letter's own menu
        QCOMPARE(Visible(w, 'E')->look().color, LetterColor::Blue);
        QCOMPARE(PopupAfterPress(Button(w, "picUnused", 'B'), Qt::MiddleButton),
                 QStringLiteral("mn2Colors"));
        QCOMPARE(PopupAfterPress(w.Grid().lbGuess(2), Qt::MiddleButton), QString());
        QCOMPARE(Focused(), QStringLiteral("tbL1_6"));
    }

    void hintsRevealUpToThreeLetters() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        auto* hint = w.findChild<QAction*>("mnHint");
        w.Grid().Text1(2)->setFocus();
        QVERIFY(hint->isEnabled());
        QTest::keyClick(&w, Qt::Key_F3);
        QCOMPARE(w.Grid().lbHint(2)->text(), QStringLiteral("R"));
        QVERIFY(w.Grid().Text1(2)->isHidden());
        QVERIFY(w.Grid().tbL1(BL(9) + 2)->isHidden());
        QCOMPARE(w.Grid().lbGuess(BL(9) + 3)->text(), QStringLiteral("R"));
        QCOMPARE(LabelColor(w.Grid().lbGuess(BL(9) + 3)), Of(LetterColor::Green));
        QCOMPARE(Button(w, "picUnused", 'R')->look().color, LetterColor::Green);
        QCOMPARE(Button(w, "picUsed", 'R')->look().color, LetterColor::Green);
        QCOMPARE(Focused(), QStringLiteral("Text1_3"));
        QCOMPARE(w.Game().HintCount, 1);
        QVERIFY(!w.Game().FirstLetterHinted);

        w.Grid().Text1(0)->setFocus();
        QTest::keyClick(&w, Qt::Key_F3);
        QVERIFY(w.Game().FirstLetterHinted);
        Type("dxn"); // fill the free places 1, 3 and 4, 5 via the change rule
        w.Grid().Text1(1)->setFocus();
        QTest::keyClick(&w, Qt::Key_F3); // the third hint, on place 1
        QCOMPARE(w.Game().HintCount, 3);
        QVERIFY(!w.findChild<QAction*>("mnPopHint")->isEnabled());
        Press(Qt::Key_Escape); // to the grid: the Game-menu entry goes off
        QVERIFY(!hint->isEnabled());
        Press(Qt::Key_Escape); // back to the solution line: no hint is offered any more
        QVERIFY(!hint->isEnabled());
        QTest::keyClick(&w, Qt::Key_F3); // a fourth: nothing
        QCOMPARE(w.Game().HintCount, 3);
        QVERIFY(!w.Grid().Text1(3)->isHidden());
    }

    void aHintOnTheLastFreePlaceEnablesSolve() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Press(Qt::Key_Escape);
        Type("garde?");
        QVERIFY(!w.findChild<QPushButton*>("cbSolve")->isEnabled());
        w.Grid().Text1(5)->setFocus();
        QTest::keyClick(&w, Qt::Key_F3);
        QVERIFY(w.findChild<QPushButton*>("cbSolve")->isEnabled());
    }

    void suggestionsFillTheLineAndCostPoints() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        auto* suggest = w.findChild<QPushButton*>("cmdSuggest");
        Type("?"); // no guess letter: discarded
        w.Grid().tbL1(1)->setFocus();
        Type("a"); // the pattern is now "?A?"
        QTest::mouseClick(suggest, Qt::LeftButton);
        QCOMPARE(w.Grid().tbL1(0)->text() + w.Grid().tbL1(1)->text() + w.Grid().tbL1(2)->text(),
                 QStringLiteral("PAN"));
        QCOMPARE(w.Game().SuggestionCount, 1);
        QTest::keyClick(&w, Qt::Key_F4); // again on line 1: one unit
        QCOMPARE(w.Game().SuggestionCount, 2);

        for (int k = 0; k < 3; ++k) {
            w.Grid().tbL1(k)->setText(QString(QChar("QZX"[k])));
        }
        QTest::mouseClick(suggest, Qt::LeftButton);
        QCOMPARE(f.boxes.shown.back().text, QStringLiteral("No matching word found."));
        QCOMPARE(w.Game().SuggestionCount, 3);
        QCOMPARE(w.Grid().tbL1(0)->text(), QStringLiteral("Q"));

        for (int k = 0; k < 3; ++k) {
            w.Grid().tbL1(k)->setText(QStringLiteral("_"));
        }
        QTest::mouseClick(suggest, Qt::LeftButton);
        // DOG is never suggested; of abc, pan and ten, TEN scores best.
        QCOMPARE(w.Grid().tbL1(0)->text() + w.Grid().tbL1(1)->text() + w.Grid().tbL1(2)->text(),
                 QStringLiteral("TEN"));
        Press(Qt::Key_Return);
        QTest::mouseClick(suggest, Qt::LeftButton); // the first on line 2: two units
        QCOMPARE(w.Game().SuggestionCount, 6);
    }

    // After either button the typing goes on in the field that had the focus: a letter lands
    // there, and Space does not press the button again.
    void theAnalysisButtonsGiveTheFocusBack() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Type("t");
        for (const char* button : {"cmdGray", "cmdSave", "cmdGray"}) {
            QTest::mouseClick(w.findChild<QPushButton*>(button), Qt::LeftButton);
            QCOMPARE(Focused(), QStringLiteral("tbL1_1"));
        }
        Type("e");
        QCOMPARE(w.Grid().tbL1(1)->text(), QStringLiteral("E"));
        w.Grid().Text1(2)->setFocus();
        QTest::mouseClick(w.findChild<QPushButton*>("cmdGray"), Qt::LeftButton);
        QCOMPARE(Focused(), QStringLiteral("Text1_2"));
    }

    void resetToGrayAfterSavingKeepsTheSavedLetters() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Cheat(f, "xyz");
        Type("ten");
        Press(Qt::Key_Return);
        ChooseFromPopup(w.Grid().lbGuess(5), "mnYellow"); // the E of line 2
        w.Grid().Text1(0)->setFocus();
        Type("g");
        QCOMPARE(w.Grid().Text1(0)->text(), QStringLiteral("G"));
        QVERIFY(w.findChild<QPushButton*>("cmdSave")->isEnabled());
        QTest::mouseClick(w.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
        QCOMPARE(w.Grid().lbHint(0)->text(), QStringLiteral("G"));
        QVERIFY(w.Grid().Text1(0)->isHidden());
        QCOMPARE(Visible(w, 'G')->look().color, LetterColor::Green);
        QCOMPARE(Visible(w, 'E')->look().color, LetterColor::Yellow);

        QTest::keyClick(&w, Qt::Key_G, Qt::ControlModifier); // Reset To Gray
        QCOMPARE(Visible(w, 'E')->look().color, LetterColor::Gray);
        QCOMPARE(LabelColor(w.Grid().lbGuess(5)), Of(LetterColor::Gray));
        QCOMPARE(Visible(w, 'X')->look().color, LetterColor::Red);
        QCOMPARE(LabelColor(w.Grid().lbGuess(1)), Of(LetterColor::Red));
        QCOMPARE(Visible(w, 'G')->look().color, LetterColor::Green);
    }
};

QTEST_MAIN(AnalysisAidsTest)
#include "AnalysisAidsTest.moc"
