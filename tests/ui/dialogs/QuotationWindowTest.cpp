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

} // namespace

class QuotationWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The stored texts are shown as they are, markup and all, in either language.
    void captionsAndTextsAsStored() {
        const Quote markup{"<b>markup</b>", "a &amp; <i>b</i>", "<u>Who</u>"};
        for (const char* language : {"E", "D"}) {
            test::WindowFixture f(language);
            QuotationWindow window(markup);
            QCOMPARE(window.windowTitle(), QStringLiteral("Morvane Lexel"));
            QCOMPARE(Child<QPushButton>(window, "closeButton")->text(), QStringLiteral("&Close"));
            const struct {
                const char* label;
                const std::string& text;
            } labels[] = {
                {"heading", markup.Title}, {"text", markup.Text}, {"source", markup.Source}};
            for (const auto& l : labels) {
                QCOMPARE(Label(window, l.label)->text(), QString::fromStdString(l.text));
                QCOMPARE(Label(window, l.label)->textFormat(), Qt::PlainText);
            }
        }
    }

    // The window fits the quotation: a short text shrinks it, a long one grows it, and a heading
    // too long for one line wraps and pushes the text down.
    void theWindowFitsTheQuotation() {
        const struct {
            Quote quote;
            bool taller;
        } cases[] = {
            {OneLine, false},
            {Long(), true},
            {{"A heading far too long to fit on a single line of this window at all", OneLine.Text,
              OneLine.Source},
             false},
        };
        for (const auto& c : cases) {
            test::WindowFixture f("E");
            QuotationWindow window(c.quote);
            const auto* heading = Label(window, "heading");
            const auto* text = Label(window, "text");
            const auto* source = Label(window, "source");
            const auto* button = Child<QPushButton>(window, "closeButton");
            QCOMPARE(heading->height(),
                     std::max(heading->heightForWidth(heading->width()), Twips(435)));
            QVERIFY(text->y() >= Bottom(heading));
            QCOMPARE(text->height(), text->heightForWidth(text->width()));
            QCOMPARE(source->y(), Bottom(text) + Twips(105));
            QVERIFY(button->y() > Bottom(source));
            QVERIFY(window.rect().contains(button->geometry()));
            // The bottom edge moved as far as the source line did.
            QCOMPARE(window.height(), Twips(BuiltInHeight) - Twips(BuiltInSourceTop) + source->y());
            QCOMPARE(window.height() > Twips(BuiltInHeight), c.taller);
        }
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

    // Enter is no way out; the button and Esc are.
    void theCloseButtonAndEscapeClose() {
        for (const bool escape : {false, true}) {
            test::WindowFixture f("E");
            QuotationWindow window(Long());
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            auto* button = Child<QPushButton>(window, "closeButton");
            QVERIFY(button->isVisible());
            QTest::keyClick(&window, Qt::Key_Return);
            QVERIFY(window.isVisible());
            if (escape) {
                QTest::keyClick(&window, Qt::Key_Escape);
            } else {
                QTest::mouseClick(button, Qt::LeftButton);
            }
            QVERIFY(!window.isVisible());
        }
    }
};

QTEST_MAIN(QuotationWindowTest)
#include "QuotationWindowTest.moc"
