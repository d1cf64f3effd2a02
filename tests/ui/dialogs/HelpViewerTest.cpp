#include "ui/dialogs/HelpViewer.h"

#include "support/WindowFixture.h"

#include <QTextBrowser>
#include <QtTest>

using namespace lexel;

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    // Every topic opens at its heading in the language of the moment, and its links lead to the
    // other topics.
    void everyTopicInBothLanguages() {
        const std::tuple<HelpTopic, const char*, const char*> topics[] = {
            {HelpTopic::Game, "Morvane Lexel: the game and its rules",
             "Morvane Lexel: Das Spiel und seine Regeln"},
            {HelpTopic::Statistics, "High scores and statistics", "High Scores und Statistik"},
            {HelpTopic::Playing, "Playing Morvane Lexel", "So wird gespielt"},
            {HelpTopic::Options, "Options", "Einstellungen"},
        };
        test::WindowFixture f("E");
        HelpFiles help(LEXEL_HELP_DIR, f.languageSwitch, f.boxes);
        for (const bool inGerman : {false, true}) {
            f.languageSwitch.Apply(test::LanguageOf(inGerman ? "D" : "E"));
            for (const auto& [topic, english, german] : topics) {
                QTimer::singleShot(0, [&] {
                    auto* viewer = qobject_cast<HelpViewer*>(QApplication::activeModalWidget());
                    QVERIFY(viewer != nullptr);
                    const auto close = qScopeGuard([viewer] { viewer->reject(); });
                    auto* browser = viewer->browser();
                    QCOMPARE(viewer->windowTitle(),
                             QString(inGerman ? "Hilfe zu Morvane Lexel" : "Morvane Lexel Help"));
                    QCOMPARE(browser->document()->toPlainText().section(u'\n', 0, 0).trimmed(),
                             QString(inGerman ? german : english));
                    for (int other = 2; other <= 4 && topic == HelpTopic::Game; ++other) {
                        const auto link = QStringLiteral("topic%1.html").arg(other);
                        QVERIFY(browser->toHtml().contains(link));
                        // What a click on the link does: the target relative to the page shown.
                        browser->setSource(browser->source().resolved(QUrl(link)));
                        QCOMPARE(browser->source().path(),
                                 QStringLiteral("/help/%1/%2").arg(inGerman ? "D" : "E", link));
                        QVERIFY(browser->document()->toPlainText().size() > 500);
                        browser->setSource(browser->source().resolved(QUrl("topic1.html")));
                    }
                });
                help.ShowTopic(topic);
            }
        }
        QVERIFY(f.boxes.shown.empty());
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
