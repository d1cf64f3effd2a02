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

    void levelClickShowsWhatTheLevelAllows() {
        test::WindowFixture f("E");
        Settings settings = DefaultSettings();
        settings.Cheating = true;
        OptionsDialog dialog(settings, f.store, f.help);
        dialog.show();
        QVERIFY(Checked(dialog, "levelAdvanced"));
        QVERIFY(Shown(dialog, "wordSelectionGroup") && Shown(dialog, "cheatingGroup"));
        QVERIFY(Checked(dialog, "cheatingCheck"));

        Click(dialog, "levelBeginner");
        QVERIFY(!Shown(dialog, "wordSelectionGroup"));
        QVERIFY(Shown(dialog, "cheatingGroup"));
        QVERIFY(Checked(dialog, "cheatingCheck"));

        Click(dialog, "levelGuru");
        QVERIFY(Shown(dialog, "wordSelectionGroup"));
        QVERIFY(!Shown(dialog, "cheatingGroup"));
        QVERIFY(!Checked(dialog, "cheatingCheck"));
        Click(dialog, "okButton");
        QCOMPARE(settings.Class, Level::Guru);
        QVERIFY(!settings.Cheating);
    }

    void storedExpertWithCheatingOpensWithoutCheating() {
        test::WindowFixture f("E");
        Settings settings{InterfaceLanguage::English, Level::Expert, false, true, true, true};
        OptionsDialog dialog(settings, f.store, f.help);
        QVERIFY(!Shown(dialog, "cheatingGroup"));
        QVERIFY(!Checked(dialog, "cheatingCheck"));
        Click(dialog, "okButton");
        QVERIFY(!settings.Cheating);
    }

    void beginnerStillTakesTheWordSelection() {
        test::WindowFixture f("E");
        Settings settings = DefaultSettings();
        OptionsDialog dialog(settings, f.store, f.help);
        Click(dialog, "onlyLevelWords");
        Click(dialog, "levelBeginner");
        Click(dialog, "okButton");
        QCOMPARE(settings.Class, Level::Beginner);
        QVERIFY(settings.Only);
    }

    void okAppliesSaveAlsoWritesCancelKeeps() {
        test::WindowFixture f("E");
        const Settings original{
            InterfaceLanguage::English, Level::Advanced, false, false, true, true};
        f.store.WriteOption("Timer", "y"); // reads as on; Save rewrites it all the same
        Settings settings = original;
        {
            OptionsDialog dialog(settings, f.store, f.help);
            Click(dialog, "levelExpert");
            Click(dialog, "germanOption");
            Click(dialog, "okButton");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        const Settings chosen{InterfaceLanguage::German, Level::Expert, false, false, true, true};
        QCOMPARE(settings, chosen);
        QCOMPARE(f.Stored("Class"), std::string("2"));
        QCOMPARE(f.Stored("Language"), std::string(""));

        {
            OptionsDialog dialog(settings, f.store, f.help);
            Click(dialog, "coloringCheck");
            Click(dialog, "saveButton");
        }
        QVERIFY(!settings.Colors);
        QCOMPARE(f.Stored("Class"), std::string("3"));
        QCOMPARE(f.Stored("Only"), std::string("N"));
        QCOMPARE(f.Stored("Cheating"), std::string("N"));
        QCOMPARE(f.Stored("Colors"), std::string("N"));
        QCOMPARE(f.Stored("Timer"), std::string("Y"));
        QCOMPARE(f.Stored("Language"), std::string("D"));

        const Settings saved = settings;
        {
            OptionsDialog dialog(settings, f.store, f.help);
            Click(dialog, "defaultsButton");
            QVERIFY(Checked(dialog, "levelAdvanced") && Checked(dialog, "easierLevelWords"));
            QVERIFY(Checked(dialog, "englishOption") && Checked(dialog, "coloringCheck"));
            Click(dialog, "cancelButton");
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QCOMPARE(settings, saved);
        QCOMPARE(f.Stored("Colors"), std::string("N"));
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
