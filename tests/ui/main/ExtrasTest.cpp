// The extras a player switches on reach the main window: the count of possible words under the
// board and the symbols on marked letters; an ended game offers its review, and a game of the
// day its result to share.

#include "support/MainWindowFixture.h"
#include "ui/board/BoardView.h"
#include "ui/controls/LetterButtonView.h"

#include <QClipboard>
#include <QLabel>

using namespace lexel;
using test::Child;
using test::Guess;

class ExtrasTest : public QObject {
    Q_OBJECT

private slots:
    void theOptionsShowTheCountAndTheSymbols() {
        int heightWithout = 0;
        for (const bool on : {false, true}) {
            test::MainWindowFixture f("E");
            f.settings.showPossibleWords = on;
            f.settings.markSymbols = on;
            auto& w = f.Start();
            auto* count = Child<QLabel>(w, QStringLiteral("possibleWordsLabel"));
            QCOMPARE(count->isVisible(), on);
            Guess("abc");
            Guess("ten"); // of garden and bobbin, only garden fits
            if (on) {
                QCOMPARE(count->text(), QStringLiteral("Possible words: 1"));
                QVERIFY(w.centralWidget()->height() > heightWithout);
            }
            heightWithout = w.centralWidget()->height();
            QCOMPARE(w.Board().GuessLetter(3)->mark().has_value(), on);
            QCOMPARE(Child<LetterButtonView>(w, QStringLiteral("usedLetter_19"))->symbols(), on);
        }
    }

    void anEndedGameOffersItsReviewAndADailyGameItsResult() {
        test::MainWindowFixture f("E");
        f.clock.now = 1796731200; // 2026-12-08 12:00 UTC
        auto& w = f.Start();
        const auto action = [&](const char* name) {
            return Child<QAction>(w, QString::fromLatin1(name));
        };
        QVERIFY(!action("reviewAction")->isEnabled());
        f.boxes.answers.push_back(MessageAnswer::Yes); // to giving up the game just started
        action("dailyGameAction")->trigger();
        QCOMPARE(w.windowTitle(), QStringLiteral("Morvane Lexel – Game of the Day 2026-12-08"));
        Guess("abc");
        {
            test::ModalCloser closer; // the statistics after the win
            auto& model = w.Model();
            for (int i = 0; i < HiddenWordLength; ++i) {
                model.SetSolutionCell(i, model.HiddenWordCapitals()[i]);
            }
            model.Solve();
        }
        QVERIFY(action("copyResultAction")->isEnabled());
        action("copyResultAction")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), w.Model().DailyResult());
        QString summary;
        QTimer::singleShot(0, [&] {
            auto* review = QApplication::activeModalWidget();
            summary = Child<QLabel>(*review, QStringLiteral("reviewSummary"))->text();
            review->close();
        });
        action("reviewAction")->trigger();
        QVERIFY2(summary.startsWith(QStringLiteral("Line 1 (ABC): 2 → 2")), qPrintable(summary));
    }
};

QTEST_MAIN(ExtrasTest)
#include "ExtrasTest.moc"
