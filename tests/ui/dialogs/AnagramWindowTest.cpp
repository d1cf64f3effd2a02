#include "ui/dialogs/AnagramWindow.h"

#include "core/store/AnagramSet.h"
#include "support/WindowFixture.h"
#include "ui/controls/Twips.h"

#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace lexel;
using test::Child;

namespace {

AnagramSet SetOf(const std::vector<const char*>& anagrams) {
    std::vector<WordCodeValue> codes;
    for (const char* word : anagrams) {
        codes.push_back(WordCode(word));
    }
    return AnagramSet(std::move(codes));
}

QLabel* Cell(AnagramWindow& window, const char* array, int index) {
    return Child<QLabel>(window, QStringLiteral("%1_%2").arg(array).arg(index));
}

// A row of cells as the player sees it: the letters shown, "." where nothing is.
QString Shown(AnagramWindow& window, const char* array, int first) {
    QString row;
    for (int i = first; i < first + 6; ++i) {
        const auto* cell = Cell(window, array, i);
        row += cell->isHidden() ? QStringLiteral(".") : cell->text();
    }
    return row;
}

QString TopRow(AnagramWindow& window) {
    return Shown(window, "wordCell", 0);
}

QString Row(AnagramWindow& window, int row) {
    return Shown(window, "anagramCell", 6 * row);
}

void PlayTick(AnagramWindow& window) {
    while (window.Step()) {
    }
}

QRect ScreenArea(AnagramWindow& window) {
    return window.screen()->availableGeometry();
}

bool IsCentredAcross(AnagramWindow& window) {
    return std::abs(window.frameGeometry().center().x() - ScreenArea(window).center().x()) <= 1;
}

} // namespace

class AnagramWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowAsLoaded() {
        AnagramSet anagrams = SetOf({"danger"});
        for (const bool german : {false, true}) {
            test::WindowFixture f(german ? "D" : "E");
            AnagramWindow window(anagrams, "garden");
            QCOMPARE(window.windowTitle(), german ? QStringLiteral("Morvane Lexel Anagramme")
                                                  : QStringLiteral("Morvane Lexel Anagrams"));
        }
        test::WindowFixture f("E");
        AnagramWindow window(anagrams, "garden");
        QCOMPARE(TopRow(window), QStringLiteral("GARDEN"));
        QCOMPARE(Cell(window, "wordCell", 3)->palette().color(QPalette::WindowText),
                 QColor(0, 0, 255));
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(Row(window, row), QStringLiteral("......"));
        }
        QVERIFY(IsCentredAcross(window));
        QVERIFY(std::abs(window.frameGeometry().center().y() - ScreenArea(window).center().y()) <=
                1);
        const auto* timer = Child<QTimer>(window, "tickTimer");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1600);
        QCOMPARE(window.cursor().shape(), Qt::WaitCursor);
    }

    // garden -> danger: each letter goes down on its own step, then the top row comes back.
    void theFirstTickMovesTheLettersOneByOne() {
        test::WindowFixture f("E");
        AnagramSet anagrams = SetOf({"danger"});
        AnagramWindow window(anagrams, "garden");
        const struct {
            const char* top;
            const char* row;
        } steps[] = {
            {".ARDEN", "...G.."}, {"..RDEN", ".A.G.."}, {"...DEN", ".A.G.R"},
            {"....EN", "DA.G.R"}, {".....N", "DA.GER"}, {"......", "DANGER"},
            {"......", "DANGER"}, {"G.....", "DANGER"}, {"GA....", "DANGER"},
        };
        for (const auto& step : steps) {
            QVERIFY(window.Step());
            QCOMPARE(TopRow(window), QLatin1String(step.top));
            QCOMPARE(Row(window, 0), QLatin1String(step.row));
        }
        PlayTick(window);
        QCOMPARE(TopRow(window), QStringLiteral("GARDEN"));
        QCOMPARE(Row(window, 1), QStringLiteral("......"));
        QCOMPARE(window.height(), Twips(1040)); // the first row needs no more room
        QVERIFY(anagrams.AtEnd());
        QCOMPARE(window.result(), int(QDialog::Rejected)); // not closed yet
    }

    // A letter goes to the first place still free; a record not made of the word's letters
    // has no place for some of them, and those land nowhere.
    void eachLetterFindsItsPlace() {
        const struct {
            const char* word;
            const char* anagram;
            const char* row;
        } cases[] = {{"rescue", "secure", "SECURE"}, {"garden", "tender", ".END.R"}};
        for (const auto& c : cases) {
            test::WindowFixture f("E");
            AnagramSet anagrams = SetOf({c.anagram});
            AnagramWindow window(anagrams, c.word);
            PlayTick(window);
            QCOMPARE(Row(window, 0), QLatin1String(c.row));
        }
    }

    // Seven anagrams: six rows, each tick first grows the window below the place where it was
    // centred, and the tick after the sixth row closes it.
    void theWindowGrowsPerAnagramAndStopsAfterSix() {
        test::WindowFixture f("E");
        const std::vector<const char*> words{"caster", "caters", "reacts", "recast",
                                             "traces", "carets", "cartes"};
        AnagramSet anagrams = SetOf(words);
        AnagramWindow window(anagrams, "crates");
        QSignalSpy accepted(&window, &QDialog::accepted);
        for (int row = 0; row < 6; ++row) {
            const int heightBefore = window.frameGeometry().height();
            PlayTick(window);
            QCOMPARE(window.height(), Twips(1040 + 345 * row));
            const QRect area = ScreenArea(window);
            QCOMPARE(window.frameGeometry().top(), area.top() + (area.height() - heightBefore) / 2);
            QVERIFY(IsCentredAcross(window));
            QCOMPARE(Row(window, row), QString::fromLatin1(words[row]).toUpper());
            QCOMPARE(accepted.count(), 0);
        }
        // Every cell lies inside the window, in order and apart from the cells beside and below.
        for (int i = 0; i < 36; ++i) {
            const QRect cell = Cell(window, "anagramCell", i)->geometry();
            QVERIFY(window.rect().contains(cell));
            QVERIFY(i % 6 == 5 || Cell(window, "anagramCell", i + 1)->x() > cell.center().x());
            QVERIFY(i >= 30 || Cell(window, "anagramCell", i + 6)->y() > cell.center().y());
        }
        QVERIFY(window.Step()); // the last pause before closing
        QCOMPARE(accepted.count(), 0);
        QVERIFY(!window.Step());
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(anagrams.Word(), std::string("cartes")); // never read
        QVERIFY(!Child<QTimer>(window, "tickTimer")->isActive());
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!window.Step());
    }

    // The real timers drive the same steps: one anagram, a tick to draw it, one to close.
    void playsByItselfAndClosesAfterTheLast() {
        test::WindowFixture f("E");
        AnagramSet anagrams = SetOf({"danger"});
        AnagramWindow window(anagrams, "garden");
        window.SpeedUp(100);
        QTimer::singleShot(10000, &window, &QDialog::reject); // only if it hangs
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        QCOMPARE(Row(window, 0), QStringLiteral("DANGER"));
        QCOMPARE(TopRow(window), QStringLiteral("GARDEN"));
    }

    void escapeEndsTheAnimationEarly() {
        test::WindowFixture f("E");
        AnagramSet anagrams = SetOf({"danger"});
        AnagramWindow window(anagrams, "garden");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Step();
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(!Child<QTimer>(window, "tickTimer")->isActive());
        QVERIFY(!window.Step());
        QCOMPARE(Row(window, 0), QStringLiteral("...G.."));
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(AnagramWindowTest)
#include "AnagramWindowTest.moc"
