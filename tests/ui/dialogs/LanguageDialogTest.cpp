#include "ui/dialogs/LanguageDialog.h"

#include "support/WindowFixture.h"
#include "ui/main/Startup.h"

#include <QRadioButton>
#include <QtTest>

using namespace lexel;

class LanguageDialogTest : public QObject {
    Q_OBJECT

private slots:
    // The first start asks: English is preselected, and OK, also as the default button under
    // Enter, stores the choice. Any other way out means English this time and asks again at the
    // next start.
    void theFirstStartAsksForTheLanguage() {
        enum Way { Click, Enter, Escape, CloseBox };
        const struct {
            const char* option;
            Way way;
            const char* stored;
            InterfaceLanguage chosen;
        } cases[] = {{"englishOption", Click, "E", InterfaceLanguage::English},
                     {"germanOption", Enter, "D", InterfaceLanguage::German},
                     {"germanOption", Escape, "", InterfaceLanguage::English},
                     {"germanOption", CloseBox, "", InterfaceLanguage::English}};
        for (const auto& c : cases) {
            test::WindowFixture f("E");
            bool preselected = false;
            QTimer::singleShot(0, [&] {
                auto& window = *QApplication::activeModalWidget();
                preselected = test::Child<QRadioButton>(window, "englishOption")->isChecked();
                QTimer::singleShot(100, &window, &QWidget::close); // should the way fail
                auto* option = test::Child<QRadioButton>(window, c.option);
                option->click();
                if (c.way == Click) {
                    test::Child<QAbstractButton>(window, "okButton")->click();
                } else if (c.way == CloseBox) {
                    window.close();
                } else {
                    QTest::keyClick(option, c.way == Enter ? Qt::Key_Return : Qt::Key_Escape);
                }
            });
            QCOMPARE(ChooseLanguage(f.store), c.chosen);
            QVERIFY(preselected);
            QCOMPARE(f.Stored("Language"), std::string(c.stored));
            test::ModalCloser modals;
            QCOMPARE(ChooseLanguage(f.store), c.chosen);
            QCOMPARE(modals.seen, *c.stored ? QStringList() : QStringList{"LanguageDialog"});
        }
    }
};

QTEST_MAIN(LanguageDialogTest)
#include "LanguageDialogTest.moc"
