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

    // English is preselected; OK, also as the default button under Enter, stores the choice.
    // Any other way out stores nothing, so the window comes again at the next start.
    void whatEachWayOutStores() {
        enum Way { Click, Enter, Escape, CloseBox };
        const struct {
            int option;
            Way way;
            const char* stored;
        } cases[] = {{0, Click, "E"}, {1, Click, "D"}, {1, Enter, "D"},
                     {0, Enter, "E"}, {1, Escape, ""}, {1, CloseBox, ""}};
        for (const auto& c : cases) {
            test::WindowFixture f("E");
            f.store.WriteOption("Language", ""); // a first run
            LanguageDialog window(f.store);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(Option(window, 0)->isChecked());
            Choose(window, c.option);
            QVERIFY(Option(window, c.option)->isChecked());
            switch (c.way) {
            case Click:
                QTest::mouseClick(Child<QPushButton>(window, "okButton"), Qt::LeftButton);
                break;
            case Enter:
                QTest::keyClick(Option(window, c.option), Qt::Key_Return);
                break;
            case Escape:
                QTest::keyClick(&window, Qt::Key_Escape);
                break;
            case CloseBox:
                window.close();
                break;
            }
            QVERIFY(!window.isVisible());
            QCOMPARE(f.Stored("Language"), std::string(c.stored));
            QCOMPARE(window.result(), int(*c.stored ? QDialog::Accepted : QDialog::Rejected));
        }
    }
};

QTEST_MAIN(LanguageDialogTest)
#include "LanguageDialogTest.moc"
