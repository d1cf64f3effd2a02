#include "ui/main/Startup.h"

#include "support/WindowFixture.h"

#include <QApplication>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace lexel;

namespace {

// Answers the next modal window: clicks `option` (if any) and then `button`, or presses Esc.
void AnswerNextModal(QStringList* seen, const char* option, const char* button) {
    QTimer::singleShot(0, [=] {
        auto* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        seen->append(modal->objectName());
        if (option) {
            modal->findChild<QAbstractButton*>(QLatin1String(option))->click();
        }
        if (button) {
            modal->findChild<QAbstractButton*>(QLatin1String(button))->click();
        } else {
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void theFirstRunAsksForTheLanguage() {
        test::WindowFixture f("E");
        QStringList seen;
        AnswerNextModal(&seen, "germanOption", "okButton");
        QCOMPARE(ChooseLanguage(f.store), InterfaceLanguage::German);
        QCOMPARE(seen, QStringList{QStringLiteral("LanguageDialog")});
        QCOMPARE(f.Stored("Language"), std::string("D"));

        seen.clear();
        AnswerNextModal(&seen, nullptr, nullptr);
        QCOMPARE(ChooseLanguage(f.store), InterfaceLanguage::German); // stored: no window
        QTest::qWait(10);
        QVERIFY(seen.isEmpty());
    }

    void aLanguageWindowClosedWithoutOkMeansEnglishThisTime() {
        test::WindowFixture f("E");
        QStringList seen;
        AnswerNextModal(&seen, "germanOption", nullptr);
        QCOMPARE(ChooseLanguage(f.store), InterfaceLanguage::English);
        QCOMPARE(seen, QStringList{QStringLiteral("LanguageDialog")});
        QCOMPARE(f.Stored("Language"), std::string("")); // asked again at the next start
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
