// What the game opens before its first window: where its files are, the instance lock and the
// database. What a start does with bad files and places in them: BadFilesTest.

#include "core/startup/GameFiles.h"

#include "support/SampleLexelFile.h"
#include "support/SampleWordLists.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <pwd.h>
#include <thread>
#include <unistd.h>

namespace lexel {
namespace {

namespace fs = std::filesystem;

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

// Installed, a start makes the user's file from the shipped word lists: folders and files are
// the user's alone whatever the umask, and a link planted where the file is made is replaced,
// never written through.
TEST_F(GameFilesTest, TheUsersCopyIsTheUsersAloneAndNoLinkIsWrittenThrough) {
    test::WriteWordLists(share);
    const auto before = ::umask(0);
    auto files = OpenGameFiles(bin, user);
    ::umask(before);
    ASSERT_TRUE(files.Ready());
    EXPECT_EQ(files.places.dataDirectory, user);
    EXPECT_EQ(files.places.helpDirectory, share);
    for (const auto& folder : {root / "home", root / "home/.local/share/Morvane", user}) {
        EXPECT_EQ(fs::symlink_status(folder).permissions(), fs::perms::owner_all) << folder;
    }
    for (const auto* name : {"Lexel.lxl", "Lexel.lock"}) {
        EXPECT_EQ(fs::symlink_status(user / name).permissions(),
                  fs::perms::owner_read | fs::perms::owner_write)
            << name;
    }
    files = {};
    fs::remove(user / "Lexel.lxl");
    std::ofstream(root / "victim") << "keep";
    for (const auto* planted : {"Lexel.lxl.new", "Lexel.lxl.made", "Lexel.lxl.made-journal"}) {
        fs::remove(user / "Lexel.lxl");
        fs::create_symlink(root / "victim", user / planted);
        EXPECT_TRUE(OpenGameFiles(bin, user).Ready()) << planted;
        EXPECT_EQ(test::FileBytes(root / "victim"), "keep") << planted;
        fs::remove(user / planted);
    }
}

// An upgrade's lists reach a player who has a file already, at the next start, and the
// player's rows stay.
TEST_F(GameFilesTest, AnUpgradesWordsReachThePlayersFileAtTheNextStart) {
    test::WriteWordLists(share);
    {
        auto first = OpenGameFiles(bin, user);
        ASSERT_TRUE(first.Ready());
        first.db->Execute("UPDATE Options SET Value = 'D' WHERE Name = 'Language'");
    }
    auto upgraded = test::SampleLists();
    upgraded.quotes.push_back({"Haste", "A Proverb", "More haste, less speed."});
    test::WriteWordLists(share, upgraded);
    auto files = OpenGameFiles(bin, user);
    ASSERT_TRUE(files.Ready());
    EXPECT_EQ(sql::QueryInt(*files.db, "SELECT COUNT(*) FROM Quotes"), 2);
    EXPECT_EQ(test::StoredOption(*files.db, "Language"), "D");
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
