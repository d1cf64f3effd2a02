#include "ui/dialogs/fmOptions.h"

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
    {"Frame1", "Difficulty Level", "Schwierigkeit"},
    {"Option1_0", "&Beginner", "A&nfänger"},
    {"Option1_1", "&Advanced", "Fo&rtgeschrittener"},
    {"Option1_2", "&Expert", "&Experte"},
    {"Option1_3", "&Guru", "&Guru"},
    {"Frame2", "Word Selection", "Wortauswahl"},
    {"Option2_0", "O&nly use words of selected level", "N&ur Wörter der gewählten Schwierigkeit"},
    {"Option2_1", "A&lso use words of easier levels", "Au&ch Wörter niedrigerer Schwierigkeit"},
    {"Frame3", "Cheating", "Mogeln"},
    {"Check1", "Allows you to use 'words' that do not e&xist",
     "Eingaben müssen keine &Wörter sein"},
    {"Frame7", "Automatic coloring", "Automatische Färbung"},
    {"Check4", "Automatically set the bac&kground color to red or green where appropriate",
     "Hintergrundfarben automatisch auf rot bzw. grün set&zen"},
    {"Frame8", "Time", "Zeit"},
    {"Check5", "Kee&p track of used time", "&Verbrauchte Zeit anzeigen"},
    {"Frame6", "User Interface", "Benutzeroberfläche"},
    {"Option3_0", "Engl&ish", "Eng&lisch"},
    {"Option3_1", "Ge&rman", "Deu&tsch"},
    {"cbOk", "&OK", "&OK"},
    {"cbCancel", "&Cancel", "&Abbrechen"},
    {"cbSave", "&Save", "&Sichern"},
    {"cbDefaults", "&Defaults", "Stan&dard"},
    {"cbHelp", "&Help", "&Hilfe"},
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

class fmOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void captionsInBothLanguages() {
        for (const bool german : {false, true}) {
            test::WindowFixture f(german ? "D" : "E");
            Settings settings = DefaultSettings();
            fmOptions dialog(settings, f.store, f.help);
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
        fmOptions dialog(settings, f.store, f.help);
        dialog.show();
        QVERIFY(Checked(dialog, "Option1_1"));
        QVERIFY(Shown(dialog, "Frame2") && Shown(dialog, "Frame3"));
        QVERIFY(Checked(dialog, "Check1"));

        Click(dialog, "Option1_0");
        QVERIFY(!Shown(dialog, "Frame2"));
        QVERIFY(Shown(dialog, "Frame3"));
        QVERIFY(Checked(dialog, "Check1"));

        Click(dialog, "Option1_3");
        QVERIFY(Shown(dialog, "Frame2"));
        QVERIFY(!Shown(dialog, "Frame3"));
        QVERIFY(!Checked(dialog, "Check1"));
        Click(dialog, "cbOk");
        QCOMPARE(settings.Class, Level::Guru);
        QVERIFY(!settings.Cheating);
    }

    void storedExpertWithCheatingOpensWithoutCheating() {
        test::WindowFixture f("E");
        Settings settings{InterfaceLanguage::English, Level::Expert, false, true, true, true};
        fmOptions dialog(settings, f.store, f.help);
        QVERIFY(!Shown(dialog, "Frame3"));
        QVERIFY(!Checked(dialog, "Check1"));
        Click(dialog, "cbOk");
        QVERIFY(!settings.Cheating);
    }

    void beginnerStillTakesTheWordSelection() {
        test::WindowFixture f("E");
        Settings settings = DefaultSettings();
        fmOptions dialog(settings, f.store, f.help);
        Click(dialog, "Option2_0");
        Click(dialog, "Option1_0");
        Click(dialog, "cbOk");
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
            fmOptions dialog(settings, f.store, f.help);
            Click(dialog, "Option1_2");
            Click(dialog, "Option3_1");
            Click(dialog, "cbOk");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        const Settings chosen{InterfaceLanguage::German, Level::Expert, false, false, true, true};
        QCOMPARE(settings, chosen);
        QCOMPARE(f.Stored("Class"), std::string("2"));
        QCOMPARE(f.Stored("Language"), std::string(""));

        {
            fmOptions dialog(settings, f.store, f.help);
            Click(dialog, "Check4");
            Click(dialog, "cbSave");
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
            fmOptions dialog(settings, f.store, f.help);
            Click(dialog, "cbDefaults");
            QVERIFY(Checked(dialog, "Option1_1") && Checked(dialog, "Option2_1"));
            QVERIFY(Checked(dialog, "Option3_0") && Checked(dialog, "Check4"));
            Click(dialog, "cbCancel");
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QCOMPARE(settings, saved);
        QCOMPARE(f.Stored("Colors"), std::string("N"));
    }

    void keysEscCancelsEnterDoesNothingF1Helps() {
        test::WindowFixture f("E");
        Settings settings = DefaultSettings();
        fmOptions dialog(settings, f.store, f.help);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Click(dialog, "Option1_3");
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_F1);
        Click(dialog, "cbHelp");
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
        answerDialog("Option3_1", "cbCancel");
        QVERIFY(!SetOptions(nullptr, settings, f.store, f.help, f.languageSwitch));
        QVERIFY(!f.languageSwitch.IsGerman());

        answerDialog("Option3_1", "cbOk");
        QVERIFY(SetOptions(nullptr, settings, f.store, f.help, f.languageSwitch));
        QVERIFY(f.languageSwitch.IsGerman());
        QCOMPARE(QCoreApplication::translate("lexel::fmOptions", "&Cancel"),
                 QStringLiteral("&Abbrechen"));
        QCOMPARE(f.Stored("Language"), std::string("")); // OK stores nothing

        answerDialog("Option3_1", "cbOk"); // unchanged: nothing to re-caption
        QVERIFY(!SetOptions(nullptr, settings, f.store, f.help, f.languageSwitch));
    }
};

QTEST_MAIN(fmOptionsTest)
#include "fmOptionsTest.moc"
