#include "ui/dialogs/AboutDialog.h"

#include "support/WindowFixture.h"

#include <QPushButton>
#include <QtTest>
#include <set>

using namespace lexel;
using test::Child;

namespace {

const QString Code = QStringLiteral("ZBEINARXRRCFVGFFRPERGFJRYY");

// An about box over a game whose hidden word the test may change.
struct About : test::WindowFixture {
    About() : WindowFixture("E") {}

    QPushButton* Button() { return Child<QPushButton>(window, "closeButton"); }
    // Types `keys` on the button; "\b" is Backspace.
    void Type(const QString& keys) { QTest::keyClicks(Button(), keys); }
    QStringList Revealed() {
        QStringList texts;
        std::ranges::transform(boxes.shown, std::back_inserter(texts), &Message::text);
        return texts;
    }

    std::string word = "garden";
    AboutDialog window{[this] { return word; }, boxes};
};

} // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Top to bottom: the version line, the maker's lines in order, the button, all inside; the
    // emblem is painted, not loaded: it shows shapes in several colours at any size.
    void theLinesInOrderAndTheEmblem() {
        About f;
        int above = Child<QWidget>(f.window, "versionLine")->geometry().bottom();
        for (int i = 0; i < 8; ++i) {
            const auto line =
                Child<QWidget>(f.window, QStringLiteral("makerLine_%1").arg(i))->geometry();
            QVERIFY(line.y() > above);
            above = line.bottom();
        }
        QVERIFY(f.Button()->y() > above);
        for (const auto* child : f.window.findChildren<QWidget*>()) {
            QVERIFY2(f.window.rect().contains(child->geometry()), qPrintable(child->objectName()));
        }
        auto* emblem = Child<QWidget>(f.window, "emblem");
        for (const int side : {40, 300}) {
            emblem->resize(side, side);
            const QImage image = emblem->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
            QVERIFY(std::set<QRgb>(pixels, pixels + image.width() * image.height()).size() > 3);
        }
    }

    // The code is typed as a player would, on the button that has the focus when the box opens;
    // the keys still reach the box, so Esc closes it as the button does.
    void theCodeOnTheFocusedButtonAndTheWaysOut() {
        for (const bool escape : {true, false}) {
            About f;
            f.window.show();
            QApplication::setActiveWindow(&f.window);
            QVERIFY(QTest::qWaitForWindowActive(&f.window));
            QCOMPARE(QApplication::focusWidget(), f.Button());
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Shift); // no character
            QTest::keyClicks(static_cast<QWidget*>(nullptr), Code);
            QCOMPARE(f.Revealed(), QStringList{"GARDEN"});
            QCOMPARE(f.boxes.shown.front().icon, MessageIcon::Information);
            QVERIFY(f.window.isVisible());
            if (escape) {
                QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Escape);
            } else {
                QTest::mouseClick(f.Button(), Qt::LeftButton);
            }
            QVERIFY(!f.window.isVisible());
        }
    }

    void whatTheTypedKeysReveal() {
        // What is typed, and how many boxes with GARDEN it brings.
        const std::pair<QString, int> cases[] = {
            {Code + Code, 2},                       // each code starts afresh
            {Code.toLower(), 0},                    // capitals only
            {QStringLiteral("Q") + Code + Code, 0}, // a wrong key blocks the code
            {Code.left(10) + QStringLiteral("!") + Code.mid(10), 0},
            {QStringLiteral("Q\b") + Code, 1}, // until Backspace
            {Code.left(10) + QStringLiteral("!\b") + Code, 1},
        };
        for (const auto& [typed, revealed] : cases) {
            About f;
            f.Type(typed);
            QCOMPARE(f.Revealed(), QStringList(revealed, QStringLiteral("GARDEN")));
        }
        // The word is asked for when the code is complete; without one nothing is shown, and
        // the next code works all the same.
        About f;
        f.word = "";
        f.Type(Code);
        QVERIFY(f.boxes.shown.empty());
        f.word = "silver";
        f.Type(Code);
        QCOMPARE(f.Revealed(), QStringList{"SILVER"});
    }
};

QTEST_MAIN(AboutDialogTest)
#include "AboutDialogTest.moc"
