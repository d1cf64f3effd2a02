// The analysis aids on the main window: the letter buttons, the colour menus, hints, Suggest
// Word, Save Analysis and Reset To Gray reach the game, and their results reach the screen and
// leave the focus where the player types. What each aid does to the game is tested on the model.

#include "core/rules/BoardGeometry.h"
#include "support/MainWindowFixture.h"
#include "ui/board/BoardPalette.h"
#include "ui/board/BoardView.h"
#include "ui/controls/LetterButtonView.h"
#include "ui/controls/LetterField.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

using namespace lexel;
using test::ChooseFromPopup;
using test::Focused;
using test::PopupAfterPress;
using test::Press;
using test::Type;

namespace {

LetterButtonView* Button(MainWindow& w, const char* panel, char letter) {
    return test::Child<LetterButtonView>(
        w, QStringLiteral("%1_%2").arg(QLatin1String(panel)).arg(letter - 'A'));
}

// The visible button of `letter`.
LetterButtonView* Visible(MainWindow& w, char letter) {
    auto* used = Button(w, "usedLetter", letter);
    return used->isHidden() ? Button(w, "unusedLetter", letter) : used;
}

QColor LabelColor(QLabel* label) {
    return label->palette().color(QPalette::Window);
}
QColor Of(LetterColor color) {
    return ToColor(ColorValue(color));
}

QPushButton* CommandButton(MainWindow& w, const char* name) {
    return test::Child<QPushButton>(w, QLatin1String(name));
}

} // namespace

class AnalysisAidsTest : public QObject {
    Q_OBJECT

private slots:
    void exactlyOneButtonPerLetterAndAClickTypesOnce() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        for (char c = 'A'; c <= 'Z'; ++c) {
            QVERIFY(Button(w, "usedLetter", c)->isHidden() !=
                    Button(w, "unusedLetter", c)->isHidden());
        }
        QTest::mouseClick(Button(w, "unusedLetter", 'T'), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(w.Board().GuessField(0)->text(), QStringLiteral("T"));
        QCOMPARE(w.Board().GuessField(1)->text(), QStringLiteral("_"));
        QCOMPARE(Focused(), QStringLiteral("guessField_1"));
        QTest::mousePress(Button(w, "unusedLetter", 'E'), Qt::LeftButton);
        QVERIFY(Button(w, "unusedLetter", 'E')->look().sunken);
        QTest::mouseRelease(Button(w, "unusedLetter", 'E'), Qt::LeftButton);
        QVERIFY(!Button(w, "unusedLetter", 'E')->look().sunken);
        QCoreApplication::processEvents();
        QCOMPARE(w.Board().GuessField(1)->text(), QStringLiteral("E"));
        Type("n");
        Press(Qt::Key_Return);
        for (const char c : {'T', 'E', 'N'}) {
            QVERIFY(!Button(w, "usedLetter", c)->isHidden());
            QVERIFY(Button(w, "unusedLetter", c)->isHidden());
        }
    }

    void coloursChosenInEitherMenuReachTheBoardAndTheButtons() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Type("ten");
        Press(Qt::Key_Return);
        Type("dog");
        Press(Qt::Key_Return);
        ChooseFromPopup(Button(w, "usedLetter", 'E'), "buttonYellow");
        QCOMPARE(LabelColor(w.Board().GuessLetter(1)), Of(LetterColor::Yellow));
        ChooseFromPopup(w.Board().GuessLetter(1), "cellBlue"); // the grid letter's own menu
        QCOMPARE(Visible(w, 'E')->look().color, LetterColor::Blue);
        QCOMPARE(PopupAfterPress(Button(w, "unusedLetter", 'B'), Qt::MiddleButton),
                 QStringLiteral("buttonColorMenu"));
        QCOMPARE(PopupAfterPress(w.Board().GuessLetter(1), Qt::MiddleButton), QString());
        QCOMPARE(Focused(), QStringLiteral("guessField_6"));
    }

    void lockedLettersOpenNoColourMenu() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        f.settings.cheating = true;
        f.boxes.answers = {MessageAnswer::Yes};
        Type("xyz"); // nothing of "garden": red and locked
        Press(Qt::Key_Return);
        QCOMPARE(LabelColor(w.Board().GuessLetter(0)), Of(LetterColor::Red));
        QCOMPARE(PopupAfterPress(w.Board().GuessLetter(0)), QString());
        QCOMPARE(PopupAfterPress(Visible(w, 'X')), QString());
        QCOMPARE(PopupAfterPress(Visible(w, 'B')), QStringLiteral("buttonColorMenu"));
    }

    void aHintIsShownInTheSolutionLineAndLineNineAndTheFocusMovesOn() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        auto* hint = w.findChild<QAction*>("hintAction");
        QVERIFY(!hint->isEnabled());
        w.Board().SolutionField(2)->setFocus();
        QVERIFY(hint->isEnabled());
        QTest::keyClick(&w, Qt::Key_F3);
        QCOMPARE(w.Board().RevealedLetter(2)->text(), QStringLiteral("R"));
        QVERIFY(w.Board().SolutionField(2)->isHidden());
        const int cell = FirstField(LastLine) + 2;
        QVERIFY(w.Board().GuessField(cell)->isHidden());
        QCOMPARE(w.Board().GuessLetter(cell)->text(), QStringLiteral("R"));
        QCOMPARE(LabelColor(w.Board().GuessLetter(cell)), Of(LetterColor::Green));
        QCOMPARE(Button(w, "unusedLetter", 'R')->look().color, LetterColor::Green);
        QCOMPARE(Focused(), QStringLiteral("solutionField_3"));
        Press(Qt::Key_Escape); // to the grid: the Game-menu entry goes off
        QVERIFY(!hint->isEnabled());
        for (const int position : {0, 1}) {
            w.Board().SolutionField(position)->setFocus();
            QTest::keyClick(&w, Qt::Key_F3);
        }
        QVERIFY(!hint->isEnabled()); // no hint is offered any more
        QVERIFY(!w.findChild<QAction*>("hintPopupAction")->isEnabled());
    }

    void suggestionsFillTheLineAndTheFocusMovesOn() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        w.Board().GuessField(1)->setFocus();
        Type("a"); // the pattern is now "?A?"
        QTest::mouseClick(CommandButton(w, "suggestButton"), Qt::LeftButton);
        QCOMPARE(w.Board().GuessField(0)->text() + w.Board().GuessField(1)->text() +
                     w.Board().GuessField(2)->text(),
                 QStringLiteral("PAN"));
        QCOMPARE(Focused(), QStringLiteral("guessField_0")); // on from the last letter
        QVERIFY(CommandButton(w, "evaluateButton")->isEnabled());
        QTest::keyClick(&w, Qt::Key_F4); // the same word again: nothing changes, nothing moves
        QCOMPARE(w.Model().State().SuggestionCount, 2);
        QCOMPARE(Focused(), QStringLiteral("guessField_0"));
    }

    // After either button the typing goes on in the field that had the focus: a letter lands
    // there, and Space does not press the button again.
    void theAnalysisButtonsGiveTheFocusBack() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Type("t");
        for (const char* button :
             {"resetToGrayButton", "saveAnalysisButton", "resetToGrayButton"}) {
            QTest::mouseClick(CommandButton(w, button), Qt::LeftButton);
            QCOMPARE(Focused(), QStringLiteral("guessField_1"));
        }
        Type("e");
        QCOMPARE(w.Board().GuessField(1)->text(), QStringLiteral("E"));
        w.Board().SolutionField(2)->setFocus();
        QTest::mouseClick(CommandButton(w, "resetToGrayButton"), Qt::LeftButton);
        QCOMPARE(Focused(), QStringLiteral("solutionField_2"));
    }

    void saveAnalysisFixesTheSolutionLettersAndResetToGrayKeepsThem() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Type("ten");
        Press(Qt::Key_Return);
        ChooseFromPopup(w.Board().GuessLetter(1), "cellYellow"); // the E of line 1
        w.Board().SolutionField(0)->setFocus();
        Type("g");
        QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier); // Save Analysis
        QCOMPARE(w.Board().RevealedLetter(0)->text(), QStringLiteral("G"));
        QVERIFY(w.Board().SolutionField(0)->isHidden());
        QCOMPARE(Visible(w, 'G')->look().color, LetterColor::Green);
        QTest::keyClick(&w, Qt::Key_G, Qt::ControlModifier); // Reset To Gray
        QCOMPARE(LabelColor(w.Board().GuessLetter(1)), Of(LetterColor::Gray));
        QCOMPARE(Visible(w, 'G')->look().color, LetterColor::Green);
    }
};

QTEST_MAIN(AnalysisAidsTest)
#include "AnalysisAidsTest.moc"
