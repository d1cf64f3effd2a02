#include "ui/dialogs/HelpViewer.h"

#include "support/WindowFixture.h"

#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

using namespace lexel;

namespace {

struct Shown {
    QString title;
    QString heading;
};

// Asks `help` for `topic` and reads what the viewer shows before closing it.
Shown ShowAndRead(Help& help, HelpTopic topic) {
    auto shown = std::make_shared<Shown>();
    QTimer::singleShot(0, [shown] {
        if (auto* viewer = qobject_cast<HelpViewer*>(QApplication::activeModalWidget())) {
            shown->title = viewer->windowTitle();
            shown->heading =
                viewer->browser()->document()->toPlainText().section(u'\n', 0, 0).trimmed();
            QTest::keyClick(viewer, Qt::Key_Escape);
        }
    });
    help.ShowTopic(topic);
    return *shown;
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void everyTopicInBothLanguages() {
        const struct {
            HelpTopic topic;
            const char* english;
            const char* german;
        } topics[] = {
            {HelpTopic::Game, "Morvane Lexel: the game and its rules",
             "Morvane Lexel: Das Spiel und seine Regeln"},
            {HelpTopic::Statistics, "High scores and statistics", "High Scores und Statistik"},
            {HelpTopic::Playing, "Playing Morvane Lexel", "So wird gespielt"},
            {HelpTopic::Options, "Options", "Einstellungen"},
        };
        for (const bool german : {false, true}) {
            test::WindowFixture f(german ? "D" : "E");
            HelpFiles help(LEXEL_HELP_DIR, f.languageSwitch, f.boxes);
            for (const auto& t : topics) {
                const auto shown = ShowAndRead(help, t.topic);
                QCOMPARE(shown.heading, QString::fromUtf8(german ? t.german : t.english));
                QCOMPARE(shown.title, german ? QStringLiteral("Hilfe zu Morvane Lexel")
                                             : QStringLiteral("Morvane Lexel Help"));
            }
            QVERIFY(f.boxes.shown.empty());
        }
    }

    void linksLeadToTheOtherTopics() {
        test::WindowFixture f("E");
        HelpFiles help(LEXEL_HELP_DIR, f.languageSwitch, f.boxes);
        ShowAndRead(help, HelpTopic::Game); // registers the English file
        for (const char* language : {"E", "D"}) {
            f.languageSwitch.Apply(test::LanguageOf(language));
            ShowAndRead(help, HelpTopic::Game);
            HelpViewer viewer(QLatin1String(language), HelpTopic::Game);
            auto* browser = viewer.browser();
            for (int topic = 2; topic <= 4; ++topic) {
                const auto link = QStringLiteral("topic%1.html").arg(topic);
                QVERIFY(browser->toHtml().contains(link));
                // What a click on the link does: the target relative to the page shown.
                browser->setSource(browser->source().resolved(QUrl(link)));
                QCOMPARE(browser->source().path(),
                         QStringLiteral("/help/%1/%2").arg(QLatin1String(language), link));
                QVERIFY(browser->document()->toPlainText().size() > 500);
                browser->setSource(browser->source().resolved(QUrl(QStringLiteral("topic1.html"))));
            }
        }
    }

    void aMissingHelpFileIsSaid() {
        test::WindowFixture f("D");
        HelpFiles help(f.dir.path(), f.languageSwitch, f.boxes);
        help.ShowTopic(HelpTopic::Options);
        QCOMPARE(f.boxes.shown.size(), std::size_t{1});
        QCOMPARE(f.boxes.shown[0].text,
                 QStringLiteral("Die Hilfedatei Lexel_D.rcc konnte nicht geöffnet werden."));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
