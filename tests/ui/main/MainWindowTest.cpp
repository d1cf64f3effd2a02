// The main window as the player meets it: where the focus goes while typing, which commands are
// offered, that keys, clicks and menus reach the game, and that the game's changes reach the
// screen. The rules of a game are tested on the model; the captions with the other windows'.

#include "core/rules/BoardGeometry.h"
#include "support/MainWindowFixture.h"
#include "ui/board/BoardInput.h"
#include "ui/board/BoardView.h"
#include "ui/controls/LetterField.h"
#include "ui/controls/Twips.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>

using namespace lexel;
using test::Focused;
using test::Guess;
using test::Press;
using test::Type;

namespace {

QLineEdit* Field(MainWindow& w, int k) {
    return w.Board().GuessField(k);
}
QLineEdit* Solution(MainWindow& w, int i) {
    return w.Board().SolutionField(i);
}

// Letters are typed; <Name> is a key (Ctrl+G and the like too); [g4] and [s2] put the focus on
// a guess or solution field; {name} clicks the button of that name; (text) pastes the text.
void PressKeys(MainWindow& w, const QString& keys) {
    for (int i = 0; i < keys.size(); ++i) {
        const auto kind = QStringLiteral("<[{(").indexOf(keys[i]);
        if (kind < 0) {
            Type(QString(keys[i]));
            continue;
        }
        const int end = keys.indexOf(QStringLiteral(">]})")[kind], i);
        const auto inside = keys.mid(i + 1, end - i - 1);
        i = end;
        if (kind == 0) {
            const auto key = QKeySequence::fromString(inside)[0];
            Press(key.key(), key.keyboardModifiers());
        } else if (kind == 1) {
            (inside[0] == u'g' ? Field(w, inside.mid(1).toInt())
                               : Solution(w, inside.mid(1).toInt()))
                ->setFocus();
        } else if (kind == 2) {
            QTest::mouseClick(test::Child<QPushButton>(w, inside), Qt::LeftButton);
        } else {
            QGuiApplication::clipboard()->setText(inside);
            Press(Qt::Key_V, Qt::ControlModifier);
        }
    }
}

// One step of the player: the keys, then where the focus is, what the line being edited (or
// the solution line, after "=") shows, and which of Evaluate, Solve and Hint are offered.
struct KeyStep {
    const char* keys;
    const char* focus;
    const char* shown; // nullptr: not looked at
    const char* offered;
};

const std::vector<KeyStep> Typing = {
    {"", "guessField_0", "___", ""},
    {"(ab)(<b>)(1)", "guessField_0", "___", ""}, // a pasted text obeys the typing rules
    {"q", "guessField_1", "Q__", ""},
    {"?7", "guessField_1", "Q__", ""}, // no letters: nothing happens
    {" ", "guessField_2", "Q__", ""},
    {"n", "guessField_0", "Q_N", ""}, // back to the line's first field
    {"<Right>e", "guessField_2", "QEN", "evaluate"},
    {"<Delete>", "guessField_2", "QE_", ""},
    {"<Up><Down>(T)", "guessField_0", "QET", "evaluate"},
    {"<Escape>", "solutionField_0", "=??????", "evaluate hint"},
    {"g?", "solutionField_2", "=G?????", "evaluate hint"},
    {" 7(<b>)", "solutionField_3", "=G?????", "evaluate hint"},
    {"<Escape>", "guessField_0", "QET", "evaluate"},
    {"<Escape>g?rden", "solutionField_0", "=G?RDEN", "evaluate hint"}, // round to the start
    {"[s1]a", "solutionField_2", "=GARDEN", "evaluate solve hint"},
    {"[s3]<Delete>", "solutionField_3", "=GAR?EN", "evaluate hint"},
    {"[g0]ten<Return>", "guessField_3", "___", ""},
    {"do[g4]<Backspace>", "guessField_3", "D__", ""},
    {"<Left>", "guessField_5", "D__", ""},
    {"<Right>", "guessField_3", "D__", ""}, // from the last field to the first
    // After a button or No to the New Game question the typing goes on where it was.
    {"[g4]{resetToGrayButton}", "guessField_4", "D__", ""},
    {"e{saveAnalysisButton}", "guessField_5", "DE_", ""},
    {"{newGameButton}n", "guessField_3", "DEN", "evaluate"},
    {"[s3]{resetToGrayButton}", "solutionField_3", "=GAR?EN", "evaluate hint"},
};

// Suggest Word and hints move the focus on; fields taken by hints are passed over on line nine.
const std::vector<KeyStep> Aids = {
    {"[g1]a<F4>", "guessField_0", "PAN", "evaluate"}, // on from the last letter filled
    {"[g0]<Delete>{suggestButton}", "guessField_1", "PAN", "evaluate"},
    {"<F4>", "guessField_1", "PAN", "evaluate"}, // the same word again: nothing moves
    {"[s1]<F3>[s2]<F3>", "solutionField_3", nullptr, "evaluate hint"},
    {"[s5]<F3>", "solutionField_0", nullptr, "evaluate"}, // no hint is left
    {"<Escape>ten<Return>dog<Return>pan<Return>abc<Return>plan<Return>tale<Return>"
     "plane<Return>petal<Return>",
     "guessField_30", nullptr, ""},
    {"g", "guessField_33", nullptr, ""},
    {"[g34]<Right>", "guessField_30", nullptr, ""},
    {"<Left>", "guessField_34", nullptr, ""},
};

QString Shown(MainWindow& w, bool solution) {
    QString text = solution ? QStringLiteral("=") : QString();
    const int line = w.Model().State().currentLine;
    for (int k = solution ? 0 : FirstField(line); k <= (solution ? 5 : LastField(line)); ++k) {
        text += (solution ? Solution(w, k) : Field(w, k))->text();
    }
    return text;
}

// The commands offered; a button that differs from its menu entry shows as "name!".
QString Offered(MainWindow& w) {
    QStringList offered;
    for (const QString command : {"evaluate", "solve", "hint"}) {
        const bool on = test::Child<QAction>(w, command + "Action")->isEnabled();
        const auto* button = w.findChild<QPushButton*>(command + "Button");
        if (on || (button && button->isEnabled())) {
            offered << command + (button && button->isEnabled() != on ? "!" : "");
        }
    }
    return offered.join(u' ');
}

void Play(MainWindow& w, const std::vector<KeyStep>& steps) {
    for (const auto& step : steps) {
        PressKeys(w, QLatin1String(step.keys));
        const QString where = QStringLiteral("after \"%1\"").arg(QLatin1String(step.keys));
        QVERIFY2(Focused() == QLatin1String(step.focus), qPrintable(where + u' ' + Focused()));
        QVERIFY2(!step.shown || Shown(w, step.shown[0] == '=') == QLatin1String(step.shown),
                 qPrintable(where));
        QVERIFY2(Offered(w) == QLatin1String(step.offered), qPrintable(where + u' ' + Offered(w)));
        // Only the focused field looks active.
        for (const auto* field : w.findChildren<LetterField*>()) {
            QVERIFY2(!field->hasSelectedText() || field->hasFocus(),
                     qPrintable(where + u' ' + field->objectName()));
        }
    }
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void keysMoveTheFocusAndReachTheGame() {
        for (const auto* steps : {&Typing, &Aids}) {
            test::MainWindowFixture f;
            Play(f.Start(), *steps);
        }
    }

    // An evaluated line stands on labels and starts the clock; the win opens the table and the
    // anagrams; the next game clears what the screen and a screen reader were told.
    void aLineAWinByTheSolveButtonAndTheNextGame() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Guess("ten");
        QVERIFY(Field(w, 0)->isHidden());
        QCOMPARE(w.Board().GuessLetter(0)->text(), QStringLiteral("T"));
        QVERIFY(!w.Board().GuessLetter(0)->isHidden());
        f.clock.now += 3725;
        QTest::qWait(400); // a tick of the window's clock
        QCOMPARE(test::Child<QLabel>(w, "timeLabel")->text(), QStringLiteral("01:02:05"));
        Press(Qt::Key_Escape);
        Type("garden");
        test::ModalCloser modals;
        QTest::mouseClick(test::Child<QPushButton>(w, "solveButton"), Qt::LeftButton);
        QCOMPARE(modals.seen, (QStringList{"StatisticsDialog", "AnagramWindow"}));
        QCOMPARE(w.Board().RevealedLetter(0)->text(), QStringLiteral("G"));
        QCOMPARE(test::Heard(w.Board().RevealedLetter(0)), QStringLiteral("G, revealed"));
        QVERIFY(Solution(w, 0)->isHidden());
        QVERIFY(!test::Child<QPushButton>(w, "suggestButton")->isEnabled());
        const auto shown = f.boxes.shown.size();
        test::Reactivate(&w);
        Press(Qt::Key_F2); // the game is over: no question
        QCOMPARE(f.boxes.shown.size(), shown);
        QCOMPARE(Focused(), QStringLiteral("guessField_0"));
        QCOMPARE(Field(w, 0)->text(), QStringLiteral("_"));
        QVERIFY(!Solution(w, 0)->isHidden());
        QCOMPARE(test::Heard(test::Child<QWidget>(w, "lineResult_0"), QAccessible::Name),
                 QStringLiteral("Line 1: not evaluated"));
        QCOMPARE(test::Heard(w.Board().GuessLetter(0)), QString());
        QCOMPARE(test::Heard(w.Board().RevealedLetter(0)), QString());
    }

    void closingAsksOnlyWhenALineWasEvaluated() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Guess("ten");
        f.boxes.answers = {MessageAnswer::No, MessageAnswer::Yes};
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QVERIFY(w.close());

        test::MainWindowFixture g;
        auto& fresh = g.Start();
        test::ModalCloser modals;
        QVERIFY(fresh.close());
        QCOMPARE(modals.seen, QStringList{"QuotationWindow"});
        QVERIFY(g.boxes.shown.empty());
    }

    void theBoardsPlacesPopupsAndHelp() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Guess("ten");
        QCOMPARE(test::PopupOf(Field(w, 3)), QStringLiteral("suggestPopup"));
        QCOMPARE(test::PopupOf(Solution(w, 4)), QStringLiteral("hintPopup"));
        QCOMPARE(w.Input().HintPosition(), 4);
        QCOMPARE(test::PopupOf(w.Board().GuessLetter(0)), QStringLiteral("cellColorMenu"));
        QCOMPARE(w.centralWidget()->size(), QSize(Twips(7035), Twips(5930)));
        QCOMPARE(Field(w, 10)->geometry(), TwipsRect(2040, 1740, 420, 420)); // line 4 shifted
        for (int i = 0; i < 6; ++i) { // line nine under the solution
            QCOMPARE(Field(w, FirstField(LastLine) + i)->mapTo(&w, QPoint()).x(),
                     Solution(w, i)->mapTo(&w, QPoint()).x());
        }
        QTest::keyClick(&w, Qt::Key_F1); // help at the window's topic
        w.findChild<QAction*>("contentsAction")->trigger();
        QVERIFY(f.help.topics == (std::vector{HelpTopic::Playing, HelpTopic::Playing}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
