#include "core/rules/BoardGeometry.h"
#include "core/settings/HighScores.h"
#include "support/MainWindowFixture.h"
#include "ui/board/GuessGrid.h"
#include "ui/controls/Twips.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace lexel;
using test::Focused;
using test::Press;
using test::Type;

namespace {

QLineEdit* Field(fmMain& w, int k) {
    return w.Grid().tbL1(k);
}
QLineEdit* Solution(fmMain& w, int i) {
    return w.Grid().Text1(i);
}
bool Enabled(fmMain& w, const char* name) {
    auto* widget = w.findChild<QWidget*>(QLatin1String(name));
    auto* action = w.findChild<QAction*>(QLatin1String(name));
    return widget ? widget->isEnabled() : action->isEnabled();
}
QString LineText(fmMain& w, int line) {
    QString text;
    for (int k = BL(line); k <= BH(line); ++k) {
        text += Field(w, k)->text();
    }
    return text;
}

// Lines 1 to 8 with words of the sample lists; against "garden" none is right.
const char* const Words[] = {"ten", "dog", "pan", "abc", "plan", "tale", "plane", "petal"};

void PlayLines(fmMain& w, int count) {
    for (int line = 1; line <= count; ++line) {
        Type(QLatin1String(Words[line - 1]));
        Press(Qt::Key_Return);
        QCOMPARE(w.Game().iLine, line + 1);
    }
}

} // namespace

struct Caption {
    const char* control;
    const char* english;
    const char* german;
};

const Caption Captions[] = {
    {"mnGame", "&Game", "&Spiel"},
    {"mnStart", "&New Game", "&Neues Spiel"},
    {"mnSolve", "&Solve", "&Lösen"},
    {"mnResult", "&Evaluate", "&Auswerten"},
    {"mnHint", "&Hint", "&Tipp"},
    {"mnSuggest", "S&uggest Word", "Wort &vorschlagen"},
    {"mnOptions", "&Options...", "&Einstellungen..."},
    {"mnStats", "High Sco&res...", "&High Scores..."},
    {"mnExit", "E&xit", "&Beenden"},
    {"mnEdit", "&Edit", "&Bearbeiten"},
    {"mnEditGrayAll", "Reset To &Gray", "Alles auf &grau setzen"},
    {"mnSave", "Save Anal&ysis", "Anal&yse sichern"},
    {"mnHelp", "&Help", "&Hilfe"},
    {"mnContents", "&Contents", "&Inhalt"},
    {"mnAbout", "&About Lexel...", "Über &Lexel..."},
    {"mnRed", "&Red", "&Rot"},
    {"mn2Blue", "&Blue", "&Blau"},
    {"mnYellow", "&Yellow", "&Gelb"},
    {"mn2Green", "Gr&een", "Grü&n"},
    {"mnGray", "&Gray", "Gr&au"},
    {"mnPopHint", "&Hint", "&Tipp"},
    {"mnPopSuggest", "S&uggest Word", "Wort &vorschlagen"},
    {"cmdGame", "New Game", "Neues Spiel"},
    {"cmdSuggest", "Suggest Word", "Wort vorschlagen"},
    {"cmdGray", "Reset To Gray", "Alles auf grau setzen"},
    {"cmdSave", "Save Analysis", "Analyse sichern"},
    {"cbSolve", "&Solve", "&Lösen"},
    {"cbGuess", "&Evaluate", "&Auswerten"},
    {"frResult", "Results", "Punkte"},
    {"frUsed", "Used Letters", "Benutzte Buchstaben"},
    {"frUnused", "Unused Letters", "Nicht benutzte Buchstaben"},
    {"fmTimer", "Used Time", "Verbrauchte Zeit"},
};

QString CaptionOf(fmMain& w, const char* name) {
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
    return w.findChild<QPushButton*>(key)->text();
}

class fmMainTest : public QObject {
    Q_OBJECT

private slots:
    void layoutPutsEveryLetterInItsColumn() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        QCOMPARE(Field(w, 10)->geometry(), TwipsRect(2040, 1740, 420, 420));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(Field(w, BL(9) + i)->mapTo(&w, QPoint()).x(),
                     Solution(w, i)->mapTo(&w, QPoint()).x());
        }
        auto* client = w.centralWidget();
        QCOMPARE(client->size(), QSize(Twips(7035), Twips(5930)));
        QVERIFY(w.findChild<QGroupBox*>("frResult")->x() >= client->width());
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

    void aLanguageChangeRecaptionsTheWindowAtOnce() {
        test::MainWindowFixture f("E");
        auto& w = f.Start();
        PlayLines(w, 1);
        QTimer::singleShot(0, [] {
            auto* options = QApplication::activeModalWidget();
            options->findChild<QAbstractButton*>("germanOption")->click(); // German
            options->findChild<QAbstractButton*>("okButton")->click();
        });
        QTest::keyClick(&w, Qt::Key_F5);
        QCOMPARE(CaptionOf(w, "cmdGame"), QStringLiteral("Neues Spiel"));
        QCOMPARE(CaptionOf(w, "mnGame"), QStringLiteral("&Spiel"));
        QCOMPARE(w.Game().iLine, 2);                     // the game goes on
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
        w.findChild<QAction*>("mnContents")->trigger();
        QVERIFY(f.help.topics == (std::vector<HelpTopic>{HelpTopic::Playing, HelpTopic::Playing}));
    }

    void germanMessagesAndTheScoreLineWithoutLeadingWords() {
        test::MainWindowFixture f("D");
        for (int rank = 1; rank <= 10; ++rank) { // a full table: the score does not enter
            f.store.WriteOption(HighScoreKey(rank), "ZZZZZZ999999");
        }
        auto& w = f.Start();
        Type("xyz");
        Press(Qt::Key_Return);
        QCOMPARE(f.boxes.shown.back().text,
                 QString::fromUtf8("'XYZ' ist kein gültiges englisches Wort. Damit ungültige "
                                   "'Wörter' akzeptiert werden, muß Mogeln (in Einstellungen) "
                                   "aktiviert sein."));
        f.settings.Cheating = true;
        f.boxes.answers = {MessageAnswer::No};
        Press(Qt::Key_Return);
        QCOMPARE(f.boxes.shown.back().text,
                 QString::fromUtf8("'XYZ' ist kein gültiges englisches Wort.\nSoll es trotzdem "
                                   "akzeptiert werden?"));
        Press(Qt::Key_Escape);
        Type("danger");
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.boxes.shown.back().text,
                 QString::fromUtf8("Diese Lösung ist leider falsch. Bitte weiterspielen!"));
        w.Grid().Text1(0)->setFocus();
        Type("garden");
        f.clock.now += 30;
        w.TimerUpdate();
        test::ModalCloser modals;
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        // Level 2, early on line 1, one wrong solution, 30 seconds:
        // 40000 + 225000 + 60000 + 100000 - 10000.
        QCOMPARE(f.boxes.shown.back().text,
                 QString::fromUtf8("Toll!  Das gesuchte Wort wurde vorzeitig gefunden.\n"
                                   "415000 Punkte wurden erzielt."));
        QCOMPARE(modals.seen, QStringList{QStringLiteral("AnagramWindow")});
        test::Reactivate(&w);
        const auto shown = f.boxes.shown.size();
        Press(Qt::Key_F2); // the game is over: no question
        QCOMPARE(f.boxes.shown.size(), shown);
        PlayLines(w, 1);
        f.boxes.answers = {MessageAnswer::Yes};
        Press(Qt::Key_F2);
        QCOMPARE(f.boxes.shown.at(shown).text, QStringLiteral("Dieses Spiel wirklich abbrechen?"));
        QCOMPARE(f.boxes.shown.back().text, QStringLiteral("Das gesuchte Wort war 'GARDEN'."));
    }

    void typingAdvancesWrapsAndEnablesEvaluate() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        QCOMPARE(LineText(w, 1), QStringLiteral("___"));
        QCOMPARE(LineText(w, 2), QStringLiteral("..."));
        QCOMPARE(Focused(), QStringLiteral("tbL1_0"));
        Type("q");
        QCOMPARE(Field(w, 0)->text(), QStringLiteral("Q"));
        QCOMPARE(Focused(), QStringLiteral("tbL1_1"));
        QVERIFY(!Enabled(w, "cbGuess"));
        Type("?7");
        QCOMPARE(Field(w, 1)->text(), QStringLiteral("_"));
        Type(" ");
        QCOMPARE(Focused(), QStringLiteral("tbL1_2"));
        Type("n");
        QCOMPARE(Focused(), QStringLiteral("tbL1_0")); // back to the line's first field
        QVERIFY(!Enabled(w, "cbGuess"));
        Press(Qt::Key_Right);
        Type("e");
        QCOMPARE(LineText(w, 1), QStringLiteral("QEN"));
        QVERIFY(Enabled(w, "cbGuess") && Enabled(w, "mnResult"));
        QCOMPARE(Focused(), QStringLiteral("tbL1_2"));
        Press(Qt::Key_Delete);
        QCOMPARE(LineText(w, 1), QStringLiteral("QE_"));
        QCOMPARE(Focused(), QStringLiteral("tbL1_2"));
        QVERIFY(!Enabled(w, "cbGuess"));
        Press(Qt::Key_Up);
        Press(Qt::Key_Down);
        QCOMPARE(Focused(), QStringLiteral("tbL1_2"));
        QCOMPARE(LineText(w, 1), QStringLiteral("QE_"));
    }

    void backspaceAndLeftOnLineTwo() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        PlayLines(w, 1);
        QCOMPARE(Focused(), QStringLiteral("tbL1_3"));
        Type("do");
        Field(w, 4)->setFocus();
        Press(Qt::Key_Backspace);
        QCOMPARE(LineText(w, 2), QStringLiteral("D__"));
        QCOMPARE(Focused(), QStringLiteral("tbL1_3"));
        QVERIFY(!Field(w, 4)->hasSelectedText()); // only the focused field looks active
        QVERIFY(Field(w, 3)->hasSelectedText());
        Press(Qt::Key_Left);
        QCOMPARE(Focused(), QStringLiteral("tbL1_5"));
        QCOMPARE(LineText(w, 2), QStringLiteral("D__"));
        Press(Qt::Key_Right);
        QCOMPARE(Focused(), QStringLiteral("tbL1_3")); // from the last field to the first free
        // Line 1 now shows its letters on labels.
        QVERIFY(Field(w, 0)->isHidden());
        QCOMPARE(w.Grid().lbGuess(1)->text(), QStringLiteral("T"));
        QVERIFY(!w.Grid().lbGuess(1)->isHidden());
    }

    void escapeMovesBetweenGridAndSolutionLine() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Press(Qt::Key_Escape);
        QCOMPARE(Focused(), QStringLiteral("Text1_0"));
        Type("g?");
        QCOMPARE(Solution(w, 1)->text(), QStringLiteral("?"));
        QCOMPARE(Focused(), QStringLiteral("Text1_2"));
        Type(" 7");
        QCOMPARE(Solution(w, 2)->text(), QStringLiteral("?"));
        QCOMPARE(Focused(), QStringLiteral("Text1_3"));
        Press(Qt::Key_Escape);
        QCOMPARE(Focused(), QStringLiteral("tbL1_0"));
        Press(Qt::Key_Escape);
        Type("g?rden");
        QVERIFY(!Enabled(w, "cbSolve")); // position 1 still "?"
        Solution(w, 1)->setFocus();
        Type("a");
        QVERIFY(Enabled(w, "cbSolve") && Enabled(w, "mnSolve"));
        Solution(w, 3)->setFocus();
        Press(Qt::Key_Delete);
        QCOMPARE(Solution(w, 3)->text(), QStringLiteral("?"));
        QVERIFY(!Enabled(w, "cbSolve"));
    }

    void nonWordsAreRefusedOrAskedAbout() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Type("xyz");
        Press(Qt::Key_Return);
        QCOMPARE(f.boxes.shown.size(), std::size_t{1});
        QCOMPARE(f.boxes.shown[0].text,
                 QStringLiteral("'XYZ' is not a valid English word. If you want to be allowed "
                                "to use invalid 'words', you must enable the Cheating option."));
        QCOMPARE(f.boxes.shown[0].icon, MessageIcon::Critical);
        QCOMPARE(w.Game().iLine, 1);
        QCOMPARE(f.Stored("GamesPlayed"), std::string("0"));

        f.settings.Cheating = true;
        f.boxes.answers = {MessageAnswer::No};
        Press(Qt::Key_Return);
        QCOMPARE(f.boxes.shown.back().text,
                 QStringLiteral("'XYZ' is not a valid English word.\nShould it be accepted "
                                "nevertheless?"));
        QCOMPARE(f.boxes.shown.back().defaultAnswer, MessageAnswer::Yes);
        QCOMPARE(w.Game().iLine, 1);
        f.boxes.answers = {MessageAnswer::Yes};
        Press(Qt::Key_Return);
        QCOMPARE(w.Game().iLine, 2);
        QCOMPARE(w.Game().NonWordCount, 1);
    }

    void theFirstEvaluationCountsTheGameAndStartsTheClock() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        auto* time = w.findChild<QLabel*>("lbTime");
        PlayLines(w, 1);
        QCOMPARE(f.Stored("GamesPlayed"), std::string("1"));
        QCOMPARE(w.ResultCode(1), QStringLiteral("200")); // e and n are in "garden"
        f.clock.now += 3725;
        w.TimerUpdate();
        QCOMPARE(time->text(), QStringLiteral("01:02:05"));
        QCOMPARE(w.TimerGet(), 3725);
        PlayLines(w, 0);
        Type("dog");
        Press(Qt::Key_Return);
        QCOMPARE(f.Stored("GamesPlayed"), std::string("1"));
        QCOMPARE(w.ResultCode(2), QStringLiteral("200")); // d and g, elsewhere
    }

    void aWrongSolutionCountsTheGameOnce() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Press(Qt::Key_Escape);
        Type("danger");
        QTest::mouseClick(w.findChild<QPushButton*>("cbSolve"), Qt::LeftButton);
        QCOMPARE(f.boxes.shown.back().text,
                 QStringLiteral("Sorry, this is not the correct solution. Please play on!"));
        QCOMPARE(f.Stored("GamesPlayed"), std::string("1"));
        QCOMPARE(w.Game().WrongSolutionCount, 1);
        QVERIFY(w.Game().GameRunning);

        Solution(w, 0)->setFocus();
        Type("garden");
        test::ModalCloser modals;
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.boxes.shown.back().text,
                 QStringLiteral("Great!  You found the hidden word ahead of time."));
        // The score entered the table; "garden" has an anagram in the sample words.
        QCOMPARE(modals.seen, (QStringList{QStringLiteral("StatisticsDialog"),
                                           QStringLiteral("AnagramWindow")}));
        QCOMPARE(f.Stored("GamesPlayed"), std::string("1"));
        QCOMPARE(f.Stored("GamesWon"), std::string("1"));
        QVERIFY(!w.Game().GameRunning);
        QVERIFY(w.Game().SolvedEarly);
        QVERIFY(f.Stored("HighScore1").rfind("GARDEN", 0) == 0);
        QCOMPARE(w.Grid().lbHint(0)->text(), QStringLiteral("G"));
        QVERIFY(Solution(w, 0)->isHidden());
        QVERIFY(!Enabled(w, "cmdSuggest") && !Enabled(w, "cbSolve"));
    }

    void aWonGameOnLineNine() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        PlayLines(w, 8);
        QVERIFY(!Enabled(w, "mnSuggest") && !Enabled(w, "cmdSuggest"));
        Type("garden");
        test::ModalCloser modals;
        Press(Qt::Key_Return);
        QCOMPARE(w.ResultCode(9), QStringLiteral("6000"));
        QCOMPARE(f.boxes.shown.back().text,
                 QStringLiteral("Congratulations!  You found the hidden word."));
        QCOMPARE(f.boxes.shown.back().icon, MessageIcon::Exclamation);
        QCOMPARE(f.Stored("GamesWon"), std::string("1"));
        QVERIFY(!w.Game().GameRunning);
    }

    // A full disk refuses every write: the first line is not taken until its game can be counted,
    // and a win whose end cannot be written still ends as a win, unrecorded.
    void aFullDiskLosesNothingAndTheGameGoesOn() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        const auto diskFull = [&](bool full) {
            f.db.Execute(full ? "CREATE TRIGGER FullInsert BEFORE INSERT ON Options BEGIN "
                                "SELECT RAISE(ABORT, 'database or disk is full'); END;"
                                "CREATE TRIGGER FullUpdate BEFORE UPDATE ON Options BEGIN "
                                "SELECT RAISE(ABORT, 'database or disk is full'); END;"
                              : "DROP TRIGGER FullInsert; DROP TRIGGER FullUpdate;");
        };
        diskFull(true);
        Type(QLatin1String(Words[0]));
        Press(Qt::Key_Return);
        QCOMPARE(f.boxes.shown.back().text,
                 QStringLiteral("Lexel could not write to its database:\ndatabase or disk is "
                                "full\nNothing was changed; you can try again."));
        QCOMPARE(w.Game().iLine, 1);
        QCOMPARE(f.Stored("GamesPlayed"), std::string("0"));
        diskFull(false);
        Press(Qt::Key_Return);
        QCOMPARE(w.Game().iLine, 2);
        QCOMPARE(f.Stored("GamesPlayed"), std::string("1"));

        for (int line = 2; line <= 8; ++line) {
            Type(QLatin1String(Words[line - 1]));
            Press(Qt::Key_Return);
        }
        diskFull(true);
        Type("garden");
        test::ModalCloser modals;
        Press(Qt::Key_Return);
        const auto shown = f.boxes.shown.size();
        QVERIFY(shown >= 2);
        QCOMPARE(f.boxes.shown[shown - 2].text,
                 QStringLiteral("The result of this game could not be saved:\ndatabase or disk "
                                "is full"));
        QVERIFY(f.boxes.shown.back().text.startsWith(
            QStringLiteral("Congratulations!  You found the hidden word.\nYou scored ")));
        QVERIFY(!w.Game().GameRunning);
        QCOMPARE(f.Stored("GamesWon"), std::string("0"));
        QCOMPARE(f.Stored("HighScore1"), std::string("??????0"));
    }

    void aLostGameOnLineNineInGerman() {
        test::MainWindowFixture f("D");
        auto& w = f.Start();
        PlayLines(w, 8);
        Type("xxxxxx"); // line 9 takes any letters without asking
        Press(Qt::Key_Return);
        QCOMPARE(f.boxes.shown.back().text,
                 QString::fromUtf8("Diese Lösung ist leider falsch. Das geheime Wort war "
                                   "'GARDEN'.  Viel Glück beim nächsten Spiel!"));
        QCOMPARE(f.Stored("GamesWon"), std::string("0"));
        QCOMPARE(f.Stored("GamesPlayed"), std::string("1"));
        QVERIFY(f.Stored("HighScore1").rfind("GARDEN", 0) == 0); // the dots still score
        QCOMPARE(w.findChild<QPushButton*>("cmdGame")->text(), QStringLiteral("Neues Spiel"));
    }

    void aNewGameAsksFirstAndAnAbandonedLineStillScores() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        f.boxes.answers = {MessageAnswer::Yes};
        Press(Qt::Key_F2);
        QCOMPARE(f.boxes.shown.size(), std::size_t{2});
        QCOMPARE(f.boxes.shown[0].text, QStringLiteral("Do you really want to abort this game?"));
        QCOMPARE(f.boxes.shown[0].defaultAnswer, MessageAnswer::No);
        QCOMPARE(f.boxes.shown[1].text, QStringLiteral("The hidden word was 'GARDEN'."));
        QCOMPARE(f.Stored("HighScore1"), std::string("??????0")); // nothing evaluated

        f.random = test::ScriptedRandom({0.9f}); // the next game: bobbin
        f.boxes.answers = {MessageAnswer::Yes};
        w.StartGame();
        PlayLines(w, 1);
        f.boxes.answers = {MessageAnswer::No};
        Press(Qt::Key_F2);
        QCOMPARE(w.Game().iLine, 2);
        QVERIFY(w.Game().GameRunning);
        f.boxes.answers = {MessageAnswer::No};
        QTest::mouseClick(w.findChild<QPushButton*>("cmdGame"), Qt::LeftButton);
        QCOMPARE(Focused(), QStringLiteral("tbL1_3")); // the next letter goes on line 2
        Type("d");
        QCOMPARE(LineText(w, 2), QStringLiteral("D__"));
        f.boxes.answers = {MessageAnswer::Yes};
        Press(Qt::Key_F2);
        QVERIFY(f.Stored("HighScore1").rfind("BOBBIN", 0) == 0);
        QCOMPARE(w.Game().iLine, 1);
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
        PlayLines(w, 8);
        for (const int k : {31, 32}) { // as a hint leaves them: letter in place, field hidden
            Field(w, k)->setText(k == 31 ? QStringLiteral("A") : QStringLiteral("R"));
            Field(w, k)->hide();
        }
        Field(w, 30)->setFocus();
        Type("g");
        QCOMPARE(Focused(), QStringLiteral("tbL1_33"));
        Field(w, 35)->setFocus();
        Press(Qt::Key_Right);
        QCOMPARE(Focused(), QStringLiteral("tbL1_30"));
        Press(Qt::Key_Left);
        QCOMPARE(Focused(), QStringLiteral("tbL1_35"));
    }

    void pastedTextIsCleanedByTheChangeRules() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        for (const char* pasted : {"ab", "<b>", "1"}) {
            QGuiApplication::clipboard()->setText(QLatin1String(pasted));
            QTest::keyClick(Field(w, 0), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(Field(w, 0)->text(), QStringLiteral("_")); // an empty cell, as ever
            QCOMPARE(Focused(), QStringLiteral("tbL1_0"));
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("T"));
        QTest::keyClick(Field(w, 0), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Field(w, 0)->text(), QStringLiteral("T"));
        QCOMPARE(Focused(), QStringLiteral("tbL1_1"));
        QGuiApplication::clipboard()->setText(QStringLiteral("<b>"));
        Solution(w, 2)->setFocus();
        QTest::keyClick(Solution(w, 2), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Solution(w, 2)->text(), QStringLiteral("?"));
        QCOMPARE(Focused(), QStringLiteral("Text1_2"));
    }

    void rightClicksOpenOnlyTheGamesPopups() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        PlayLines(w, 1);
        QCOMPARE(test::PopupAfterPress(Field(w, 3)), QStringLiteral("mnPopSuggestMenu"));
        QCOMPARE(test::PopupAfterPress(Solution(w, 4)), QStringLiteral("mnPopHintMenu"));
        QCOMPARE(w.Grid().HintPos(), 4);
        QCOMPARE(test::PopupAfterPress(w.Grid().lbGuess(1)), QStringLiteral("mnColors"));
    }
};

QTEST_MAIN(fmMainTest)
#include "fmMainTest.moc"
