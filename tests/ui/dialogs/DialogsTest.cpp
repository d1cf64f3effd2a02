// The dialogs as the player meets them: what each shows of the stored data, what its controls
// do, its ways out and that its layout is sound. Their captions are in the captions test.

#include "core/history/GameHistory.h"
#include "core/settings/HighScores.h"
#include "support/WindowFixture.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/AnagramWindow.h"
#include "ui/dialogs/CoachRunner.h"
#include "ui/dialogs/CoachView.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/QuotationWindow.h"
#include "ui/dialogs/ReviewDialog.h"
#include "ui/dialogs/ReviewNumbers.h"
#include "ui/dialogs/StatisticsDialog.h"
#include "ui/main/Startup.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>

using namespace lexel;
using test::Child;
using test::Click;
using test::Show;

namespace {

// What a write the file refuses tells the German player.
const QString RefusedInGerman =
    QString::fromUtf8("Lexel konnte nicht in seine Datenbank schreiben:\ndisk I/O error\nEs wurde "
                      "nichts geändert; Sie können es noch einmal versuchen.");

QString Text(QWidget& window, const QString& name) {
    return Child<QLabel>(window, name)->text();
}

// The anagram window after a win with `word`, over the anagrams `words`.
struct Anagrams : test::WindowFixture {
    Anagrams(const std::vector<const char*>& words, const char* word = "garden")
        : WindowFixture("E"), window({words.begin(), words.end()}, word) {}
    // A row as the player sees it, "." where no letter is; row -1 is the word's own row.
    QString Row(int row) {
        QString shown;
        for (int i = 0; i < 6; ++i) {
            const auto* cell =
                Child<QLabel>(window, row < 0 ? QStringLiteral("wordCell_%1").arg(i)
                                              : QStringLiteral("anagramCell_%1").arg(6 * row + i));
            shown += cell->isHidden() ? QStringLiteral(".") : cell->text();
        }
        return shown;
    }
    void PlayTick() {
        while (window.Step()) {
        }
    }

    AnagramWindow window;
};

// A game for the coach over `count` made-up words of a five-letter alphabet, with every word of
// three letters to weigh on line 1; garden and bobbin first.
CoachGame MadeUpGame(int count) {
    CoachGame game;
    game.words = {"garden", "bobbin"};
    for (int i = 0; static_cast<int>(game.words.size()) < count; ++i) {
        std::string word;
        for (int k = i, n = 0; n < 6; ++n, k /= 5) {
            word += "aeinr"[k % 5];
        }
        game.words.push_back(word);
    }
    game.guesses[0] = {"abc", "pan", "ten"};
    for (int i = 0; count > 2 && i < 26 * 26 * 26; ++i) {
        game.guesses[0].push_back(
            {char('a' + i / 676), char('a' + i / 26 % 26), char('a' + i % 26)});
    }
    game.lines = {{0, "abc", {0, 1}}};
    game.knownBefore.assign(1, KnownLetters{});
    return game;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    // After a win the review adds up the score's parts, and the coach fills in later; a game
    // not won has no parts to add up.
    void theReviewAddsUpTheScoreAndFillsInTheCoach() {
        for (const std::string language : {"E", "D"}) {
            test::WindowFixture f(language);
            const ScoreInput win{.lines = {{{0, 1}}},
                                 .solvedEarly = true,
                                 .currentLine = 1,
                                 .aids = {.hints = 1},
                                 .elapsedSeconds = 90};
            ReviewDialog window({}, win, MadeUpGame(2), nullptr);
            QSignalSpy filled(Child<CoachView>(window, "reviewCoach"), &CoachView::finished);
            Show(window);
            QTRY_COMPARE_WITH_TIMEOUT(filled.count(), 1, 5000);
            QCOMPARE(Text(window, "scoreTotal"), ReviewLocale().toString(ComputeScore(win)));
            QCOMPARE(Text(window, "scoreEarlySolve"),
                     QString::fromLatin1(language == "E" ? "90,000" : "90.000"));
            QVERIFY(window.findChild<QLabel*>("scoreLimit") == nullptr);
            const auto coach = Text(window, "reviewCoach");
            QVERIFY2(coach.contains(QStringLiteral(" (ABC): ")) &&
                         coach.contains(QStringLiteral(" PAN: ")),
                     qPrintable(coach));
        }
        ReviewDialog lost({}, std::nullopt, MadeUpGame(2), nullptr);
        QVERIFY(lost.findChild<QWidget*>("scoreParts") == nullptr);
    }

    // The code, typed as a player would on the button (it has the focus), shows the hidden word:
    // in capitals only, each code afresh; a wrong key blocks it until Backspace. The keys
    // still reach the box, so Esc closes it.
    void theAboutBoxRevealsTheWordToItsCode() {
        const QString code = QStringLiteral("ZBEINARXRRCFVGFFRPERGFJRYY");
        // The hidden word ("" before any game), what is typed, and how many boxes it brings.
        const std::tuple<const char*, QString, std::size_t> cases[] = {
            {"garden", code + code, 2},
            {"garden", code.toLower(), 0},
            {"garden", code.left(9) + "!" + code, 0},
            {"garden", "!\b" + code, 1},
            {"", code, 0}};
        for (const auto& [word, typed, revealed] : cases) {
            test::WindowFixture f("E");
            AboutDialog about([word] { return std::string(word); }, f.boxes);
            Show(about);
            auto* button = Child<QPushButton>(about, "closeButton");
            QTest::keyClicks(button, typed);
            QCOMPARE(f.boxes.shown.size(), revealed);
            QVERIFY(std::ranges::all_of(f.boxes.shown, [](auto& m) { return m.text == "GARDEN"; }));
            QCOMPARE(test::LayoutFault(about), QString());
            QTest::keyClick(button, Qt::Key_Escape);
            QVERIFY(!about.isVisible());
        }
    }

    // Each letter goes down on its own step to the first place still free in the anagram, or
    // nowhere when the record has no place for it; then the word's row comes back.
    void anagramLettersFindTheirPlaces() {
        // The word, its anagram, its row and the anagram's after the first step and after the tick.
        const char* const cases[][4] = {{"garden", "danger", ".ARDEN ...G..", "GARDEN DANGER"},
                                        {"rescue", "secure", ".ESCUE ....R.", "RESCUE SECURE"},
                                        {"garden", "tender", ".ARDEN ......", "GARDEN .END.R"}};
        for (const auto& [word, anagram, first, shown] : cases) {
            Anagrams a({anagram}, word);
            QVERIFY(a.window.Step());
            QCOMPARE(a.Row(-1) + ' ' + a.Row(0), QLatin1String(first));
            a.PlayTick();
            QCOMPARE(a.Row(-1) + ' ' + a.Row(0), QLatin1String(shown));
        }
    }

    // Six rows of seven anagrams, each in the window; the tick after the sixth closes it, and
    // the seventh is never read. Esc ends the animation at once. The real timers drive the same
    // steps: one anagram, a tick to draw it, one to close.
    void theAnagramWindowShowsSixRowsThenCloses() {
        const std::vector<const char*> words{"caster", "caters", "reacts", "recast",
                                             "traces", "carets", "cartes"};
        Anagrams a(words, "crates");
        QSignalSpy accepted(&a.window, &QDialog::accepted);
        for (int row = 0; row < 6; ++row) {
            a.PlayTick();
            QCOMPARE(a.Row(row), QString(words[row]).toUpper());
        }
        QCOMPARE(test::LayoutFault(a.window), QString());
        QVERIFY(a.window.Step()); // the last pause before closing
        QVERIFY(!a.window.Step() && accepted.count() == 1);

        Anagrams b({"danger"});
        Show(b.window);
        QTest::keyClick(&b.window, Qt::Key_Escape);
        QVERIFY(!b.window.isVisible() && !b.window.Step());
        QCOMPARE(b.window.cursor().shape(), Qt::ArrowCursor);

        Anagrams c({"danger"});
        c.window.SpeedUp(100);
        QTimer::singleShot(10000, &c.window, &QDialog::reject); // only if it hangs
        QCOMPARE(c.window.exec(), int(QDialog::Accepted));
        QCOMPARE(c.Row(0), QStringLiteral("DANGER"));
    }

    // Every topic opens at its heading, under the window's caption, in the language of the
    // moment, and its links lead to the other topics; a missing help file is said.
    void theHelpInBothLanguages() {
        const std::tuple<HelpTopic, const char*, const char*> topics[] = {
            {HelpTopic::Game, "Morvane Lexel: the game and its rules",
             "Morvane Lexel: Das Spiel und seine Regeln"},
            {HelpTopic::Statistics, "High scores and statistics", "High Scores und Statistik"},
            {HelpTopic::Playing, "Playing Morvane Lexel", "So wird gespielt"},
            {HelpTopic::Options, "Options", "Einstellungen"},
        };
        test::WindowFixture f("E");
        HelpFiles help(LEXEL_HELP_DIR, f.languageSwitch, f.boxes);
        for (const auto& [language, caption] :
             {std::pair{"E", "Morvane Lexel Help"}, {"D", "Hilfe zu Morvane Lexel"}}) {
            f.languageSwitch.Apply(test::LanguageOf(language));
            for (const auto& [topic, english, german] : topics) {
                QTimer::singleShot(0, [&] {
                    auto* viewer = qobject_cast<HelpViewer*>(QApplication::activeModalWidget());
                    QVERIFY(viewer != nullptr);
                    const auto close = qScopeGuard([viewer] { viewer->reject(); });
                    auto* browser = viewer->browser();
                    const auto heading = browser->document()->toPlainText().section(u'\n', 0, 0);
                    QCOMPARE(viewer->windowTitle() + ": " + heading.trimmed(),
                             QString(caption) + ": " + (*language == 'D' ? german : english));
                    for (int other = 2; other <= 4 && topic == HelpTopic::Game; ++other) {
                        const auto link = QStringLiteral("topic%1.html").arg(other);
                        QVERIFY(browser->toHtml().contains(link));
                        // What a click on the link does: the target relative to the page shown.
                        browser->setSource(browser->source().resolved(QUrl(link)));
                        QCOMPARE(browser->source().path(),
                                 QStringLiteral("/help/%1/%2").arg(language, link));
                        QVERIFY(browser->document()->toPlainText().size() > 500);
                        browser->setSource(browser->source().resolved(QUrl("topic1.html")));
                    }
                });
                help.ShowTopic(topic);
            }
        }
        QVERIFY(f.boxes.shown.empty());
        HelpFiles missing(f.dir.path(), f.languageSwitch, f.boxes);
        missing.ShowTopic(HelpTopic::Options);
        QCOMPARE(f.boxes.shown.at(0).text,
                 QStringLiteral("Die Hilfedatei Lexel_D.rcc konnte nicht geöffnet werden."));
    }

    // The first start asks, the system's language preselected (German or else English); Enter
    // confirms the choice and stores it. Esc means English this time and asks again at the next
    // start. A choice the file refuses is told in the language chosen, which serves this run.
    void theFirstStartAsksForTheLanguage() {
        for (const char* locale : {"de", "de_DE.UTF-8", "de_AT", "de@euro"}) {
            QVERIFY(LanguageOfLocale(locale) == InterfaceLanguage::German);
        }
        for (const char* locale : {"C", "C.UTF-8", "en_US.UTF-8", "dsb_DE", ""}) {
            QVERIFY(LanguageOfLocale(locale) == InterfaceLanguage::English);
        }
        for (const auto& [enter, refused] :
             {std::pair{true, false}, {false, false}, {true, true}}) {
            test::WindowFixture f("E");
            if (refused) {
                f.RefuseWrites();
            }
            bool preselected = false;
            QTimer::singleShot(0, [&] {
                auto& window = *QApplication::activeModalWidget();
                QTimer::singleShot(100, &window, &QWidget::close); // should the way fail
                const bool systemGerman =
                    LanguageOfLocale(QLocale::system().name().toStdString()) ==
                    InterfaceLanguage::German;
                preselected =
                    Child<QRadioButton>(window, systemGerman ? "germanOption" : "englishOption")
                        ->isChecked();
                QCOMPARE(test::LayoutFault(window), QString());
                auto* german = Child<QRadioButton>(window, "germanOption");
                german->click();
                QTest::keyClick(german, enter ? Qt::Key_Return : Qt::Key_Escape);
            });
            const auto chosen = enter ? InterfaceLanguage::German : InterfaceLanguage::English;
            QCOMPARE(ChooseLanguage(f.store, f.boxes, f.languageSwitch), chosen);
            QVERIFY(preselected);
            const bool stored = enter && !refused;
            QCOMPARE(f.Stored("Language"), std::string(stored ? "D" : ""));
            QCOMPARE(f.boxes.shown.empty() ? QString() : f.boxes.shown[0].text,
                     refused ? RefusedInGerman : QString());
            test::ModalCloser modals; // the next start: closing the question means English
            QCOMPARE(ChooseLanguage(f.store, f.boxes, f.languageSwitch),
                     stored ? InterfaceLanguage::German : InterfaceLanguage::English);
            QCOMPARE(modals.seen, stored ? QStringList() : QStringList{"LanguageDialog"});
        }
    }

    // Beginner has no easier words to add, Expert and Guru no cheating: the window shows only
    // what the level allows, as it opens and as a level is clicked, and OK takes what it shows.
    void eachLevelShowsWhatItAllows() {
        // The level opened, the one clicked (none) and the one chosen; whether the groups of the
        // word selection and of cheating show; whether cheating is taken.
        const std::tuple<Level, const char*, Level, bool, bool, bool> cases[] = {
            {Level::Advanced, "levelBeginner", Level::Beginner, false, true, true},
            {Level::Advanced, "levelExpert", Level::Expert, true, false, false},
            {Level::Beginner, nullptr, Level::Beginner, false, true, true},
            {Level::Guru, "levelAdvanced", Level::Advanced, true, true, false},
        };
        for (const auto& [opened, clicked, chosen, wordsShown, cheatShown, cheating] : cases) {
            test::WindowFixture f("E");
            Settings settings{InterfaceLanguage::English, opened, true, true, true, true};
            OptionsDialog dialog(settings, f.store, f.boxes, f.help);
            dialog.show();
            if (clicked != nullptr) {
                Click(dialog, clicked);
            }
            QCOMPARE(!Child<QWidget>(dialog, "wordSelectionGroup")->isHidden(), wordsShown);
            QCOMPARE(!Child<QWidget>(dialog, "cheatingGroup")->isHidden(), cheatShown);
            QCOMPARE(test::LayoutFault(dialog), QString());
            Click(dialog, "okButton");
            QCOMPARE(std::pair(settings.level, settings.cheating), std::pair(chosen, cheating));
            QVERIFY(settings.onlyThisLevel); // taken even where the level hides it
        }
    }

    // OK takes the choice until the program ends, Save also stores it, Cancel and Esc keep
    // everything; Defaults only sets the controls. Enter is no way out; F1 and Help help. A Save
    // the file refuses is told and leaves the window open with what it held.
    void whatEachWayOutOfTheOptionsKeepsAndStores() {
        const Settings opened{InterfaceLanguage::English, Level::Beginner, true, true, true, false};
        const Settings chosen{InterfaceLanguage::German, Level::Expert, false, false, false, true};
        // Whether Defaults is clicked, the way out (nullptr: Esc), what is kept, whether stored,
        // whether the file refuses the write.
        const std::tuple<bool, const char*, Settings, bool, bool> cases[] = {
            {false, "okButton", chosen, false, false},
            {false, "saveButton", chosen, true, false},
            {false, "cancelButton", opened, false, false},
            {false, nullptr, opened, false, false},
            {true, "okButton", DefaultSettings(), false, false},
            {false, "saveButton", opened, false, true},
        };
        for (const auto& [defaults, button, kept, stored, refused] : cases) {
            test::WindowFixture f("E");
            const Settings before = ReadSettings(f.store);
            if (refused) {
                f.RefuseWrites();
            }
            Settings settings = opened;
            OptionsDialog dialog(settings, f.store, f.boxes, f.help);
            Show(dialog);
            for (const char* control : {"levelExpert", "easierLevelWords", "coloringCheck",
                                        "timerCheck", "germanOption"}) {
                Click(dialog, control);
            }
            if (defaults) {
                Click(dialog, "defaultsButton");
            }
            QTest::keyClick(&dialog, Qt::Key_Return);
            QTest::keyClick(&dialog, Qt::Key_F1);
            Click(dialog, "helpButton");
            QVERIFY(dialog.isVisible());
            QCOMPARE(f.help.topics, (std::vector{HelpTopic::Options, HelpTopic::Options}));
            if (button) {
                Click(dialog, button);
            } else {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            }
            QCOMPARE(dialog.isVisible(), refused);
            QCOMPARE(f.boxes.shown.size(), std::size_t{refused});
            QCOMPARE(settings, kept);
            QCOMPARE(ReadSettings(f.store), stored ? kept : before);
        }
    }

    // The stored texts are shown as they are, markup and all, and all of them: a heading too
    // long for one line wraps, a long text grows the window, and one taller than the screen
    // scrolls, its button in reach. Enter is no way out; the button and Esc are.
    void theQuotationWindowFitsTheQuotationAsStored() {
        const QString words = QStringLiteral("Every word of this quotation takes room. ");
        const Quote quotes[] = {
            {"<b>A heading</b> far too long to fit on a single line of this window at all",
             "a &amp; <i>b</i>", "<u>Who</u>"},
            {"Length", words.repeated(20).toStdString(), "A Writer"},
            {"Length", words.repeated(2000).toStdString(), "A Writer"},
        };
        for (const auto& quote : quotes) {
            test::WindowFixture f("E");
            QuotationWindow window(quote);
            for (const auto& [name, stored] : {std::pair{"heading", quote.Title},
                                               {"text", quote.Text},
                                               {"source", quote.Source}}) {
                auto* label = Child<QLabel>(window, name);
                QCOMPARE(label->text(), QString::fromStdString(stored));
                QCOMPARE(label->textFormat(), Qt::PlainText);
                QVERIFY2(label->height() >= label->heightForWidth(label->width()), name);
            }
            const bool scrolls = window.findChild<QWidget*>("textScroller") != nullptr;
            QCOMPARE(scrolls, quote.Text.size() > 10000);
            QCOMPARE(test::LayoutFault(window), QString());
            QVERIFY(window.height() <= window.screen()->availableGeometry().height());
            Show(window);
            QTest::keyClick(&window, Qt::Key_Return);
            QVERIFY(window.isVisible());
            if (scrolls) {
                QTest::keyClick(&window, Qt::Key_Escape);
            } else {
                Click(window, "closeButton");
            }
            QVERIFY(!window.isVisible());
        }
    }

    // The games-won line shows the stored counts as they are; each rank its stored word and score
    // as plain text, the new entry marked by its rank. The History page shows the stored rows as a
    // screen reader hears the charts. Then, in German: F1 and Help help; Reset asks, No
    // preselected; Esc closes without asking; a reset the file refuses is told and keeps every
    // row and the window; a running game that was counted stays counted, with its history row.
    void theStatisticsAsStoredAndTheirReset() {
        test::WindowFixture f("E");
        f.store.WriteOption("GamesWon", "lots");
        f.store.WriteOption("GamesPlayed", "%2");
        const char* const stored[] = {"GARDEN900", "PLANET500", "<b>X</b>99", "PLANET500"};
        for (int i = 0; i < 4; ++i) {
            f.store.WriteOption(HighScoreKey(i + 1), stored[i]);
        }
        for (const auto& [level, line, outcome, score] :
             {std::tuple{Level::Advanced, 9, Outcome::Won, 300500},
              {Level::Advanced, 3, Outcome::Won, 250000},
              {Level::Guru, 9, Outcome::Lost, 3400},
              {Level::Beginner, 9, Outcome::Won, 280000},
              {Level::Advanced, 2, Outcome::GivenUp, 200}}) {
            GameHistory(f.db).Add(
                {"2024-06-11T14:03:05", level, "garden", line, outcome, 0, score, 0, 0, false});
        }
        StatisticsDialog window(f.store, f.boxes, f.help, true);
        window.HighLight(4);
        // A screen reader meets a table with headers: rank, word and score, "*" after the row
        // highlighted.
        auto* table =
            QAccessible::queryAccessibleInterface(Child<QWidget>(window, "highScoreTable"))
                ->tableInterface();
        QVERIFY(table != nullptr);
        QStringList shown;
        for (int row = -1; row < 5; ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column) {
                cells << (row < 0 ? table->columnDescription(column)
                                  : table->cellAt(row, column)->text(QAccessible::Name));
            }
            const auto* word = Child<QTableWidget>(window, "highScoreTable")->item(row, 1);
            shown << cells.join(u' ') + (word && word->font().bold() ? "*" : "");
        }
        QCOMPARE(shown, QStringList({"Rank Word Score", "1 GARDEN 900", "2 PLANET 500",
                                     "3 <b>X</ b>99", "4 PLANET 500*", "5 ?????? 0"}));
        QCOMPARE(test::LayoutFault(*Child<QWidget>(window, "highScoresPage")), QString());
        QCOMPARE(QStringList({Text(window, "gamesWonLine"), Text(window, "currentStreakLine"),
                              Text(window, "bestStreakLine"), Text(window, "earlyWinsLine")}),
                 QStringList({"You have won lots out of %2 times.", "Current winning streak: 0",
                              "Best winning streak: 2", "Of these, won ahead of time: 1"}));
        QCOMPARE(Child<QWidget>(window, "winsByLineChart")->accessibleDescription(),
                 QStringLiteral("Games won by line: line 1: 0, line 2: 0, line 3: 1, line 4: 0, "
                                "line 5: 0, line 6: 0, line 7: 0, line 8: 0, line 9: 2, won ahead "
                                "of time: 1"));
        QCOMPARE(Child<QWidget>(window, "recentScoresChart")->accessibleDescription(),
                 QStringLiteral("Oldest first. Beginner: 280000; Advanced: 300500, 250000, 200; "
                                "Expert: no games; Guru: 3400"));

        f.languageSwitch.Apply(InterfaceLanguage::German);
        Show(window);
        QTest::keyClick(&window, Qt::Key_F1);
        Click(window, "helpButton");
        QCOMPARE(f.help.topics, (std::vector{HelpTopic::Statistics, HelpTopic::Statistics}));
        f.boxes.answers = {MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::Yes};
        Click(window, "resetButton");
        const auto& question = f.boxes.shown.at(0);
        QCOMPARE(question.text, QStringLiteral("High Scores wirklich löschen?"));
        QVERIFY(question.buttons == MessageButtons::YesNo &&
                question.defaultAnswer == MessageAnswer::No);
        QCOMPARE(f.Stored("GamesPlayed") + f.Stored("HighScore1"), std::string("%2GARDEN900"));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible() && f.boxes.shown.size() == 1);
        Show(window);
        const auto rows = f.OptionRows();
        f.RefuseWrites();
        Click(window, "resetButton");
        QVERIFY(window.isVisible() && f.OptionRows() == rows);
        QCOMPARE(f.boxes.shown.back().text, RefusedInGerman);
        f.db.Execute("DROP TRIGGER refuse");
        Click(window, "resetButton");
        QVERIFY(!window.isVisible());
        QCOMPARE(f.Stored("GamesPlayed") + f.Stored("HighScore1"), std::string("1??????0"));
    }

    // A coach left behind ends before its runner is gone: a thread running on would weigh
    // words for the window that closed, and hand them to it.
    void theCoachStopsAndEndsWithItsRunner() {
        auto held = std::make_shared<int>(0);
        QObject receiver;
        {
            CoachRunner runner(MadeUpGame(3000), &receiver,
                               [held](const std::vector<LineAdvice>&) { ++*held; });
        }
        QCOMPARE(held.use_count(), 1L); // the thread's copy went with it
        QCoreApplication::processEvents();
        QCOMPARE(*held, 0);
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
