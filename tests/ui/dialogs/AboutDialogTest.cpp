#include "ui/dialogs/AboutDialog.h"

#include "support/WindowFixture.h"
#include "ui/controls/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <set>

using namespace lexel;
using test::Child;

namespace {

const QString Code = QStringLiteral("ZBEINARXRRCFVGFFRPERGFJRYY");

// An about box over a game whose hidden word the test may change.
struct About : test::WindowFixture {
    explicit About(const char* language = "E") : WindowFixture(language) {}

    QLabel* Line(int index) {
        return Child<QLabel>(window, index == 8 ? QStringLiteral("versionLine")
                                                : QStringLiteral("makerLine_%1").arg(index));
    }
    QPushButton* Button() { return Child<QPushButton>(window, "closeButton"); }
    void Type(const QString& keys) { QTest::keyClicks(Button(), keys); }
    void Backspace() { QTest::keyClick(Button(), Qt::Key_Backspace); }
    QStringList Revealed() {
        QStringList texts;
        for (const auto& message : boxes.shown) {
            texts.append(message.text);
        }
        return texts;
    }

    std::string word = "garden";
    AboutDialog window{[this] { return word; }, boxes};
};

} // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theLinesAndCaptions() {
        for (const bool german : {false, true}) {
            About f(german ? "D" : "E");
            QCOMPARE(f.window.windowTitle(),
                     QString::fromUtf8(german ? "Über Morvane Lexel" : "About Morvane Lexel"));
            QCOMPARE(f.Line(3)->text(), QString::fromUtf8(german ? "Österreich" : "Austria"));
            QCOMPARE(f.Button()->text(), QString::fromUtf8(german ? "&Schließen" : "&Close"));
            QCOMPARE(f.Line(8)->text(), QStringLiteral("Morvane Lexel - Version 2.00"));
            QCOMPARE(f.Line(0)->text(), QStringLiteral("Morvane Software"));
            QCOMPARE(f.Line(6)->text(), QStringLiteral("info@morvane.invalid"));
            QCOMPARE(f.Line(7)->text(), QStringLiteral("www.morvane.invalid"));
        }
        // Top to bottom: the version line, the maker's lines in order, the button.
        About f;
        int above = f.Line(8)->y();
        for (int i = 0; i < 8; ++i) {
            QVERIFY(f.Line(i)->y() > above);
            QVERIFY(!f.Line(i)->text().isEmpty());
            QCOMPARE(f.Line(i)->textFormat(), Qt::PlainText);
            QVERIFY(f.window.rect().contains(f.Line(i)->geometry()));
            above = f.Line(i)->y() + f.Line(i)->height();
        }
        QVERIFY(f.Button()->y() >= above);
        QCOMPARE(f.Button()->pos(), QPoint(Twips(2851), Twips(2400)));
        QVERIFY(f.window.rect().contains(f.Button()->geometry()));
    }

    // The emblem is painted, not loaded: it shows shapes in several colours at any size.
    void thePictureIsDrawnAtAnySize() {
        About f;
        auto* picture = Child<QWidget>(f.window, "emblem");
        QVERIFY(f.window.rect().contains(picture->geometry()));
        for (const int side : {40, 300}) {
            picture->resize(side, side);
            const QImage image = picture->grab().toImage();
            std::set<QRgb> colours;
            for (int y = 0; y < image.height(); y += 2) {
                for (int x = 0; x < image.width(); x += 2) {
                    colours.insert(image.pixel(x, y));
                }
            }
            QVERIFY(colours.size() > 3);
        }
    }

    void escapeAndTheButtonClose() {
        for (const bool escape : {true, false}) {
            About f;
            f.window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f.window));
            if (escape) {
                QTest::keyClick(&f.window, Qt::Key_Escape);
            } else {
                QTest::mouseClick(f.Button(), Qt::LeftButton);
            }
            QVERIFY(!f.window.isVisible());
            QVERIFY(f.boxes.shown.empty());
        }
    }

    // The code is typed as a player would, on the button that has the focus when the box opens.
    void theAccessCodeRevealsTheWordOnce() {
        About f;
        f.window.show();
        QApplication::setActiveWindow(&f.window);
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QCOMPARE(QApplication::focusWidget(), f.Button());
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Shift); // no character
        for (const QChar c : Code) {
            QTest::keyClick(static_cast<QWidget*>(nullptr), c.toLatin1());
        }
        QCOMPARE(f.Revealed(), QStringList{QStringLiteral("GARDEN")});
        const Message& shown = f.boxes.shown.front();
        QCOMPARE(shown.icon, MessageIcon::Information);
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        QVERIFY(f.window.isVisible());

        f.Type(QStringLiteral("Z")); // the buffer started afresh: no second box
        QCOMPARE(f.Revealed().size(), 1);
        f.Backspace();
        f.word = "planet"; // the word as held when the code is complete
        f.Type(Code);
        QCOMPARE(f.Revealed(), (QStringList{QStringLiteral("GARDEN"), QStringLiteral("PLANET")}));
        f.Type(Code.toLower()); // capitals only
        QCOMPARE(f.Revealed().size(), 2);
    }

    void aWrongKeyBlocksTheCodeUntilBackspace() {
        About f;
        f.Type(QStringLiteral("Q") + Code);
        f.Type(Code);
        f.Type(Code.left(10) + QStringLiteral("!") + Code.mid(10));
        QVERIFY(f.boxes.shown.empty());
        f.Backspace();
        f.Type(Code.left(10) + QStringLiteral("!"));
        f.Backspace();
        f.Type(Code);
        QCOMPARE(f.Revealed(), QStringList{QStringLiteral("GARDEN")});
    }

    void withoutAHiddenWordNothingIsShown() {
        About f;
        f.word = "";
        f.Type(Code);
        QVERIFY(f.boxes.shown.empty());
        f.word = "silver";
        f.Type(Code); // the buffer was emptied all the same
        QCOMPARE(f.Revealed(), QStringList{QStringLiteral("SILVER")});
    }
};

QTEST_MAIN(AboutDialogTest)
#include "AboutDialogTest.moc"
