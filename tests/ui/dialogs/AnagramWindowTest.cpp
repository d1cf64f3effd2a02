#include "ui/dialogs/AnagramWindow.h"

#include "core/store/AnagramSet.h"
#include "core/store/WordStore.h"
#include "support/ScriptedRandom.h"
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

// The sample file's anagrams of a word, as the game finds them after a win.
struct SampleAnagrams : test::WindowFixture {
    explicit SampleAnagrams(const char* language = "E") : WindowFixture(language) {}

    AnagramSet& Of(const char* word) {
        if (!words.FindAnagrams(word)) {
            qFatal("the sample has no anagrams of %s", word);
        }
        return *words.Anagrams();
    }

    test::ScriptedRandom random{{0.0f}};
    WordStore words{db, random};
};

AnagramSet SetOf(std::initializer_list<const char*> anagrams) {
    std::vector<WordCodeValue> codes;
    for (const char* word : anagrams) {
        codes.push_back(WordCode(word));
    }
    return AnagramSet(std::move(codes));
}

// A row of cells as the player sees it: the letters shown, "." where nothing is.
QString Shown(AnagramWindow& window, const char* array, int first) {
    QString row;
    for (int i = first; i < first + 6; ++i) {
        const auto* cell = Child<QLabel>(window, QStringLiteral("%1_%2").arg(array).arg(i));
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
        {
            SampleAnagrams german("D");
            AnagramWindow window(german.Of("garden"), "garden");
            QCOMPARE(window.windowTitle(), QStringLiteral("Morvane Lexel Anagramme"));
        }
        SampleAnagrams f;
        AnagramWindow window(f.Of("garden"), "garden");
        QCOMPARE(window.windowTitle(), QStringLiteral("Morvane Lexel Anagrams"));
        QCOMPARE(TopRow(window), QStringLiteral("GARDEN"));
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(Row(window, row), QStringLiteral("......"));
        }
        for (const char* name : {"wordCell_0", "wordCell_5", "anagramCell_0", "anagramCell_35"}) {
            const auto* cell = Child<QLabel>(window, name);
            QVERIFY(cell->font().bold());
            QCOMPARE(cell->font().pointSizeF(), 12.0);
            QCOMPARE(cell->alignment(), Qt::AlignCenter);
            QCOMPARE(cell->textFormat(), Qt::PlainText);
        }
        QCOMPARE(Child<QLabel>(window, "wordCell_3")->palette().color(QPalette::WindowText),
                 QColor(0, 0, 255));
        QCOMPARE(Child<QLabel>(window, "wordCell_5")->geometry(), TwipsRect(2220, 120, 375, 375));
        QCOMPARE(Child<QLabel>(window, "anagramCell_7")->geometry(), TwipsRect(780, 960, 375, 375));
        QCOMPARE(Child<QLabel>(window, "anagramCell_35")->geometry(),
                 TwipsRect(2220, 2400, 375, 375));
        QVERIFY(window.rect().contains(Child<QLabel>(window, "anagramCell_5")->geometry()));
        QCOMPARE(window.height(), Twips(1040));
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
        SampleAnagrams f;
        AnagramSet& anagrams = f.Of("garden");
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
        QCOMPARE(Row(window, 0), QStringLiteral("DANGER"));
        QCOMPARE(Row(window, 1), QStringLiteral("......"));
        QCOMPARE(window.height(), Twips(1040)); // the first row needs no more room
        QVERIFY(anagrams.AtEnd());
        QCOMPARE(window.result(), int(QDialog::Rejected)); // not closed yet
    }

    // A letter goes to the first place still free; a record not made of the word's letters
    // has no place for some of them, and those land nowhere.
    void eachLetterFindsItsPlace() {
        test::WindowFixture f("E");
        AnagramSet anagrams = SetOf({"secure"});
        AnagramWindow window(anagrams, "rescue");
        for (const char* row : {"....R.", ".E..R.", "SE..R.", "SEC.R.", "SECUR.", "SECURE"}) {
            window.Step();
            QCOMPARE(Row(window, 0), QLatin1String(row));
        }
        PlayTick(window);
        QCOMPARE(TopRow(window), QStringLiteral("RESCUE"));

        AnagramSet strays = SetOf({"rented"});
        AnagramWindow stray(strays, "garden");
        PlayTick(stray);
        QCOMPARE(Row(stray, 0), QStringLiteral("REN..D"));
        QCOMPARE(TopRow(stray), QStringLiteral("GARDEN"));
    }

    // Seven anagrams: six rows, each tick first grows the window below the place where it was
    // centred, and the tick after the sixth row closes it.
    void theWindowGrowsPerAnagramAndStopsAfterSix() {
        test::WindowFixture f("E");
        const char* words[] = {"caster", "caters", "reacts", "recast",
                               "traces", "carets", "cartes"};
        AnagramSet anagrams =
            SetOf({words[0], words[1], words[2], words[3], words[4], words[5], words[6]});
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
            QCOMPARE(TopRow(window), QStringLiteral("CRATES"));
            QCOMPARE(accepted.count(), 0);
        }
        QVERIFY(window.Step()); // the last pause before closing
        QCOMPARE(accepted.count(), 0);
        QVERIFY(!window.Step());
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(anagrams.Word(), std::string("cartes")); // never read
        QCOMPARE(window.height(), Twips(1040 + 345 * 5));
        QVERIFY(!Child<QTimer>(window, "tickTimer")->isActive());
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!window.Step());
        QCOMPARE(accepted.count(), 1);
    }

    // The real timers drive the same steps: one anagram, a tick to draw it, one to close.
    void playsByItselfAndClosesAfterTheLast() {
        SampleAnagrams f;
        AnagramWindow window(f.Of("garden"), "garden");
        window.SpeedUp(100);
        QTimer::singleShot(10000, &window, &QDialog::reject); // only if it hangs
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        QCOMPARE(Row(window, 0), QStringLiteral("DANGER"));
        QCOMPARE(TopRow(window), QStringLiteral("GARDEN"));
        QCOMPARE(window.height(), Twips(1040));
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    }

    void escapeEndsTheAnimationEarly() {
        SampleAnagrams f;
        AnagramWindow window(f.Of("garden"), "garden");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Step();
        QCOMPARE(Row(window, 0), QStringLiteral("...G.."));
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
