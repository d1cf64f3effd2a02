// The main window as the player meets it: captions in both languages, where the focus goes while
// typing, that keys, clicks and menus reach the game, and that the game's changes and messages
// reach the screen. The rules of a game are tested on the model.

#include "core/game/GameMessages.h"
#include "core/rules/BoardGeometry.h"
#include "core/settings/HighScores.h"
#include "support/MainWindowFixture.h"
#include "ui/board/BoardInput.h"
#include "ui/board/BoardView.h"
#include "ui/controls/LetterField.h"
#include "ui/controls/Twips.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace lexel;
using test::Focused;
using test::Press;
using test::Type;

namespace {

QLineEdit* Field(MainWindow& w, int k) {
    return w.Board().GuessField(k);
}
QLineEdit* Solution(MainWindow& w, int i) {
    return w.Board().SolutionField(i);
}
bool Enabled(MainWindow& w, const char* name) {
    auto* widget = w.findChild<QWidget*>(QLatin1String(name));
    auto* action = w.findChild<QAction*>(QLatin1String(name));
    return widget ? widget->isEnabled() : action->isEnabled();
}
QString LineText(MainWindow& w, int line) {
    QString text;
    for (int k = FirstField(line); k <= LastField(line); ++k) {
        text += Field(w, k)->text();
    }
    return text;
}

// Lines 1 to 8 with words of the sample lists; against "garden" none is right.
const char* const Words[] = {"ten", "dog", "pan", "abc", "plan", "tale", "plane", "petal"};

void PlayLines(MainWindow& w, int count) {
    for (int line = 0; line < count; ++line) {
        Type(QLatin1String(Words[line]));
        Press(Qt::Key_Return);
        QCOMPARE(w.Model().State().currentLine, line + 1);
    }
}

// One step of the player at the keyboard: the keys, then where the focus is, what the line
// being edited (or the solution line) holds and whether Evaluate and Solve are offered.
struct KeyStep {
    const char* keys; // letters are typed; <Name> is a key; [g4] and [s2] put the focus on a field
    const char* focus;
    const char* shown; // the line being edited, or the solution line when it starts with "="
    bool evaluate;
    bool solve;
};

const KeyStep Typing[] = {
    {"", "guessField_0", "___", false, false},
    {"q", "guessField_1", "Q__", false, false},
    {"?7", "guessField_1", "Q__", false, false}, // no letters: nothing happens
    {" ", "guessField_2", "Q__", false, false},
    {"n", "guessField_0", "Q_N", false, false}, // back to the line's first field
    {"<Right>e", "guessField_2", "QEN", true, false},
    {"<Delete>", "guessField_2", "QE_", false, false},
    {"<Up><Down>", "guessField_2", "QE_", false, false},
    {"<Escape>", "solutionField_0", "=??????", false, false},
    {"g?", "solutionField_2", "=G?????", false, false},
    {" 7", "solutionField_3", "=G?????", false, false},
    {"<Escape>", "guessField_0", "QE_", false, false},
    {"<Escape>g?rden", "solutionField_0", "=G?RDEN", false, false}, // round to the start
    {"[s1]a", "solutionField_2", "=GARDEN", false, true},
    {"[s3]<Delete>", "solutionField_3", "=GAR?EN", false, false},
    {"[g0]ten<Return>", "guessField_3", "___", false, false},
    {"do[g4]<Backspace>", "guessField_3", "D__", false, false},
    {"<Left>", "guessField_5", "D__", false, false},
    {"<Right>", "guessField_3", "D__", false, false}, // from the last field to the first
};

void PressKeys(MainWindow& w, const QString& keys) {
    for (int i = 0; i < keys.size(); ++i) {
        if (keys[i] == u'<') {
            const int end = keys.indexOf(u'>', i);
            const auto name = keys.mid(i + 1, end - i - 1);
            Press(static_cast<Qt::Key>(QKeySequence::fromString(name)[0].key()));
            i = end;
        } else if (keys[i] == u'[') {
            const int index = keys[i + 2].digitValue();
            (keys[i + 1] == u'g' ? w.Board().GuessField(index) : Solution(w, index))->setFocus();
            i += 3;
        } else {
            Type(QString(keys[i]));
        }
    }
}

QString Shown(MainWindow& w, bool solution) {
    QString text;
    if (solution) {
        for (int i = 0; i < HiddenWordLength; ++i) {
            text += Solution(w, i)->text();
        }
        return u'=' + text;
    }
    return LineText(w, w.Model().State().currentLine);
}

struct Caption {
    const char* control;
    const char* english;
    const char* german;
};

const Caption Captions[] = {
    {"gameMenu", "&Game", "&Spiel"},
    {"newGameAction", "&New Game", "&Neues Spiel"},
    {"solveAction", "&Solve", "&Lösen"},
    {"evaluateAction", "&Evaluate", "&Auswerten"},
    {"hintAction", "&Hint", "&Tipp"},
    {"suggestAction", "S&uggest Word", "Wort &vorschlagen"},
    {"optionsAction", "&Options...", "&Einstellungen..."},
    {"highScoresAction", "High Sco&res...", "&High Scores..."},
    {"exitAction", "E&xit", "&Beenden"},
    {"editMenu", "&Edit", "&Bearbeiten"},
    {"resetToGrayAction", "Reset To &Gray", "Alles auf &grau setzen"},
    {"saveAnalysisAction", "Save Anal&ysis", "Anal&yse sichern"},
    {"helpMenu", "&Help", "&Hilfe"},
    {"contentsAction", "&Contents", "&Inhalt"},
    {"aboutAction", "&About Lexel...", "Über &Lexel..."},
    {"cellRed", "&Red", "&Rot"},
    {"buttonBlue", "&Blue", "&Blau"},
    {"cellYellow", "&Yellow", "&Gelb"},
    {"buttonGreen", "Gr&een", "Grü&n"},
    {"cellGray", "&Gray", "Gr&au"},
    {"hintPopupAction", "&Hint", "&Tipp"},
    {"suggestPopupAction", "S&uggest Word", "Wort &vorschlagen"},
    {"newGameButton", "New Game", "Neues Spiel"},
    {"suggestButton", "Suggest Word", "Wort vorschlagen"},
    {"resetToGrayButton", "Reset To Gray", "Alles auf grau setzen"},
    {"saveAnalysisButton", "Save Analysis", "Analyse sichern"},
    {"solveButton", "&Solve", "&Lösen"},
    {"evaluateButton", "&Evaluate", "&Auswerten"},
    {"usedLetters", "Used Letters", "Benutzte Buchstaben"},
    {"unusedLetters", "Unused Letters", "Nicht benutzte Buchstaben"},
    {"timerBox", "Used Time", "Verbrauchte Zeit"},
};

QString CaptionOf(MainWindow& w, const char* name) {
    const auto key = QLatin1String(name);
    if (auto* menu = w.findChild<QMenu*>(key)) {
        return menu->title();
    }
    if (auto* action = w.findChild<QAction*>(key)) {
        return action->text();
    }
    if (auto* frame = w.findChild<QGroupBox*>(key)) {
        return frame->title();
    }
    return test::Child<QPushButton>(w, key)->text();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void layoutPutsEveryLetterInItsColumn() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        QCOMPARE(Field(w, 10)->geometry(), TwipsRect(2040, 1740, 420, 420));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(Field(w, FirstField(LastLine) + i)->mapTo(&w, QPoint()).x(),
                     Solution(w, i)->mapTo(&w, QPoint()).x());
        }
        QCOMPARE(w.centralWidget()->size(), QSize(Twips(7035), Twips(5930)));
        QCOMPARE(w.windowTitle(), QStringLiteral("Morvane Lexel"));
        QCOMPARE(w.HelpContext(), HelpTopic::Playing);
    }

    void captionsInBothLanguages() {
        for (const bool german : {false, true}) {
            test::MainWindowFixture f(german ? "D" : "E");
            auto& w = f.Start();
            QCOMPARE(w.windowTitle(), QStringLiteral("Morvane Lexel"));
            for (const auto& c : Captions) {
                QCOMPARE(CaptionOf(w, c.control), QString::fromUtf8(german ? c.german : c.english));
            }
        }
    }

    // Every message of the game in German, as the German player reads it.
    void theGamesMessagesInGerman() {
        test::MainWindowFixture f("D");
        const std::pair<QString, const char*> messages[] = {
            {GameMessages::AbortQuestion(), "Dieses Spiel wirklich abbrechen?"},
            {GameMessages::Reveal("GARDEN"), "Das gesuchte Wort war 'GARDEN'."},
            {GameMessages::NotAWordRefused("XYZ"),
             "'XYZ' ist kein gültiges englisches Wort. Damit ungültige 'Wörter' akzeptiert "
             "werden, muß Mogeln (in Einstellungen) aktiviert sein."},
            {GameMessages::NotAWordQuestion("XYZ"),
             "'XYZ' ist kein gültiges englisches Wort.\nSoll es trotzdem akzeptiert werden?"},
            {GameMessages::WrongSolution(), "Diese Lösung ist leider falsch. Bitte weiterspielen!"},
            {GameMessages::WonEarly() + u'\n' + GameMessages::ScoreLine(415000),
             "Toll!  Das gesuchte Wort wurde vorzeitig gefunden.\n415000 Punkte wurden erzielt."},
            {GameMessages::Lost("GARDEN"), "Diese Lösung ist leider falsch. Das geheime Wort war "
                                           "'GARDEN'.  Viel Glück beim nächsten Spiel!"},
            {GameMessages::WonOnLastLine(),
             "Herzlichen Glückwunsch!  Das gesuchte Wort wurde erraten."},
            {GameMessages::NoMatchingWord(), "Kein passendes Wort gefunden."},
        };
        for (const auto& [shown, german] : messages) {
            QCOMPARE(shown, QString::fromUtf8(german));
        }
    }

    void aLanguageChangeRecaptionsTheWindowAtOnce() {
        test::MainWindowFixture f("E");
        auto& w = f.Start();
        PlayLines(w, 1);
        QTimer::singleShot(0, [] {
            auto* options = QApplication::activeModalWidget();
            options->findChild<QAbstractButton*>("germanOption")->click();
            options->findChild<QAbstractButton*>("okButton")->click();
        });
        QTest::keyClick(&w, Qt::Key_F5);
        QCOMPARE(CaptionOf(w, "newGameButton"), QStringLiteral("Neues Spiel"));
        QCOMPARE(CaptionOf(w, "gameMenu"), QStringLiteral("&Spiel"));
        QCOMPARE(w.Model().State().currentLine, 1);      // the game goes on
        QCOMPARE(f.Stored("Language"), std::string("")); // OK stores nothing
        test::Reactivate(&w);
        QString title;
        QTimer::singleShot(0, [&title] {
            auto* stats = QApplication::activeModalWidget();
            title = stats->findChild<QPushButton*>("closeButton")->text();
            stats->close();
        });
        QTest::keyClick(&w, Qt::Key_F6);
        QCOMPARE(title, QString::fromUtf8("&Schließen"));
    }

    void helpOpensAtTheWindowsTopic() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        QTest::keyClick(&w, Qt::Key_F1);
        w.findChild<QAction*>("contentsAction")->trigger();
        QVERIFY(f.help.topics == (std::vector<HelpTopic>{HelpTopic::Playing, HelpTopic::Playing}));
    }

    void typingMovesTheFocusAndOffersTheCommands() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        for (const auto& step : Typing) {
            PressKeys(w, QLatin1String(step.keys));
            const QString where = QStringLiteral("after \"%1\"").arg(QLatin1String(step.keys));
            QVERIFY2(Focused() == QLatin1String(step.focus), qPrintable(where + u' ' + Focused()));
            QVERIFY2(Shown(w, step.shown[0] == '=') == QLatin1String(step.shown),
                     qPrintable(where));
            QVERIFY2(Enabled(w, "evaluateButton") == step.evaluate &&
                         Enabled(w, "evaluateAction") == step.evaluate,
                     qPrintable(where));
            QVERIFY2(Enabled(w, "solveButton") == step.solve &&
                         Enabled(w, "solveAction") == step.solve,
                     qPrintable(where));
        }
        // Only the focused field looks active after a Backspace left one.
        QVERIFY(!Field(w, 4)->hasSelectedText());
    }

    void enterEvaluatesAndTheBoardAndClockFollow() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        auto* time = test::Child<QLabel>(w, QStringLiteral("timeLabel"));
        PlayLines(w, 1);
        QCOMPARE(Focused(), QStringLiteral("guessField_3"));
        QVERIFY(Field(w, 0)->isHidden());
        QCOMPARE(w.Board().GuessLetter(0)->text(), QStringLiteral("T"));
        QVERIFY(!w.Board().GuessLetter(0)->isHidden());
        QCOMPARE(LineText(w, 1), QStringLiteral("___"));
        f.clock.now += 3725;
        QTest::qWait(400); // a tick of the window's clock
        QCOMPARE(time->text(), QStringLiteral("01:02:05"));
        Type("xyz");
        Press(Qt::Key_Return); // a refused line stays where it is
        QCOMPARE(f.boxes.shown.back().icon, MessageIcon::Critical);
        QCOMPARE(w.Model().State().currentLine, 1);
    }

    void aWinByTheSolveButtonOpensTheTableAndTheAnagrams() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Press(Qt::Key_Escape);
        Type("garden");
        test::ModalCloser modals;
        QTest::mouseClick(test::Child<QPushButton>(w, QStringLiteral("solveButton")),
                          Qt::LeftButton);
        QCOMPARE(f.boxes.shown.back().text,
                 QStringLiteral("Great!  You found the hidden word ahead of time."));
        QCOMPARE(modals.seen, (QStringList{QStringLiteral("StatisticsDialog"),
                                           QStringLiteral("AnagramWindow")}));
        QCOMPARE(w.Board().RevealedLetter(0)->text(), QStringLiteral("G"));
        QVERIFY(Solution(w, 0)->isHidden());
        QVERIFY(!Enabled(w, "suggestButton") && !Enabled(w, "solveButton"));
        const auto shown = f.boxes.shown.size();
        test::Reactivate(&w);
        Press(Qt::Key_F2); // the game is over: no question
        QCOMPARE(f.boxes.shown.size(), shown);
    }

    // After No the game goes on where the player typed; a letter lands in the field.
    void aNewGameAsksFirstAndNoKeepsTheTyping() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        PlayLines(w, 1);
        f.boxes.answers = {MessageAnswer::No};
        QTest::mouseClick(test::Child<QPushButton>(w, QStringLiteral("newGameButton")),
                          Qt::LeftButton);
        QCOMPARE(f.boxes.shown.back().text,
                 QStringLiteral("Do you really want to abort this game?"));
        QCOMPARE(Focused(), QStringLiteral("guessField_3"));
        Type("d");
        QCOMPARE(LineText(w, 1), QStringLiteral("D__"));
        f.boxes.answers = {MessageAnswer::Yes};
        Press(Qt::Key_F2);
        QCOMPARE(f.boxes.shown.back().text, QStringLiteral("The hidden word was 'GARDEN'."));
        QCOMPARE(w.Model().State().currentLine, 0);
        QCOMPARE(LineText(w, 0), QStringLiteral("___"));
        QCOMPARE(Focused(), QStringLiteral("guessField_0"));
    }

    void closingAsksOnlyWhenALineWasEvaluated() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        PlayLines(w, 1);
        f.boxes.answers = {MessageAnswer::No};
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        f.boxes.answers = {MessageAnswer::Yes};
        QVERIFY(w.close());
        QCOMPARE(f.boxes.shown.back().text, QStringLiteral("The hidden word was 'GARDEN'."));
        QVERIFY(f.Stored("HighScore1").rfind("GARDEN", 0) == 0);

        test::MainWindowFixture g;
        auto& fresh = g.Start();
        test::ModalCloser modals;
        QVERIFY(fresh.close());
        QCOMPARE(modals.seen, QStringList{QStringLiteral("QuotationWindow")});
        QVERIFY(g.boxes.shown.empty());
    }

    void lineNineSkipsFieldsFilledByHints() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        for (const int position : {1, 2}) {
            Solution(w, position)->setFocus();
            QTest::keyClick(&w, Qt::Key_F3);
        }
        QCOMPARE(Focused(), QStringLiteral("solutionField_3"));
        Press(Qt::Key_Escape);
        PlayLines(w, 8);
        QCOMPARE(Focused(), QStringLiteral("guessField_30"));
        Type("g");
        QCOMPARE(Focused(), QStringLiteral("guessField_33"));
        Field(w, 35)->setFocus();
        Press(Qt::Key_Right);
        QCOMPARE(Focused(), QStringLiteral("guessField_30"));
        Press(Qt::Key_Left);
        QCOMPARE(Focused(), QStringLiteral("guessField_35"));
    }

    void pastedTextIsCleanedByTheChangeRules() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        for (const char* pasted : {"ab", "<b>", "1"}) {
            QGuiApplication::clipboard()->setText(QLatin1String(pasted));
            QTest::keyClick(Field(w, 0), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(Field(w, 0)->text(), QStringLiteral("_")); // an empty cell, as ever
            QCOMPARE(Focused(), QStringLiteral("guessField_0"));
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("T"));
        QTest::keyClick(Field(w, 0), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Field(w, 0)->text(), QStringLiteral("T"));
        QCOMPARE(w.Model().Cells().Guess(0).content, 'T');
        QCOMPARE(Focused(), QStringLiteral("guessField_1"));
        QGuiApplication::clipboard()->setText(QStringLiteral("<b>"));
        Solution(w, 2)->setFocus();
        QTest::keyClick(Solution(w, 2), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Solution(w, 2)->text(), QStringLiteral("?"));
        QCOMPARE(Focused(), QStringLiteral("solutionField_2"));
    }

    void rightClicksOpenOnlyTheGamesPopups() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        PlayLines(w, 1);
        QCOMPARE(test::PopupAfterPress(Field(w, 3)), QStringLiteral("suggestPopup"));
        QCOMPARE(test::PopupAfterPress(Solution(w, 4)), QStringLiteral("hintPopup"));
        QCOMPARE(w.Input().HintPosition(), 4);
        QCOMPARE(test::PopupAfterPress(w.Board().GuessLetter(0)), QStringLiteral("cellColorMenu"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
