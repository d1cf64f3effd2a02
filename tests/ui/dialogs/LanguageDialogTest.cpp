#include "ui/dialogs/LanguageDialog.h"

#include "support/WindowFixture.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace lexel;
using test::Child;

namespace {

QRadioButton* Option(QWidget& window, int index) {
    return Child<QRadioButton>(window, index == 0 ? QStringLiteral("englishOption")
                                                  : QStringLiteral("germanOption"));
}

// A radio button answers clicks on its circle and caption only, not on the blank beyond.
void Choose(QWidget& window, int index) {
    auto* option = Option(window, index);
    QTest::mouseClick(option, Qt::LeftButton, {},
                      QPoint(option->height() / 2, option->height() / 2));
}

// A first run: the Language row holds no language yet.
void StartFirstRun(test::WindowFixture& f) {
    f.store.WriteOption("Language", "");
}

bool Shown(LanguageDialog& window) {
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

} // namespace

class LanguageDialogTest : public QObject {
    Q_OBJECT

private slots:
    void captionsAreTheSameInBothLanguages() {
        for (const char* language : {"E", "D"}) {
            test::WindowFixture f(language);
            LanguageDialog window(f.store);
            QCOMPARE(window.windowTitle(), QStringLiteral("Morvane Lexel"));
            QCOMPARE(Child<QGroupBox>(window, "languageGroup")->title(),
                     QString::fromUtf8("User Interface / Benutzeroberfläche"));
            QCOMPARE(Option(window, 0)->text(), QStringLiteral("&English"));
            QCOMPARE(Option(window, 1)->text(), QStringLiteral("&Deutsch"));
            QCOMPARE(Child<QPushButton>(window, "okButton")->text(), QStringLiteral("&OK"));
        }
    }

    // OK is the default button: Enter confirms as a click does.
    void okStoresTheChosenLanguage() {
        const struct {
            int option;
            const char* stored;
            bool byEnter;
        } cases[] = {{0, "E", false}, {1, "D", false}, {1, "D", true}, {0, "E", true}};
        for (const auto& c : cases) {
            test::WindowFixture f("E");
            StartFirstRun(f);
            LanguageDialog window(f.store);
            QVERIFY(Shown(window));
            QVERIFY(Option(window, 0)->isChecked());
            QVERIFY(!Option(window, 1)->isChecked());
            Choose(window, c.option);
            QCOMPARE(f.Stored("Language"), std::string()); // nothing before OK
            if (c.byEnter) {
                QTest::keyClick(Option(window, c.option), Qt::Key_Return);
            } else {
                QTest::mouseClick(Child<QPushButton>(window, "okButton"), Qt::LeftButton);
            }
            QCOMPARE(f.Stored("Language"), std::string(c.stored));
            QCOMPARE(window.result(), int(QDialog::Accepted));
            QVERIFY(!window.isVisible());
        }
    }

    void anyOtherWayOutStoresNothing() {
        test::WindowFixture f("E");
        StartFirstRun(f);
        {
            LanguageDialog window(f.store);
            QVERIFY(Shown(window));
            Choose(window, 1);
            QVERIFY(Option(window, 1)->isChecked());
            QTest::keyClick(&window, Qt::Key_Escape);
            QVERIFY(!window.isVisible());
            QCOMPARE(window.result(), int(QDialog::Rejected));
        }
        {
            LanguageDialog window(f.store);
            QVERIFY(Shown(window));
            Choose(window, 1);
            window.close(); // the window's close button
            QCOMPARE(window.result(), int(QDialog::Rejected));
        }
        QCOMPARE(f.Stored("Language"), std::string());
    }
};

QTEST_MAIN(LanguageDialogTest)
#include "LanguageDialogTest.moc"
