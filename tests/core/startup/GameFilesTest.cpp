// What the game opens before its first window: where its files are, the instance lock and the
// database, and the notices kept until windows can show them. Whatever a player's desktop leaves
// where the game keeps its files (locks of ended games, odd things under the game's names,
// planted links, unset variables), each start either goes ahead or names the real cause, and
// writes nothing through a link or outside its own folder. A second instance: BadFilesTest.

#include "core/startup/GameFiles.h"

#include "support/FakeMessageBoxes.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <fstream>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace lexel {
namespace {

namespace fs = std::filesystem;

// "started", or the first line of the one message shown and its last line with `root` left out.
std::string Outcome(const GameFiles& files, const fs::path& root) {
    const auto& notices = files.notices.Notices();
    if (notices.size() != 1) {
        return files.Ready() && notices.empty() ? "started"
                                                : std::to_string(notices.size()) + " messages";
    }
    const auto lines = notices[0].text.split(u'\n');
    return QString(lines.front() + " | " + lines.back())
        .remove(QString::fromStdString(root.string() + '/'))
        .toStdString();
}

class GameFilesTest : public ::testing::Test {
protected:
    test::TempDir root;
    fs::path bin = root / "prefix/bin";
    fs::path share = root / "prefix/share/lexel";
    fs::path user = root / "home/.local/share/Morvane/Lexel";

    void SetUp() override {
        fs::create_directories(bin);
        fs::create_directories(share);
    }
};

TEST_F(GameFilesTest, ALockFileIsHeldOnlyByARunningGame) {
    const auto lock = bin / "Lexel.lock";
    const std::string failed = "The lock file of Lexel could not be created. | Lexel.lock: ";
    const auto link = failed + "is a symbolic link, which Lexel does not follow";
    const std::vector<std::tuple<std::string, std::function<void()>, std::string>> cases{
        {"empty", [&] { std::ofstream{lock}; }, "started"},
        {"garbage", [&] { std::ofstream(lock) << "\x01\xff junk"; }, "started"},
        {"of a killed game", [&] { std::ofstream(lock) << "999999\nlexel\nvm\n"; }, "started"},
        {"a dangling link", [&] { fs::create_symlink("nowhere", lock); }, link},
        {"a link to a file", [&] { fs::create_symlink(root / "victim", lock); }, link},
        {"a folder", [&] { fs::create_directory(lock); }, failed + "Is a directory"},
        {"a named pipe", [&] { ::mkfifo(lock.c_str(), 0600); }, failed + "is not a regular file"}};
    test::CreateSampleFile(bin / "Lexel.lxl");
    std::ofstream(root / "victim") << "keep";
    for (const auto& [what, make, expected] : cases) {
        SCOPED_TRACE("a lock file that is " + what);
        make();
        auto files = OpenGameFiles(bin, user);
        EXPECT_EQ(Outcome(files, bin), expected);
        const bool started = files.Ready();
        files = {};
        EXPECT_EQ(fs::exists(fs::symlink_status(lock)), !started) << "only the game's own goes";
        fs::remove_all(lock);
    }
    EXPECT_EQ(test::FileBytes(root / "victim"), "keep");
    EXPECT_FALSE(fs::exists(user));
}

// A start that cannot go ahead names the cause and makes no more than the user's folder, where
// the lock goes. Anything named Lexel.lxl beside the program, even a folder or a link, makes that
// folder the game's own: the message is about that file, and nothing is made in the home.
TEST_F(GameFilesTest, AStartThatCannotGoAheadNamesTheCause) {
    const auto own = bin / "Lexel.lxl";
    const std::string notOpened = "Lexel database could not be opened. | ";
    const std::string noFolder = "The data folder of Lexel could not be created. | ";
    // What to make, the user's folder, the outcome, whether the home is there afterwards.
    const std::vector<std::tuple<std::function<void()>, fs::path, std::string, bool>> cases{
        {[] {}, user, "Lexel database could not be found. | No such file or directory", true},
        {[&] { fs::create_directory(own); }, user, notOpened + "unable to open database file",
         false},
        {[&] { fs::create_symlink("nowhere", own); }, user,
         notOpened + "The file is a symbolic link, which Lexel does not follow.", false},
        {[&] { std::ofstream(root / "home") << "a file where a folder belongs"; }, user,
         noFolder + "home: Not a directory", true},
        {[] {}, {}, noFolder + "no home folder: HOME is not set and the system names none", false}};
    for (const auto& [make, userFolder, expected, home] : cases) {
        SCOPED_TRACE(expected);
        make();
        EXPECT_EQ(Outcome(OpenGameFiles(bin, userFolder), root.path()), expected);
        EXPECT_EQ(fs::exists(root / "home"), home);
        EXPECT_FALSE(fs::exists(user / "Lexel.lxl"));
        fs::remove_all(own);
        fs::remove_all(root / "home");
    }
}

TEST_F(GameFilesTest, TheUsersFolderAndFilesAreTheUsersAloneWhateverTheUmask) {
    test::CreateSampleFile(share / "Lexel.lxl");
    const auto before = ::umask(0);
    auto files = OpenGameFiles(bin, user);
    ::umask(before);
    ASSERT_TRUE(files.Ready());
    EXPECT_EQ(files.places.dataDirectory, user); // a copy of the template in share
    EXPECT_EQ(files.places.helpDirectory, share);
    for (const auto& folder : {root / "home", root / "home/.local/share/Morvane", user}) {
        EXPECT_EQ(fs::symlink_status(folder).permissions(), fs::perms::owner_all) << folder;
    }
    const auto own = fs::perms::owner_read | fs::perms::owner_write;
    EXPECT_EQ(fs::symlink_status(user / "Lexel.lxl").permissions(), own);
    EXPECT_EQ(fs::symlink_status(user / "Lexel.lock").permissions(), own);
}

// Links planted where the game will write: the copy of the template, the database's journal.
// The file a link names keeps its bytes.
TEST_F(GameFilesTest, PlantedLinksAreNeverWrittenThrough) {
    test::CreateSampleFile(share / "Lexel.lxl");
    const std::string victim(4096, 'v');
    std::ofstream(root / "victim") << victim;
    fs::create_directories(user);
    fs::create_symlink(root / "victim", user / "Lexel.lxl.new");
    auto files = OpenGameFiles(bin, user);
    EXPECT_EQ(Outcome(files, root.path()), "started");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(user / "Lexel.lxl")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(user / "Lexel.lxl.new")));
    files = {};

    fs::create_symlink(root / "victim", user / "Lexel.lxl-journal");
    EXPECT_EQ(Outcome(OpenGameFiles(bin, user), root.path()),
              "Lexel database could not be opened. | unable to open database file");
    EXPECT_EQ(test::FileBytes(root / "victim"), victim);
}

TEST(UserDataFolder, FollowsTheXdgRulesAndFallsBackToThePasswdHome) {
    const auto* entry = ::getpwuid(::getuid());
    ASSERT_NE(entry, nullptr);
    const fs::path passwdHome = entry->pw_dir;
    const std::vector<std::tuple<const char*, const char*, fs::path>> cases{
        {"/home/a", nullptr, "/home/a/.local/share/Morvane/Lexel"},
        {"/home/a", "/data", "/data/Morvane/Lexel"},
        {"/home/a", "relative/data", "/home/a/.local/share/Morvane/Lexel"},
        {"", nullptr, passwdHome / ".local/share/Morvane/Lexel"},
        {nullptr, "", passwdHome / ".local/share/Morvane/Lexel"},
    };
    for (const auto& [home, data, expected] : cases) {
        SCOPED_TRACE(::testing::Message() << "HOME=" << (home ? home : "<unset>")
                                          << " XDG_DATA_HOME=" << (data ? data : "<unset>"));
        home ? ::setenv("HOME", home, 1) : ::unsetenv("HOME");
        data ? ::setenv("XDG_DATA_HOME", data, 1) : ::unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(UserDataDirectory(), expected);
    }
}

// Start-up notes its messages before any window exists; they are shown later, in their order.
TEST(NoticeQueue, ShowsWhatItHeldInItsOrder) {
    NoticeQueue queue;
    queue.Show({MessageIcon::Information, QStringLiteral("first")});
    queue.Show({MessageIcon::Critical, QStringLiteral("second")});
    test::FakeMessageBoxes boxes;
    queue.ShowAll(boxes);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("first"));
    EXPECT_EQ(boxes.shown[1].icon, MessageIcon::Critical);
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
    // A build tree or an unpacked copy keeps its own database and help beside the program.
    EXPECT_EQ(files.places.dataDirectory, bin);
    EXPECT_EQ(files.places.helpDirectory, bin);
}

} // namespace
} // namespace lexel
