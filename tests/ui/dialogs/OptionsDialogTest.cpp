#include "ui/dialogs/OptionsDialog.h"

#include "core/settings/Settings.h"
#include "support/WindowFixture.h"
#include "ui/dialogs/SetOptions.h"

#include <QtTest>

using namespace lexel;
using test::Child;

namespace {

bool Shown(QWidget& window, const char* name) {
    return !Child<QWidget>(window, name)->isHidden();
}

// Clicks near the left edge: an option or check box answers only on its box and caption.
void Click(QWidget& window, const char* name) {
    auto* button = Child<QAbstractButton>(window, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
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
            QCOMPARE(Child<QAbstractButton>(dialog, "cheatingCheck")->isChecked(), c.cheating);
            Click(dialog, "okButton");
            QCOMPARE(settings.level, c.chosen);
            QCOMPARE(settings.cheating, c.cheating);
            QVERIFY(settings.onlyThisLevel); // taken even where the level hides it
        }
    }

    // OK takes the choice until the program ends, Save also stores it, Cancel and Esc keep
    // everything; Defaults only sets the controls. Enter is no way out; F1 and Help help.
    void whatEachWayOutKeepsAndStores() {
        const Settings opened{InterfaceLanguage::English, Level::Beginner, true, true, true, false};
        const Settings chosen{InterfaceLanguage::German, Level::Expert, false, false, false, true};
        const struct {
            bool defaults;
            const char* button; // nullptr: Esc
            Settings kept;
            bool stored;
        } cases[] = {
            {false, "okButton", chosen, false},           {false, "saveButton", chosen, true},
            {false, "cancelButton", opened, false},       {false, nullptr, opened, false},
            {true, "okButton", DefaultSettings(), false},
        };
        for (const auto& c : cases) {
            test::WindowFixture f("E");
            const Settings before = ReadSettings(f.store);
            Settings settings = opened;
            OptionsDialog dialog(settings, f.store, f.help);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            for (const char* control : {"levelExpert", "easierLevelWords", "coloringCheck",
                                        "timerCheck", "germanOption"}) {
                Click(dialog, control);
            }
            if (c.defaults) {
                Click(dialog, "defaultsButton");
            }
            QTest::keyClick(&dialog, Qt::Key_Return);
            QTest::keyClick(&dialog, Qt::Key_F1);
            Click(dialog, "helpButton");
            QVERIFY(dialog.isVisible());
            QCOMPARE(f.help.topics, (std::vector{HelpTopic::Options, HelpTopic::Options}));
            if (c.button) {
                Click(dialog, c.button);
            } else {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            }
            QVERIFY(!dialog.isVisible());
            QCOMPARE(settings, c.kept);
            QCOMPARE(ReadSettings(f.store), c.stored ? c.kept : before);
        }
    }

    // After OK with another language the program speaks it at once; the caller recaptions.
    void setOptionsSwitchesTheLanguageAfterOk() {
        test::WindowFixture f("E");
        Settings settings = DefaultSettings();
        const auto setOptions = [&](const char* button) {
            test::ClickInNextModal({"germanOption", button});
            return SetOptions(nullptr, settings, f.store, f.help, f.languageSwitch);
        };
        QVERIFY(!setOptions("cancelButton"));
        QVERIFY(!f.languageSwitch.IsGerman());
        QVERIFY(setOptions("okButton"));
        QVERIFY(f.languageSwitch.IsGerman());
        QCOMPARE(QCoreApplication::translate("lexel::OptionsDialog", "&Cancel"),
                 QStringLiteral("&Abbrechen"));
        QVERIFY(!setOptions("okButton")); // unchanged: nothing to recaption
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
