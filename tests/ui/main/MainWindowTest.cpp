// The main window as the player meets it: where the focus goes while typing, which commands are
// offered, that keys, clicks, menus and the analysis aids reach the game, and that the game's
// changes, the extras switched on and the symbols on marked letters reach the screen and a screen
// reader, and that the board scales with the window and the zoom. The rules of a game are tested on
// the model; the captions with the other windows'.

#include "core/rules/BoardGeometry.h"
#include "support/MainWindowFixture.h"
#include "ui/board/BoardInput.h"
#include "ui/board/BoardPalette.h"
#include "ui/board/BoardView.h"
#include "ui/controls/LetterButtonView.h"
#include "ui/controls/LetterField.h"
#include "ui/controls/MarkSymbol.h"
#include "ui/controls/Twips.h"
#include "ui/main/MainLayout.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

using namespace lexel;
using test::Child;
using test::Focused;
using test::Guess;
using test::PopupOf;
using test::Press;
using test::Type;

namespace {

LetterButtonView* Button(MainWindow& w, const char* panel, char letter) {
    return Child<LetterButtonView>(w, QStringLiteral("%1_%2").arg(panel).arg(letter - 'A'));
}

// The visible button of `letter`.
LetterButtonView* Visible(MainWindow& w, char letter) {
    auto* used = Button(w, "usedLetter", letter);
    return used->isHidden() ? Button(w, "unusedLetter", letter) : used;
}

bool Shows(QWidget* label, LetterColor color) {
    return label->palette().color(QPalette::Window) == ToColor(ColorValue(color));
}

// What a screen reader hears on each of `widgets`.
QStringList Heard(std::initializer_list<QWidget*> widgets) {
    QStringList heard;
    for (auto* widget : widgets) {
        heard << test::Heard(widget);
    }
    return heard;
}

QImage Grey(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_Grayscale8);
}

// Pixels whose grey levels differ clearly from those of `b`; without `b`, the light pixels.
int Differing(const QImage& a, const QImage& b = QImage()) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differing += std::abs(qGray(a.pixel(x, y)) - (b.isNull() ? 0 : qGray(b.pixel(x, y)))) >
                         (b.isNull() ? 150 : 40);
        }
    }
    return differing;
}

QLineEdit* Field(MainWindow& w, int k) {
    return w.Board().GuessField(k);
}
QLineEdit* Solution(MainWindow& w, int i) {
    return w.Board().SolutionField(i);
}

// Letters are typed; <Name> is a key (Ctrl+G and the like too); [g4] and [s2] put the focus on
// a guess or solution field; {name} clicks the button of that name; (text) pastes the text.
void PressKeys(MainWindow& w, const QString& keys) {
    static const QRegularExpression step(
        R"(<(.+?)>|\[g(\d+)\]|\[s(\d+)\]|\{(\w+)\}|\((.*?)\)|(.))");
    for (const auto& m : step.globalMatch(keys)) {
        if (m.hasCaptured(1)) {
            const auto key = QKeySequence::fromString(m.captured(1))[0];
            Press(key.key(), key.keyboardModifiers());
        } else if (m.hasCaptured(2)) {
            Field(w, m.captured(2).toInt())->setFocus();
        } else if (m.hasCaptured(3)) {
            Solution(w, m.captured(3).toInt())->setFocus();
        } else if (m.hasCaptured(4)) {
            test::Click(w, m.captured(4));
        } else if (m.hasCaptured(5)) {
            QGuiApplication::clipboard()->setText(m.captured(5));
            Press(Qt::Key_V, Qt::ControlModifier);
        } else {
            Type(m.captured(6));
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

// Reading by keyboard: Ctrl+Up into the last evaluated line, the arrows through its letters
// and dots, back to typing; Tab on to the dots and the letter buttons, Space on a button types
// its letter; a revealed letter takes the focus by Tab and from the places beside it.
const std::vector<KeyStep> Reading = {
    {"<Ctrl+Up>", "guessField_0", "___", ""}, // no line evaluated: nothing to read
    {"ten<Return>dog<Return><Ctrl+Up>", "guessLetter_3", nullptr, ""},
    {"<Up><Right><Right>", "guessLetter_2", nullptr, ""},
    {"<Right>", "lineResult_0", nullptr, ""},
    {"<Down>", "lineResult_1", nullptr, ""},
    {"<Left><Left>", "guessLetter_4", nullptr, ""},
    {"<Down>", "guessField_6", "___", ""}, // below the last evaluated line: typing again
    {"<Shift+Tab>", "guessLetter_5", nullptr, ""},
    {"<Escape>", "guessField_6", "___", ""},
    {"p<Tab>", "guessField_8", "P__", ""}, // Tab passes the lines not yet open
    {"<Tab>", "solutionField_0", nullptr, "hint"},
    {"[s5]<Tab>", "lineResult_0", nullptr, ""},
    {"<Tab><Tab>", "unusedLetter_0", nullptr, ""},
    {"<Tab><Space>", "solutionField_0", "=?????B", "hint"}, // B, where the typing was
    {"[s1]<F3>", "solutionField_2", nullptr, "hint"},
    {"<Shift+Tab>", "revealedLetter_1", nullptr, ""},
    {"<Left>", "solutionField_0", nullptr, "hint"},
    {"<Right>", "solutionField_2", nullptr, "hint"}, // typing passes the revealed letter
    {"<Shift+Tab><Right>", "solutionField_2", nullptr, "hint"},
    {"<Shift+Tab><Escape>", "guessField_6", "P__", ""},
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
        const bool on = Child<QAction>(w, command + "Action")->isEnabled();
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
        for (const auto* steps : {&Typing, &Aids, &Reading}) {
            test::MainWindowFixture f;
            Play(f.Start(), *steps);
        }
    }

    // An evaluated line stands on labels and starts the clock; once the click that won has
    // returned, the win opens the table and the anagrams; the next game clears what the screen and
    // a screen reader were told, and leaving it asks nothing.
    void aLineAWinByTheSolveButtonAndTheNextGame() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Guess("ten");
        QVERIFY(Field(w, 0)->isHidden() && w.Board().GuessLetter(0)->isVisible());
        QCOMPARE(w.Board().GuessLetter(0)->text(), QStringLiteral("T"));
        f.clock.now += 3725;
        QTest::qWait(400); // a tick of the window's clock
        QCOMPARE(Child<QLabel>(w, "timeLabel")->text(), QStringLiteral("01:02:05"));
        PressKeys(w, "<Escape>garden");
        test::ModalCloser modals;
        test::Click(w, "solveButton");
        QVERIFY(modals.seen.isEmpty() && f.boxes.shown.empty()); // not inside the click
        QTRY_COMPARE(modals.seen, (QStringList{"StatisticsDialog", "AnagramWindow"}));
        QCOMPARE(test::Heard(w.Board().RevealedLetter(0)), QStringLiteral("G, revealed"));
        QVERIFY(Solution(w, 0)->isHidden() && !Child<QPushButton>(w, "suggestButton")->isEnabled());
        test::Reactivate(&w);
        Press(Qt::Key_F2);
        QCOMPARE(Focused() + ' ' + Field(w, 0)->text(), QStringLiteral("guessField_0 _"));
        QVERIFY(!Solution(w, 0)->isHidden());
        QCOMPARE(test::Heard(Child<QWidget>(w, "lineResult_0"), QAccessible::Name),
                 QStringLiteral("Line 1: not evaluated"));
        QCOMPARE(Heard({w.Board().GuessLetter(0), w.Board().RevealedLetter(0)}),
                 QStringList({"", ""}));
        const auto shown = f.boxes.shown.size();
        QVERIFY(w.close()); // nothing evaluated yet: no question, a quotation
        QCOMPARE(modals.seen.last(), QStringLiteral("QuotationWindow"));
        QCOMPARE(f.boxes.shown.size(), shown);
    }

    // A click, and a screen reader's press, type the letter once where the player typed last;
    // an evaluated letter moves to the panel of used letters. Then the board's places open their
    // popups, F1 and Contents the help; leaving a game with an evaluated line asks first.
    void letterButtonsTheBoardsPopupsHelpAndLeaving() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        QTest::mouseClick(Button(w, "unusedLetter", 'T'), Qt::LeftButton);
        QCOMPARE(Field(w, 0)->text() + Field(w, 1)->text() + ' ' + Focused(),
                 QStringLiteral("T_ guessField_1"));
        QAccessible::queryAccessibleInterface(Button(w, "unusedLetter", 'E'))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(Field(w, 1)->text() + ' ' + Focused(), QStringLiteral("E guessField_2"));
        Guess("n");
        QVERIFY(!Button(w, "usedLetter", 'T')->isHidden() &&
                Button(w, "unusedLetter", 'T')->isHidden());
        QCOMPARE(PopupOf(Field(w, 3)), QStringLiteral("suggestPopup"));
        QCOMPARE(PopupOf(Solution(w, 4)), QStringLiteral("hintPopup"));
        QCOMPARE(w.Input().HintPosition(), 4);
        QTest::keyClick(&w, Qt::Key_F1); // help at the window's topic
        w.findChild<QAction*>("contentsAction")->trigger();
        QVERIFY(f.help.topics == (std::vector{HelpTopic::Playing, HelpTopic::Playing}));
        f.boxes.answers = {MessageAnswer::No, MessageAnswer::Yes}; // to giving up the game
        QVERIFY(!w.close() && w.isVisible());
        QVERIFY(w.close());
    }

    // The colour menus, opened by mouse or keyboard on a button or an evaluated letter, Save
    // Analysis, Reset To Gray and a hint reach the board, the buttons and a screen reader.
    void marksAndHintsReachTheBoardTheButtonsAndAScreenReader() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        f.settings.cheating = true;
        f.boxes.answers = {MessageAnswer::Yes};
        PressKeys(w, "ten<Return>xyz<Return>"); // x, y, z: nothing of "garden", red and locked
        auto* e = w.Board().GuessLetter(1);     // the E of line 1
        auto* field = Field(w, FirstField(2));
        Type("e");
        field->setFocus(); // back on the E just typed: the menu key opens its button's menu
        test::Popup(
            &w, [] { Press(Qt::Key_Menu); }, "buttonYellow");
        QVERIFY(Shows(e, LetterColor::Yellow));
        QCOMPARE(Heard({e, Button(w, "usedLetter", 'E')}),
                 QStringList({"E, yellow", "yellow, used"}));
        PopupOf(e, "cellBlue"); // the grid letter's own menu
        QCOMPARE(test::Heard(Visible(w, 'E')), QStringLiteral("blue, used"));
        // Shift+F10 in the field, the middle button on a letter button, then on a grid letter; the
        // locked X has no menus.
        const auto shiftF10 = [=] { QTest::keyClick(field, Qt::Key_F10, Qt::ShiftModifier); };
        QCOMPARE(QStringList({test::Popup(&w, shiftF10),
                              PopupOf(Button(w, "unusedLetter", 'B'), nullptr, Qt::MiddleButton),
                              PopupOf(e, nullptr, Qt::MiddleButton),
                              PopupOf(w.Board().GuessLetter(3)), PopupOf(Visible(w, 'X'))}),
                 QStringList({"buttonColorMenu", "buttonColorMenu", "", "", ""}));
        QCOMPARE(Focused(), QStringLiteral("guessField_6"));
        // The menu key on an evaluated letter and on a letter button reached by keyboard.
        const auto menuKeyOn = [&](QWidget* target) {
            return test::Popup(&w, [target] {
                target->setFocus();
                Press(Qt::Key_Menu);
            });
        };
        QCOMPARE(QStringList({menuKeyOn(w.Board().GuessLetter(0)),
                              menuKeyOn(Button(w, "unusedLetter", 'B'))}),
                 QStringList({"cellColorMenu", "buttonColorMenu"}));
        field->setFocus();

        PressKeys(w, "[s0]g<Ctrl+Y>"); // Save Analysis fixes the solution's letters
        QVERIFY(Solution(w, 0)->isHidden());
        PressKeys(w, "<Ctrl+G>"); // Reset To Gray keeps them
        QCOMPARE(Heard({w.Board().RevealedLetter(0), e, Visible(w, 'E'), Visible(w, 'G')}),
                 QStringList({"G, revealed", "E, gray", "gray, used", "green, unused"}));

        PressKeys(w, "[s4]<F3>"); // a hint on the E of "garden"
        const int cell = FirstField(LastLine) + 4;
        QCOMPARE(w.Board().RevealedLetter(4)->text() + w.Board().GuessLetter(cell)->text(),
                 QStringLiteral("EE"));
        QVERIFY(Solution(w, 4)->isHidden() && Field(w, cell)->isHidden());
        QVERIFY(Shows(w.Board().GuessLetter(cell), LetterColor::Green));
        QCOMPARE(Heard({e, Visible(w, 'E')}), QStringList({"E, green", "green, used"}));
    }

    // Under the palette of a dark desktop theme the board keeps its own colours: every letter
    // and open place stands out from its ground, and a black dot keeps its light outline.
    void aDarkPaletteKeepsTheBoardReadable() {
        const auto saved =
            qScopeGuard([light = QApplication::palette()] { QApplication::setPalette(light); });
        QApplication::setPalette(QPalette(QColor(53, 53, 53))); // light texts on dark grounds
        test::MainWindowFixture f;
        auto& w = f.Start();
        f.settings.cheating = true;
        f.boxes.answers = {MessageAnswer::Yes};
        Guess("gaz"); // against the window "gar": black dots only
        const auto contrast = [](QWidget* widget, QPalette::ColorRole role,
                                 QPalette::ColorGroup group = QPalette::Active) {
            const auto ground = role == QPalette::Text ? QPalette::Base : QPalette::Window;
            const auto& p = widget->palette();
            return qAbs(p.color(group, role).lightnessF() - p.color(group, ground).lightnessF());
        };
        QVERIFY(contrast(w.Board().GuessLetter(0), QPalette::WindowText) > 0.5);
        QVERIFY(contrast(Field(w, FirstField(1)), QPalette::Text) > 0.5);
        auto* later = Field(w, FirstField(4)); // disabled; its "." shows where line 5 lies
        QVERIFY(contrast(later, QPalette::Text, QPalette::Disabled) > 0.5);
        QVERIFY(Differing(Grey(*Child<QWidget>(w, "lineResult_0"))) > 0); // the dot's outline
        QCOMPARE(Differing(Grey(*Child<QWidget>(w, "lineResult_1"))), 0); // nothing drawn
    }

    // The count of possible words under the board, and the symbols on marked letters; the board's
    // layout is sound with the count and without.
    void theExtrasSwitchedOnShowTheCountAndTheSymbols() {
        for (const bool on : {false, true}) {
            test::MainWindowFixture f("E");
            f.settings.showPossibleWords = on;
            f.settings.markSymbols = on;
            auto& w = f.Start();
            auto* count = Child<QLabel>(w, "possibleWordsLabel");
            QCOMPARE(count->isVisible(), on);
            PressKeys(w, "abc<Return>ten<Return>"); // of garden and bobbin, only garden fits
            QCOMPARE(count->text(), on ? QStringLiteral("Possible words: 1") : count->text());
            QCOMPARE(test::LayoutFault(w), QString()); // the count below the board, in the window
            QCOMPARE(w.Board().GuessLetter(3)->mark().has_value(), on);
            QCOMPARE(Child<LetterButtonView>(w, "usedLetter_19")->symbols(), on);
        }
    }

    // With the symbols, every two marking colours read apart in a greyscale picture, on the
    // letter buttons and on the board's letters alike.
    void everyTwoMarkingColoursReadApartInGreyscale() {
        for (const bool button : {true, false}) {
            std::vector<QImage> images;
            for (const auto color : {LetterColor::Red, LetterColor::Blue, LetterColor::Yellow,
                                     LetterColor::Green, LetterColor::Gray}) {
                LetterButtonView view(Panel::Used, 0, nullptr);
                view.SetLook({color, false});
                view.SetSymbols(true);
                MarkedLabel label(QStringLiteral("A"));
                label.setAlignment(Qt::AlignCenter);
                label.setAutoFillBackground(true);
                SetLabelColor(&label, ToColor(ColorValue(color)));
                label.SetMark(color);
                QWidget& shown = button ? static_cast<QWidget&>(view) : label;
                shown.resize(50, 50); // at a scale factor of 2
                images.push_back(Grey(shown));
            }
            for (std::size_t i = 0; i < images.size(); ++i) {
                for (std::size_t j = i + 1; j < images.size(); ++j) {
                    QVERIFY2(Differing(images[i], images[j]) > 20,
                             qPrintable(QStringLiteral("colours %1 and %2").arg(i).arg(j)));
                }
            }
        }
    }

    // An ended game offers its review, even once the next has begun, and a game of the day its
    // result to share.
    void anEndedGameOffersItsReviewAndADailyGameItsResult() {
        test::MainWindowFixture f("E");
        f.clock.now = 1796731200; // 2026-12-08 12:00 UTC
        auto& w = f.Start();
        auto* review = Child<QAction>(w, "reviewAction");
        QVERIFY(!review->isEnabled());
        f.boxes.answers.push_back(MessageAnswer::Yes); // to giving up the game just started
        Child<QAction>(w, "dailyGameAction")->trigger();
        QCOMPARE(w.windowTitle(), QStringLiteral("Morvane Lexel – Game of the Day 2026-12-08"));
        QVERIFY(review->isEnabled()); // the game just given up
        Guess("abc");
        {
            test::ModalCloser closer; // the statistics after the win
            Press(Qt::Key_Escape);
            Type(QString::fromStdString(w.Model().State().HiddenWord));
            test::Click(w, "solveButton");
            QTRY_VERIFY(closer.seen.contains(QStringLiteral("StatisticsDialog")));
        }
        Child<QAction>(w, "copyResultAction")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), w.Model().DailyResult());
        QString summary;
        QTimer::singleShot(0, [&] {
            auto* dialog = QApplication::activeModalWidget();
            summary = Child<QLabel>(*dialog, "reviewSummary")->text();
            dialog->close();
        });
        review->trigger();
        QVERIFY2(summary.startsWith(QStringLiteral("Line 1 (ABC): 2 → 2")), qPrintable(summary));
        QVERIFY2(summary.endsWith(QStringLiteral("The guess that cut the most: line 1 (ABC), "
                                                 "leaving 100% of the words before it")),
                 qPrintable(summary));
    }

    // At 100 % the window's board is the layout at the screen's dpi, to the pixel. A window made
    // larger draws the whole board larger in its middle, its letters too; the zoom keys size
    // the window and are kept, and Ctrl+0 gives the 100 % board back exactly.
    void theBoardScalesWithTheWindowAndTheZoom() {
        test::MainWindowFixture f("E");
        auto& w = f.Start();
        auto* client = Child<QWidget>(w, "client");
        auto* field = Field(w, FirstField(2));
        const QRect field100 = field->geometry();
        const double points100 = field->font().pointSizeF();
        QCOMPARE(client->size(), QSize(Twips(MainClientWidth, 1.0), Twips(MainClientHeight, 1.0)));
        QCOMPARE(client->pos(), QPoint(0, 0));
        QCOMPARE(test::LayoutFault(w), QString());

        w.resize(w.width() * 2 + 100, w.height() * 2);
        QTRY_VERIFY(client->width() > 2 * Twips(MainClientWidth, 1.0) - 4);
        const int sideRoom = client->parentWidget()->width() - client->width();
        QVERIFY(qAbs(client->x() - sideRoom / 2) <= 1 && sideRoom > 50);
        const double scale = double(client->width()) / Twips(MainClientWidth, 1.0);
        QVERIFY(qAbs(field->width() - scale * field100.width()) <= 2);
        QVERIFY(qAbs(field->x() - scale * field100.x()) <= 2);
        QVERIFY(qAbs(field->font().pointSizeF() - scale * points100) < 0.1);
        QVERIFY(client->parentWidget()->rect().contains(client->geometry()));

        Child<QAction>(w, "zoomInAction")->trigger();
        QCOMPARE(f.Stored("Zoom"), std::string("110"));
        QTRY_COMPARE(client->size(),
                     QSize(Twips(MainClientWidth, 1.1), Twips(MainClientHeight, 1.1)));
        Child<QAction>(w, "normalSizeAction")->trigger();
        QCOMPARE(f.Stored("Zoom"), std::string("100"));
        QTRY_COMPARE(field->geometry(), field100);
        QCOMPARE(field->font().pointSizeF(), points100);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
