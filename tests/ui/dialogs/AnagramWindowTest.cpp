#include "ui/dialogs/AnagramWindow.h"

#include "core/store/AnagramSet.h"
#include "support/WindowFixture.h"
#include "ui/controls/Twips.h"

#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using namespace lexel;
using test::Child;

namespace {

// The window after a win with `word`, over the anagrams `words`.
struct Anagrams : test::WindowFixture {
    Anagrams(const std::vector<const char*>& words, const char* word = "garden")
        : WindowFixture("E"), set(Codes(words)), window(set, word) {}
    static std::vector<WordCodeValue> Codes(const std::vector<const char*>& words) {
        std::vector<WordCodeValue> codes(words.size());
        std::ranges::transform(words, codes.begin(), [](const char* w) { return WordCode(w); });
        return codes;
    }
    QLabel* Cell(int index) {
        return Child<QLabel>(window, QStringLiteral("anagramCell_%1").arg(index));
    }
    // A row as the player sees it, "." where no letter is; row -1 is the word's own row.
    QString Row(int row) {
        QString shown;
        for (int i = 0; i < 6; ++i) {
            const auto* cell = row < 0 ? Child<QLabel>(window, QStringLiteral("wordCell_%1").arg(i))
                                       : Cell(6 * row + i);
            shown += cell->isHidden() ? QStringLiteral(".") : cell->text();
        }
        return shown;
    }
    void PlayTick() {
        while (window.Step()) {
        }
    }
    // How far the window's centre lies from the screen's.
    QPoint OffCentre() {
        return window.frameGeometry().center() - window.screen()->availableGeometry().center();
    }
    bool Ticking() { return Child<QTimer>(window, "tickTimer")->isActive(); }

    AnagramSet set;
    AnagramWindow window;
};

} // namespace

class AnagramWindowTest : public QObject {
    Q_OBJECT

private slots:
    // garden -> danger: each letter goes down on its own step, then the top row comes back;
    // Esc ends the animation before the closing tick.
    void theWindowAsLoadedItsFirstTickAndEscape() {
        Anagrams a({"danger"});
        QCOMPARE(a.Row(-1), QStringLiteral("GARDEN"));
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(a.Row(row), QStringLiteral("......"));
        }
        QVERIFY(std::abs(a.OffCentre().x()) <= 1 && std::abs(a.OffCentre().y()) <= 1);
        QCOMPARE(Child<QLabel>(a.window, "wordCell_3")->palette().color(QPalette::WindowText),
                 QColor(0, 0, 255));
        QVERIFY(a.Ticking());
        QCOMPARE(Child<QTimer>(a.window, "tickTimer")->interval(), 1600);
        QCOMPARE(a.window.cursor().shape(), Qt::WaitCursor);
        const char* const steps[][2] = {
            {".ARDEN", "...G.."}, {"..RDEN", ".A.G.."}, {"...DEN", ".A.G.R"},
            {"....EN", "DA.G.R"}, {".....N", "DA.GER"}, {"......", "DANGER"},
            {"......", "DANGER"}, {"G.....", "DANGER"}, {"GA....", "DANGER"},
        };
        for (const auto& step : steps) {
            QVERIFY(a.window.Step());
            QCOMPARE(a.Row(-1), QLatin1String(step[0]));
            QCOMPARE(a.Row(0), QLatin1String(step[1]));
        }
        a.PlayTick();
        QCOMPARE(a.Row(-1), QStringLiteral("GARDEN"));
        QCOMPARE(a.Row(1), QStringLiteral("......"));
        QVERIFY(a.set.AtEnd());
        a.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a.window) && a.Ticking());
        QTest::keyClick(&a.window, Qt::Key_Escape);
        QVERIFY(!a.window.isVisible() && !a.Ticking() && !a.window.Step());
        QCOMPARE(a.window.result(), int(QDialog::Rejected));
        QCOMPARE(a.Row(0), QStringLiteral("DANGER"));
        QCOMPARE(a.window.cursor().shape(), Qt::ArrowCursor);
    }

    // A letter goes to the first place still free; a record not made of the word's letters
    // has no place for some of them, and those land nowhere.
    void eachLetterFindsItsPlace() {
        const char* const cases[][3] = {{"rescue", "secure", "SECURE"},
                                        {"garden", "tender", ".END.R"}};
        for (const auto& c : cases) {
            Anagrams a({c[1]}, c[0]);
            a.PlayTick();
            QCOMPARE(a.Row(0), QLatin1String(c[2]));
        }
    }

    // Seven anagrams: six rows, each tick first grows the window below the place where it was
    // centred, and the tick after the sixth row closes it.
    void theWindowGrowsPerAnagramAndStopsAfterSix() {
        const std::vector<const char*> words{"caster", "caters", "reacts", "recast",
                                             "traces", "carets", "cartes"};
        Anagrams a(words, "crates");
        QSignalSpy accepted(&a.window, &QDialog::accepted);
        for (int row = 0; row < 6; ++row) {
            const int heightBefore = a.window.frameGeometry().height();
            a.PlayTick();
            const QRect area = a.window.screen()->availableGeometry();
            QCOMPARE(a.window.frameGeometry().top(),
                     area.top() + (area.height() - heightBefore) / 2);
            QVERIFY(std::abs(a.OffCentre().x()) <= 1);
            QCOMPARE(a.Row(row), QString::fromLatin1(words[row]).toUpper());
            QCOMPARE(a.window.height(), Twips(1040 + 345 * row));
            QCOMPARE(accepted.count(), 0);
        }
        // Every cell lies inside the window, in order and apart from the cells beside and below.
        for (int i = 0; i < 36; ++i) {
            const QRect cell = a.Cell(i)->geometry();
            QVERIFY(a.window.rect().contains(cell));
            QVERIFY(i % 6 == 5 || a.Cell(i + 1)->x() > cell.center().x());
            QVERIFY(i >= 30 || a.Cell(i + 6)->y() > cell.center().y());
        }
        QVERIFY(a.window.Step()); // the last pause before closing
        QCOMPARE(accepted.count(), 0);
        QVERIFY(!a.window.Step());
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(a.set.Word(), std::string("cartes")); // never read
        QVERIFY(!a.Ticking());
        QCOMPARE(a.window.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!a.window.Step());
    }

    // The real timers drive the same steps: one anagram, a tick to draw it, one to close.
    void playsByItselfAndClosesAfterTheLast() {
        Anagrams a({"danger"});
        a.window.SpeedUp(100);
        QTimer::singleShot(10000, &a.window, &QDialog::reject); // only if it hangs
        QCOMPARE(a.window.exec(), int(QDialog::Accepted));
        QCOMPARE(a.Row(0), QStringLiteral("DANGER"));
        QCOMPARE(a.Row(-1), QStringLiteral("GARDEN"));
    }
};

QTEST_MAIN(AnagramWindowTest)
#include "AnagramWindowTest.moc"
