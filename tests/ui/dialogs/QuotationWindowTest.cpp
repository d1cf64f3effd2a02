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

} // namespace

class QuotationWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The stored texts are shown as they are, markup and all. The window fits the quotation: a
    // short text shrinks it, a long one grows it, a heading too long for one line wraps and
    // pushes the text down, and a text taller than the screen scrolls, its button in reach. Enter
    // is no way out; the button and Esc are.
    void theWindowFitsTheQuotationAsStored() {
        const QString words =
            QStringLiteral("Every word of this quotation takes room on the page. ");
        const std::string wide = "A heading far too long to fit on a single line of this window";
        // The quotation, whether the window grows and whether the text scrolls.
        const std::tuple<Quote, bool, bool> cases[] = {
            {{"<b>markup</b>", "a &amp; <i>b</i>", "<u>Who</u>"}, false, false},
            {{"Length", words.repeated(10).toStdString(), "A Writer"}, true, false},
            {{wide + " at all", "Slow.", "A Proverb"}, false, false},
            {{"Length", words.repeated(2000).toStdString(), "A Writer"}, true, true},
        };
        for (const auto& [quote, taller, scrolls] : cases) {
            test::WindowFixture f("E");
            QuotationWindow window(quote);
            const auto* heading = Child<QLabel>(window, "heading");
            const auto* text = Child<QLabel>(window, "text");
            const auto* source = Child<QLabel>(window, "source");
            for (const auto& [label, stored] :
                 {std::pair{heading, quote.Title}, {text, quote.Text}, {source, quote.Source}}) {
                QCOMPARE(label->text(), QString::fromStdString(stored));
                QCOMPARE(label->textFormat(), Qt::PlainText);
            }
            const auto* scroller = window.findChild<QWidget*>("textScroller");
            const auto* box = scroller ? scroller : text;
            QCOMPARE(scroller != nullptr, scrolls);
            QCOMPARE(heading->height(),
                     std::max(heading->heightForWidth(heading->width()), Twips(435)));
            QVERIFY(box->y() > heading->geometry().bottom());
            QCOMPARE(text->height(), text->heightForWidth(text->width())); // all of it
            QCOMPARE(source->y(), box->geometry().bottom() + 1 + Twips(105));
            auto* button = Child<QPushButton>(window, "closeButton");
            QVERIFY(button->y() > source->geometry().bottom() + 1);
            QVERIFY(window.rect().contains(button->geometry()));
            // The bottom edge moved as far as the source line did.
            QCOMPARE(window.height(), Twips(BuiltInHeight) - Twips(BuiltInSourceTop) + source->y());
            QCOMPARE(window.height() > Twips(BuiltInHeight), taller);
            QVERIFY(window.height() <= window.screen()->availableGeometry().height());
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(button->isVisible());
            QTest::keyClick(&window, Qt::Key_Return);
            QVERIFY(window.isVisible());
            if (scrolls) {
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
