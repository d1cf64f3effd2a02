#include "core/startup/GameFiles.h"

#include "support/FakeMessageBoxes.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QThread>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace lexel {
namespace {

namespace fs = std::filesystem;

const QString Running = QString::fromUtf8("Lexel is already running.\nLexel läuft bereits.");

class GameFilesTest : public ::testing::Test {
protected:
    test::TempDir root;
    fs::path bin = root / "bin";
    fs::path user = root / "user";

    void SetUp() override { fs::create_directories(bin); }
};

TEST_F(GameFilesTest, ASecondInstanceGetsANoticeAndNoDatabase) {
    test::CreateSampleFile(bin / "Lexel.lxl");
    auto first = OpenGameFilesInBackground(bin).get();
    ASSERT_TRUE(first.Ready());
    EXPECT_TRUE(first.notices.Notices().empty());
    EXPECT_EQ(first.places.dataDirectory, bin); // a build tree keeps its own database
    EXPECT_EQ(first.places.helpDirectory, bin);
    EXPECT_TRUE(fs::exists(bin / "Lexel.lock"));

    const auto second = OpenGameFiles(bin, user);
    EXPECT_FALSE(second.Ready());
    EXPECT_FALSE(second.db.has_value()) << "the database is not even tried";
    ASSERT_EQ(second.notices.Notices().size(), 1u);
    EXPECT_EQ(second.notices.Notices()[0].text, Running);

    first = {};
    EXPECT_TRUE(OpenGameFiles(bin, user).Ready());
}

TEST_F(GameFilesTest, NoticesWaitUntilTheyAreShownInTheirOrder) {
    const auto files = OpenGameFiles(bin, user); // no database anywhere
    EXPECT_TRUE(files.instance.has_value());
    EXPECT_FALSE(files.Ready());
    ASSERT_EQ(files.notices.Notices().size(), 1u);

    test::FakeMessageBoxes boxes;
    NoticeQueue queue;
    queue.Show({MessageIcon::Information, Running});
    queue.Show(files.notices.Notices()[0]);
    EXPECT_TRUE(boxes.shown.empty());
    queue.ShowAll(boxes);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, Running);
    EXPECT_EQ(boxes.shown[1].icon, MessageIcon::Critical);
    EXPECT_TRUE(
        boxes.shown[1].text.startsWith(QStringLiteral("Lexel database could not be found.")));
}

// Qt takes the first thread that makes a Qt object for its main thread, as long as that thread
// lives. The files are opened on a second thread while the application object is made; an object
// made there (a lock file, say) would leave the application beside Qt's main thread and its
// window deaf to input. Here the second thread outlives the application object's making.
TEST_F(GameFilesTest, OpeningTheFilesMakesNoQtObjectOnItsThread) {
    test::CreateSampleFile(bin / "Lexel.lxl");
    std::ofstream(bin / "Lexel.lock") << "999999\nlexel\nvm\n"; // left by a killed game
    std::promise<GameFiles> opened;
    std::promise<void> applicationMade;
    std::thread opener([&] {
        opened.set_value(OpenGameFiles(bin, user));
        applicationMade.get_future().wait();
    });
    const auto files = opened.get_future().get();
    static QStringList warnings;
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings.append(text); });
    int argc = 1;
    char name[] = "lexel";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    applicationMade.set_value();
    opener.join();
    EXPECT_TRUE(files.Ready());
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
}

} // namespace
} // namespace lexel
