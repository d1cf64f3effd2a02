#include "ui/dialogs/OptionsDialog.h"

#include "core/settings/Settings.h"
#include "support/WindowFixture.h"
#include "ui/dialogs/SetOptions.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace lexel;
using test::Child;

namespace {

struct Caption {
    const char* control;
    const char* english;
    const char* german;
};

const Caption Captions[] = {
    {"levelGroup", "Difficulty Level", "Schwierigkeit"},
    {"levelBeginner", "&Beginner", "A&nfänger"},
    {"levelAdvanced", "&Advanced", "Fo&rtgeschrittener"},
    {"levelExpert", "&Expert", "&Experte"},
    {"levelGuru", "&Guru", "&Guru"},
    {"wordSelectionGroup", "Word Selection", "Wortauswahl"},
    {"onlyLevelWords", "O&nly use words of selected level",
     "N&ur Wörter der gewählten Schwierigkeit"},
    {"easierLevelWords", "A&lso use words of easier levels",
     "Au&ch Wörter niedrigerer Schwierigkeit"},
    {"cheatingGroup", "Cheating", "Mogeln"},
    {"cheatingCheck", "Allows you to use 'words' that do not e&xist",
     "Eingaben müssen keine &Wörter sein"},
    {"coloringGroup", "Automatic coloring", "Automatische Färbung"},
    {"coloringCheck", "Automatically set the bac&kground color to red or green where appropriate",
     "Hintergrundfarben automatisch auf rot bzw. grün set&zen"},
    {"timeGroup", "Time", "Zeit"},
    {"timerCheck", "Kee&p track of used time", "&Verbrauchte Zeit anzeigen"},
    {"languageGroup", "User Interface", "Benutzeroberfläche"},
    {"englishOption", "Engl&ish", "Eng&lisch"},
    {"germanOption", "Ge&rman", "Deu&tsch"},
    {"okButton", "&OK", "&OK"},
    {"cancelButton", "&Cancel", "&Abbrechen"},
    {"saveButton", "&Save", "&Sichern"},
    {"defaultsButton", "&Defaults", "Stan&dard"},
    {"helpButton", "&Help", "&Hilfe"},
};

QString CaptionOf(QWidget& window, const char* name) {
    auto* child = Child<QWidget>(window, QString::fromLatin1(name));
    if (auto* frame = qobject_cast<QGroupBox*>(child)) {
        return frame->title();
    }
    return qobject_cast<QAbstractButton*>(child)->text();
}

bool Shown(QWidget& window, const char* name) {
    return !Child<QWidget>(window, QString::fromLatin1(name))->isHidden();
}

bool Checked(QWidget& window, const char* name) {
    return Child<QAbstractButton>(window, QString::fromLatin1(name))->isChecked();
}

// Clicks near the left edge: an option or check box answers only on its box and caption.
void Click(QWidget& window, const char* name) {
    auto* button = Child<QAbstractButton>(window, QString::fromLatin1(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void captionsInBothLanguages() {
        for (const bool german : {false, true}) {
            test::WindowFixture f(german ? "D" : "E");
            Settings settings = DefaultSettings();
            OptionsDialog dialog(settings, f.store, f.help);
            QCOMPARE(dialog.windowTitle(), german ? QStringLiteral("Morvane Lexel Einstellungen")
                                                  : QStringLiteral("Morvane Lexel Options"));
            for (const auto& c : Captions) {
                QCOMPARE(CaptionOf(dialog, c.control),
                         QString::fromUtf8(german ? c.german : c.english));
            }
        }
    }

    // Beginner has no easier words to add, Expert and Guru no cheating: the window shows only
    // what the level allows, as it opens and as a level is clicked, and OK takes what it shows.
    void eachLevelShowsWhatItAllows() {
        const struct {
            Level opened;
            const char* clicked;
            Level chosen;
            bool wordSelectionShown;
            bool cheatingShown;
            bool cheating;
        } cases[] = {
            {Level::Advanced, "levelBeginner", Level::Beginner, false, true, true},
            {Level::Advanced, "levelExpert", Level::Expert, true, false, false},
            {Level::Beginner, "levelGuru", Level::Guru, true, false, false},
            {Level::Beginner, nullptr, Level::Beginner, false, true, true},
            {Level::Expert, nullptr, Level::Expert, true, false, false},
            {Level::Guru, "levelAdvanced", Level::Advanced, true, true, false},
        };
        for (const auto& c : cases) {
            test::WindowFixture f("E");
            Settings settings{InterfaceLanguage::English, c.opened, true, true, true, true};
            OptionsDialog dialog(settings, f.store, f.help);
            dialog.show();
            if (c.clicked != nullptr) {
                Click(dialog, c.clicked);
            }
            QCOMPARE(Shown(dialog, "wordSelectionGroup"), c.wordSelectionShown);
            QCOMPARE(Shown(dialog, "cheatingGroup"), c.cheatingShown);
            QCOMPARE(Checked(dialog, "cheatingCheck"), c.cheating);
            Click(dialog, "okButton");
            QCOMPARE(settings.level, c.chosen);
            QCOMPARE(settings.cheating, c.cheating);
            QVERIFY(settings.onlyThisLevel); // taken even where the level hides it
        }
    }

    // OK takes the choice until the program ends, Save also stores all six rows, Cancel keeps
    // everything; Defaults only sets the controls.
    void whatEachButtonKeepsAndStores() {
        const Settings opened{InterfaceLanguage::English, Level::Beginner, true, true, true, false};
        const Settings chosen{InterfaceLanguage::German, Level::Expert, false, false, false, true};
        const QStringList unstored{"2", "N", "N", "Y", "Y", ""};
        const struct {
            bool defaults;
            const char* button;
            Settings kept;
            QStringList stored; // Class, Only, Cheating, Colors, Timer, Language
        } cases[] = {
            {false, "okButton", chosen, unstored},
            {false, "saveButton", chosen, {"3", "N", "N", "N", "Y", "D"}},
            {false, "cancelButton", opened, unstored},
            {true, "okButton", DefaultSettings(), unstored},
        };
        for (const auto& c : cases) {
            test::WindowFixture f("E");
            Settings settings = opened;
            OptionsDialog dialog(settings, f.store, f.help);
            for (const char* control : {"levelExpert", "easierLevelWords", "coloringCheck",
                                        "timerCheck", "germanOption"}) {
                Click(dialog, control);
            }
            if (c.defaults) {
                Click(dialog, "defaultsButton");
            }
            Click(dialog, c.button);
            QCOMPARE(settings, c.kept);
            QStringList stored;
            for (const char* row : {"Class", "Only", "Cheating", "Colors", "Timer", "Language"}) {
                stored.append(QString::fromStdString(f.Stored(row)));
            }
            QCOMPARE(stored, c.stored);
        }
    }

    void keysEscCancelsEnterDoesNothingF1Helps() {
        test::WindowFixture f("E");
        Settings settings = DefaultSettings();
        OptionsDialog dialog(settings, f.store, f.help);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Click(dialog, "levelGuru");
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_F1);
        Click(dialog, "helpButton");
        QCOMPARE(f.help.topics, (std::vector<HelpTopic>{HelpTopic::Options, HelpTopic::Options}));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(settings, DefaultSettings());
    }

    void setOptionsSwitchesTheLanguageAfterOk() {
        test::WindowFixture f("E");
        Settings settings = DefaultSettings();
        const auto answerDialog = [](const char* language, const char* button) {
            QTimer::singleShot(0, [=] {
                auto* dialog = QApplication::activeModalWidget();
                QVERIFY(dialog != nullptr);
                Click(*dialog, language);
                Click(*dialog, button);
            });
        };
        answerDialog("germanOption", "cancelButton");
        QVERIFY(!SetOptions(nullptr, settings, f.store, f.help, f.languageSwitch));
        QVERIFY(!f.languageSwitch.IsGerman());

        answerDialog("germanOption", "okButton");
        QVERIFY(SetOptions(nullptr, settings, f.store, f.help, f.languageSwitch));
        QVERIFY(f.languageSwitch.IsGerman());
        QCOMPARE(QCoreApplication::translate("lexel::OptionsDialog", "&Cancel"),
                 QStringLiteral("&Abbrechen"));
        QCOMPARE(f.Stored("Language"), std::string("")); // OK stores nothing

        answerDialog("germanOption", "okButton"); // unchanged: nothing to re-caption
        QVERIFY(!SetOptions(nullptr, settings, f.store, f.help, f.languageSwitch));
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
