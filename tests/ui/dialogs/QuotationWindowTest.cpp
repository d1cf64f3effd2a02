#include "ui/dialogs/QuotationWindow.h"

#include "support/WindowFixture.h"
#include "ui/controls/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace lexel;
using test::Child;

namespace {

// The window as built: the source line's top, and the height with the close button's row.
constexpr int BuiltInSourceTop = 2520;
constexpr int BuiltInHeight = 3387;

const Quote OneLine{"Patience", "Slow and steady.", "A Proverb"};

Quote Long() {
    QString text;
    for (int i = 0; i < 10; ++i) {
        text += QStringLiteral("Every word of this quotation takes room on the page. ");
    }
    return {"Length", text.toStdString(), "A Writer"};
}

QLabel* Label(QWidget& window, const QString& name) {
    return Child<QLabel>(window, name);
}

int Bottom(const QWidget* control) {
    return control->y() + control->height();
}

// Holds for every quotation: the source follows the text, the button follows the source and
// lies wholly inside the window, and the window moved its bottom edge as far as the source.
void VerifyLayout(QuotationWindow& window) {
    const auto* text = Label(window, "text");
    const auto* source = Label(window, "source");
    const auto* button = Child<QPushButton>(window, "closeButton");
    QCOMPARE(source->y(), Bottom(text) + Twips(105));
    QCOMPARE(text->height(), text->heightForWidth(text->width()));
    QCOMPARE(text->width(), Twips(5370));
    QVERIFY(button->y() > Bottom(source));
    QVERIFY(window.rect().contains(button->geometry()));
    const int delta = Twips(BuiltInSourceTop) - source->y();
    QCOMPARE(window.height(), Twips(BuiltInHeight) - delta);
}

} // namespace

class QuotationWindowTest : public QObject {
    Q_OBJECT

private slots:
    void captionsAndFontsAreFixed() {
        for (const char* language : {"E", "D"}) {
            test::WindowFixture f(language);
            QuotationWindow window(OneLine);
            QCOMPARE(window.windowTitle(), QStringLiteral("Morvane Lexel"));
            QCOMPARE(Child<QPushButton>(window, "closeButton")->text(), QStringLiteral("&Close"));
            QCOMPARE(Label(window, "heading")->text(), QStringLiteral("Patience"));
            QCOMPARE(Label(window, "text")->text(), QStringLiteral("Slow and steady."));
            QCOMPARE(Label(window, "source")->text(), QStringLiteral("A Proverb"));
        }
        test::WindowFixture f("E");
        QuotationWindow window(OneLine);
        const QFont title = Label(window, "heading")->font();
        QVERIFY(title.bold());
        QCOMPARE(title.pointSizeF(), 18.0);
        QVERIFY(Label(window, "heading")->alignment() & Qt::AlignHCenter);
        QCOMPARE(Label(window, "text")->font().pointSizeF(), 12.0);
        QVERIFY(Label(window, "text")->wordWrap());
        QCOMPARE(Label(window, "source")->font(), LayoutFont());
        QCOMPARE(window.width(), Twips(5625));
    }

    void aOneLineQuotationShrinksTheWindow() {
        test::WindowFixture f("E");
        QuotationWindow window(OneLine);
        VerifyLayout(window);
        const auto* text = Label(window, "text");
        QCOMPARE(text->y(), Twips(600));
        QVERIFY(text->height() < Twips(1860) / 3); // one line, not the built-in height
        QVERIFY(Label(window, "source")->y() < Twips(BuiltInSourceTop));
        QVERIFY(window.height() < Twips(BuiltInHeight));
    }

    void aLongQuotationGrowsTheWindow() {
        test::WindowFixture f("E");
        QuotationWindow window(Long());
        VerifyLayout(window);
        QVERIFY(Label(window, "text")->height() > Twips(1860));
        QVERIFY(window.height() > Twips(BuiltInHeight));
    }

    // 100 KB of text would make the window taller than any screen, its button out of reach.
    void aQuotationTallerThanTheScreenScrollsAndKeepsItsButtonOnTheScreen() {
        test::WindowFixture f("E");
        Quote huge = Long();
        while (huge.Text.size() < 100000) {
            huge.Text += huge.Text;
        }
        QuotationWindow window(huge);
        const auto* text = Label(window, "text");
        QCOMPARE(text->height(), text->heightForWidth(text->width())); // all of it, scrolled
        const auto* scroller = Child<QWidget>(window, "textScroller");
        const auto* source = Label(window, "source");
        QCOMPARE(source->y(), Bottom(scroller) + Twips(105));
        const auto* button = Child<QPushButton>(window, "closeButton");
        QVERIFY(button->y() > Bottom(source));
        QVERIFY(window.rect().contains(button->geometry()));
        QVERIFY(window.height() <= window.screen()->availableGeometry().height());
    }

    void aLongHeadingWrapsAboveTheText() {
        test::WindowFixture f("E");
        QuotationWindow window(
            {"A heading far too long to fit on a single line of this window at all",
             "Slow and steady.", "A Proverb"});
        VerifyLayout(window);
        const auto* title = Label(window, "heading");
        QVERIFY(title->height() > Twips(435));
        QCOMPARE(title->height(), title->heightForWidth(title->width()));
        QVERIFY(Label(window, "text")->y() >= Bottom(title));
    }

    void theCloseButtonIsShownAndClosesTheWindow() {
        test::WindowFixture f("E");
        for (const auto& quote : {OneLine, Long()}) {
            QuotationWindow window(quote);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            auto* button = Child<QPushButton>(window, "closeButton");
            QVERIFY(button->isVisible());
            QVERIFY(!button->autoDefault() && !button->isDefault());
            QTest::keyClick(&window, Qt::Key_Return); // Enter is no way out
            QVERIFY(window.isVisible());
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(!window.isVisible());
        }
        QuotationWindow window(OneLine);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    void storedTextIsShownLiterally() {
        test::WindowFixture f("E");
        QuotationWindow window({"<b>markup</b>", "a &amp; <i>b</i>", "<u>Who</u>"});
        for (const char* name : {"heading", "text", "source"}) {
            QCOMPARE(Label(window, name)->textFormat(), Qt::PlainText);
        }
        QCOMPARE(Label(window, "heading")->text(), QStringLiteral("<b>markup</b>"));
        QCOMPARE(Label(window, "text")->text(), QStringLiteral("a &amp; <i>b</i>"));
        QCOMPARE(Label(window, "source")->text(), QStringLiteral("<u>Who</u>"));
    }
};

QTEST_MAIN(QuotationWindowTest)
#include "QuotationWindowTest.moc"
