// Every caption of the windows in English and in German, and what a screen reader hears of the
// main window: the German texts after the language is switched in the options of a running
// game, the other windows as they open in that language.

#include "core/game/GameMessages.h"
#include "support/MainWindowFixture.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/AnagramWindow.h"
#include "ui/dialogs/LanguageDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/QuotationWindow.h"
#include "ui/dialogs/StatisticsDialog.h"

#include <QAction>
#include <QTabWidget>
#include <QTableWidget>

using namespace lexel;

namespace {

// One row per text: the window, a control in it ("" the window itself), the English and the
// German text. The control's caption is read, or what a screen reader hears of it after "name:"
// or "description:", or its tooltip after "tooltip:", or the caption of a page after "tab0:"
// and the like.
const std::tuple<const char*, const char*, const char*, const char*> Texts[] = {
    {"MainWindow", "", "Morvane Lexel", "Morvane Lexel"},
    {"MainWindow", "gameMenu", "&Game", "&Spiel"},
    {"MainWindow", "newGameAction", "&New Game", "&Neues Spiel"},
    {"MainWindow", "solveAction", "&Solve", "&Lösen"},
    {"MainWindow", "evaluateAction", "&Evaluate", "&Auswerten"},
    {"MainWindow", "hintAction", "&Hint", "&Tipp"},
    {"MainWindow", "suggestAction", "S&uggest Word", "Wort &vorschlagen"},
    {"MainWindow", "optionsAction", "&Options...", "&Einstellungen..."},
    {"MainWindow", "highScoresAction", "High Sco&res...", "&High Scores..."},
    {"MainWindow", "exitAction", "E&xit", "&Beenden"},
    {"MainWindow", "dailyGameAction", "Game of the &Day", "Spiel des Ta&ges"},
    {"MainWindow", "copyResultAction", "&Copy Result", "Ergebnis &kopieren"},
    {"MainWindow", "reviewAction", "Re&view Game...", "&Rückblick..."},
    {"MainWindow", "editMenu", "&Edit", "&Bearbeiten"},
    {"MainWindow", "resetToGrayAction", "Reset To &Gray", "Alles auf &grau setzen"},
    {"MainWindow", "saveAnalysisAction", "Save Anal&ysis", "Anal&yse sichern"},
    {"MainWindow", "viewMenu", "&View", "&Ansicht"},
    {"MainWindow", "zoomInAction", "Zoom &In", "Ver&größern"},
    {"MainWindow", "zoomOutAction", "Zoom &Out", "Ver&kleinern"},
    {"MainWindow", "normalSizeAction", "&Normal Size", "&Normale Größe"},
    {"MainWindow", "fullScreenAction", "&Full Screen", "&Vollbild"},
    {"MainWindow", "helpMenu", "&Help", "&Hilfe"},
    {"MainWindow", "contentsAction", "&Contents", "&Inhalt"},
    {"MainWindow", "aboutAction", "&About Lexel...", "Über &Lexel..."},
    {"MainWindow", "cellRed", "&Red", "&Rot"},
    {"MainWindow", "buttonBlue", "&Blue", "&Blau"},
    {"MainWindow", "cellYellow", "&Yellow", "&Gelb"},
    {"MainWindow", "buttonGreen", "Gr&een", "Grü&n"},
    {"MainWindow", "cellGray", "&Gray", "Gr&au"},
    {"MainWindow", "hintPopupAction", "&Hint", "&Tipp"},
    {"MainWindow", "suggestPopupAction", "S&uggest Word", "Wort &vorschlagen"},
    // An aid's cost on line 2, with no hint taken yet.
    {"MainWindow", "tooltip:suggestButton", "Suggest Word now costs 6,000 points.",
     "Ein Wortvorschlag kostet jetzt 6.000 Punkte."},
    {"MainWindow", "tooltip:suggestAction", "Suggest Word now costs 6,000 points.",
     "Ein Wortvorschlag kostet jetzt 6.000 Punkte."},
    {"MainWindow", "tooltip:hintPopupAction",
     "A hint now costs 20,000 points, 40,000 for the first letter.",
     "Ein Tipp kostet jetzt 20.000 Punkte, für den ersten Buchstaben 40.000."},
    {"MainWindow", "newGameButton", "New Game", "Neues Spiel"},
    {"MainWindow", "suggestButton", "Suggest Word", "Wort vorschlagen"},
    {"MainWindow", "resetToGrayButton", "Reset To Gray", "Alles auf grau setzen"},
    {"MainWindow", "saveAnalysisButton", "Save Analysis", "Analyse sichern"},
    {"MainWindow", "solveButton", "&Solve", "&Lösen"},
    {"MainWindow", "evaluateButton", "&Evaluate", "&Auswerten"},
    {"MainWindow", "usedLetters", "Used Letters", "Benutzte Buchstaben"},
    {"MainWindow", "unusedLetters", "Unused Letters", "Nicht benutzte Buchstaben"},
    {"MainWindow", "timerBox", "Used Time", "Verbrauchte Zeit"},
    // The field and the label over it share a name: a screen reader finds the letter there.
    {"MainWindow", "name:guessField_7", "Line 3, letter 2", "Zeile 3, Buchstabe 2"},
    {"MainWindow", "name:guessLetter_7", "Line 3, letter 2", "Zeile 3, Buchstabe 2"},
    {"MainWindow", "name:solutionField_3", "Solution, letter 4", "Lösungszeile, Buchstabe 4"},
    {"MainWindow", "name:revealedLetter_3", "Solution, letter 4", "Lösungszeile, Buchstabe 4"},
    {"MainWindow", "name:timeLabel", "Used time", "Verbrauchte Zeit"},
    {"MainWindow", "description:timeLabel", "00:00:00", "00:00:00"},
    {"MainWindow", "name:unusedLetter_1", "B", "B"},
    {"MainWindow", "description:unusedLetter_1", "gray, unused", "grau, nicht benutzt"},
    {"MainWindow", "description:usedLetter_19", "gray, used", "grau, benutzt"},
    {"MainWindow", "description:guessLetter_0", "T, gray", "T, grau"},
    {"MainWindow", "name:lineResult_0", "Line 1: 0 black, 2 white", "Zeile 1: 0 schwarz, 2 weiß"},
    {"MainWindow", "name:lineResult_1", "Line 2: not evaluated", "Zeile 2: nicht ausgewertet"},
    {"OptionsDialog", "", "Morvane Lexel Options", "Morvane Lexel Einstellungen"},
    {"OptionsDialog", "levelGroup", "Difficulty Level", "Schwierigkeit"},
    {"OptionsDialog", "levelBeginner", "&Beginner", "A&nfänger"},
    {"OptionsDialog", "levelAdvanced", "&Advanced", "Fo&rtgeschrittener"},
    {"OptionsDialog", "levelExpert", "&Expert", "&Experte"},
    {"OptionsDialog", "levelGuru", "&Guru", "&Guru"},
    {"OptionsDialog", "wordSelectionGroup", "Word Selection", "Wortauswahl"},
    {"OptionsDialog", "onlyLevelWords", "O&nly use words of selected level",
     "N&ur Wörter der gewählten Schwierigkeit"},
    {"OptionsDialog", "easierLevelWords", "A&lso use words of easier levels",
     "Au&ch Wörter niedrigerer Schwierigkeit"},
    {"OptionsDialog", "cheatingGroup", "Cheating", "Mogeln"},
    {"OptionsDialog", "cheatingCheck", "Allows you to use 'words' that do not e&xist",
     "Eingaben müssen keine &Wörter sein"},
    {"OptionsDialog", "coloringGroup", "Automatic coloring", "Automatische Färbung"},
    {"OptionsDialog", "coloringCheck",
     "Automatically set the bac&kground color to red or green where appropriate",
     "Hintergrundfarben automatisch auf rot bzw. grün set&zen"},
    {"OptionsDialog", "timeGroup", "Time", "Zeit"},
    {"OptionsDialog", "timerCheck", "Kee&p track of used time", "&Verbrauchte Zeit anzeigen"},
    {"OptionsDialog", "languageGroup", "User Interface", "Benutzeroberfläche"},
    {"OptionsDialog", "englishOption", "Engl&ish", "Eng&lisch"},
    {"OptionsDialog", "germanOption", "Ge&rman", "Deu&tsch"},
    {"OptionsDialog", "extrasGroup", "Extras", "Extras"},
    {"OptionsDialog", "possibleWordsCheck", "Show possible &words", "&Mögliche Wörter anzeigen"},
    {"OptionsDialog", "symbolsCheck", "Symbols on &marked letters",
     "Symbole auf markierten &Buchstaben"},
    {"OptionsDialog", "okButton", "&OK", "&OK"},
    {"OptionsDialog", "cancelButton", "&Cancel", "&Abbrechen"},
    {"OptionsDialog", "saveButton", "&Save", "&Sichern"},
    {"OptionsDialog", "defaultsButton", "&Defaults", "Stan&dard"},
    {"OptionsDialog", "helpButton", "&Help", "&Hilfe"},
    // Shown before any language is chosen: the same captions serve both.
    {"LanguageDialog", "", "Morvane Lexel", "Morvane Lexel"},
    {"LanguageDialog", "languageGroup", "User Interface / Benutzeroberfläche",
     "User Interface / Benutzeroberfläche"},
    {"LanguageDialog", "englishOption", "&English", "&English"},
    {"LanguageDialog", "germanOption", "&Deutsch", "&Deutsch"},
    {"LanguageDialog", "okButton", "&OK", "&OK"},
    {"AboutDialog", "", "About Morvane Lexel", "Über Morvane Lexel"},
    {"AboutDialog", "versionLine", "Morvane Lexel - Version 2.00", "Morvane Lexel - Version 2.00"},
    {"AboutDialog", "makerLine_3", "Austria", "Österreich"},
    {"AboutDialog", "closeButton", "&Close", "&Schließen"},
    {"AboutDialog", "aboutQtButton", "About &Qt", "Über &Qt"},
    {"StatisticsDialog", "", "Morvane Lexel High Scores", "Morvane Lexel High Scores"},
    {"StatisticsDialog", "tab0:statisticsPages", "High Scores", "High Scores"},
    {"StatisticsDialog", "tab1:statisticsPages", "History", "Verlauf"},
    {"StatisticsDialog", "header2:highScoreTable", "Score", "Punkte"},
    {"StatisticsDialog", "closeButton", "&Close", "&Schließen"},
    {"StatisticsDialog", "resetButton", "&Reset", "&Löschen"},
    {"StatisticsDialog", "helpButton", "&Help", "&Hilfe"},
    {"StatisticsDialog", "historyCloseButton", "&Close", "&Schließen"},
    {"AnagramWindow", "", "Morvane Lexel Anagrams", "Morvane Lexel Anagramme"},
    {"QuotationWindow", "", "Morvane Lexel", "Morvane Lexel"},
    {"QuotationWindow", "closeButton", "&Close", "&Close"},
};

// The keys of the window's commands, the same in both languages: the game's own first, then the
// desktop's. A key given to another command shows here too.
const char* const Keys =
    "newGameAction F2; Ctrl+N, dailyGameAction Ctrl+D, copyResultAction Ctrl+Shift+C, "
    "solveAction Ctrl+S, evaluateAction Return; Enter, hintAction F3, suggestAction F4, "
    "optionsAction F5, highScoresAction F6, reviewAction Ctrl+R, exitAction Ctrl+Q, "
    "resetToGrayAction Ctrl+G, saveAnalysisAction Ctrl+Y, zoomInAction Ctrl++; Ctrl+=, "
    "zoomOutAction Ctrl+-, normalSizeAction Ctrl+0, fullScreenAction F11; Alt+Enter, "
    "contentsAction F1, readLinesAction Ctrl+Up";

// Each command of `window` that has keys, and its keys.
QString KeysOf(QWidget& window) {
    QStringList commands;
    for (const auto* action : window.findChildren<QAction*>()) {
        if (!action->shortcuts().isEmpty()) {
            const auto keys = QKeySequence::listToString(action->shortcuts());
            commands << action->objectName() + u' ' + keys;
        }
    }
    return commands.join(QStringLiteral(", "));
}

QString Read(QWidget& window, const QString& control) {
    const QString name = control.section(u':', -1);
    if (name.isEmpty()) {
        return window.windowTitle();
    }
    auto* object = test::Child<QObject>(window, name);
    if (control.startsWith(u"header")) {
        return qobject_cast<QTableWidget*>(object)
            ->horizontalHeaderItem(control.mid(6, 1).toInt())
            ->text();
    }
    if (control.startsWith(u"tab")) {
        return qobject_cast<QTabWidget*>(object)->tabText(control.mid(3, 1).toInt());
    }
    if (control.startsWith(u"tooltip:")) {
        return object->property("toolTip").toString();
    }
    if (control.contains(u':')) {
        return test::Heard(object, control.startsWith(u"name:") ? QAccessible::Name
                                                                : QAccessible::Description);
    }
    return object->property(object->property("title").isValid() ? "title" : "text").toString();
}

} // namespace

class CaptionsTest : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionInBothLanguages() {
        test::MainWindowFixture f("E");
        auto& main = f.Start();
        test::Guess("ten"); // against the window "gar": E and N elsewhere in "garden"
        QCOMPARE(KeysOf(main), QLatin1String(Keys));
        for (const bool inGerman : {false, true}) {
            if (inGerman) {
                QTimer::singleShot(0, [] { // German, then OK in the options
                    auto& options = *QApplication::activeModalWidget();
                    test::Child<QAbstractButton>(options, "germanOption")->click();
                    test::Child<QAbstractButton>(options, "okButton")->click();
                });
                QTest::keyClick(&main, Qt::Key_F5);
            }
            Settings settings = DefaultSettings();
            OptionsDialog options(settings, f.store, f.boxes, f.help);
            LanguageDialog language;
            AboutDialog about([] { return std::string(); }, f.boxes);
            StatisticsDialog statistics(f.store, f.boxes, f.help, false);
            AnagramWindow anagram({"danger"}, "garden");
            QuotationWindow quotation(Quote{});
            QWidget* const windows[] = {&main,       &options, &language, &about,
                                        &statistics, &anagram, &quotation};
            for (const auto& [window, control, english, german] : Texts) {
                auto* const* shown =
                    std::ranges::find(windows, QString(window), &QObject::objectName);
                QCOMPARE(Read(**shown, QLatin1String(control)),
                         QString::fromUtf8(inGerman ? german : english));
            }
        }
    }

    // A text that counts takes the form its number asks for, in either language; none is
    // written for one only, so 21 reads as many. Of 21 games, 2 were won.
    void countedTextsInBothLanguages() {
        const std::tuple<const char*, int, const char*, const char*> counted[] = {
            {"E", 0, "You have won 0 out of 0 times.", "You scored 0 points."},
            {"E", 1, "You have won 0 out of 1 time (0%).", "You scored 1 point."},
            {"E", 21, "You have won 2 out of 21 times (10%).", "You scored 21 points."},
            {"D", 0, "0 von 0 Spielen gewonnen.", "0 Punkte wurden erzielt."},
            {"D", 1, "0 von 1 Spiel gewonnen (0%).", "1 Punkt wurde erzielt."},
            {"D", 21, "2 von 21 Spielen gewonnen (10%).", "21 Punkte wurden erzielt."},
        };
        for (const auto& [language, n, gamesWon, score] : counted) {
            test::WindowFixture f(language);
            f.store.WriteOption("GamesPlayed", std::to_string(n));
            f.store.WriteOption("GamesWon", std::to_string(n / 10));
            StatisticsDialog statistics(f.store, f.boxes, f.help, false);
            QCOMPARE(Read(statistics, QStringLiteral("gamesWonLine")) + u'|' +
                         GameMessages::ScoreLine(n),
                     QString::fromUtf8(gamesWon) + u'|' + QString::fromUtf8(score));
        }
    }

    // The game's messages as the German player reads them.
    void theGamesMessagesInGerman() {
        test::WindowFixture f("D");
        const std::pair<QString, const char*> messages[] = {
            {GameMessages::AbortQuestion(), "Dieses Spiel wirklich abbrechen?"},
            {GameMessages::Reveal("GARDEN"), "Das gesuchte Wort war 'GARDEN'."},
            {GameMessages::NotAWordRefused("XYZ"),
             "'XYZ' ist kein gültiges englisches Wort. Damit ungültige 'Wörter' akzeptiert "
             "werden, muß Mogeln (in Einstellungen) aktiviert sein."},
            {GameMessages::NotAWordQuestion("XYZ"),
             "'XYZ' ist kein gültiges englisches Wort.\nSoll es trotzdem akzeptiert werden?"},
            {GameMessages::WrongSolution(), "Diese Lösung ist leider falsch. Bitte weiterspielen!"},
            {GameMessages::WonEarly(), "Toll!  Das gesuchte Wort wurde vorzeitig gefunden."},
            {GameMessages::Lost("GARDEN"), "Diese Lösung ist leider falsch. Das geheime Wort war "
                                           "'GARDEN'.  Viel Glück beim nächsten Spiel!"},
            {GameMessages::WonOnLastLine(),
             "Herzlichen Glückwunsch!  Das gesuchte Wort wurde erraten."},
            {GameMessages::NoMatchingWord(), "Kein passendes Wort gefunden."},
            {GameMessages::NoOtherWord(),
             "Kein anderes Wort passt in diese Zeile. Dieser Vorschlag kostet nichts."},
        };
        for (const auto& [shown, german] : messages) {
            QCOMPARE(shown, QString::fromUtf8(german));
        }
    }
};

QTEST_MAIN(CaptionsTest)
#include "CaptionsTest.moc"
