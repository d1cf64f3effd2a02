#include "core/startup/GamePlaces.h"

#include "core/startup/GameFiles.h"
#include "core/store/LexelFile.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <QStringList>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lexel {
namespace {

namespace fs = std::filesystem;

// "started", or the first line of the one message shown and its last line with `root` left out.
std::string Outcome(const GameFiles& files, const fs::path& root) {
    if (files.Ready()) {
        return files.notices.Notices().empty() ? "started" : "started with a message";
    }
    if (files.notices.Notices().size() != 1) {
        return std::to_string(files.notices.Notices().size()) + " messages";
    }
    const auto lines = files.notices.Notices()[0].text.split(u'\n');
    auto last = lines.back().toStdString();
    if (const auto at = last.find(root.string()); at != std::string::npos) {
        last.erase(at, root.string().size() + 1);
    }
    return lines.front().toStdString() + " | " + last;
}

mode_t ModeOf(const fs::path& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status.st_mode & 07777;
}

class GamePlacesTest : public ::testing::Test {
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

TEST_F(GamePlacesTest, AnInstalledGameCopiesTheTemplateOnceForEachUser) {
    test::CreateSampleFile(share / "Lexel.lxl");
    const auto before = test::FileBytes(share / "Lexel.lxl");
    const auto places = FindGamePlaces(bin, user);
    EXPECT_EQ(places.dataDirectory, user);
    EXPECT_EQ(places.helpDirectory, share);
    ASSERT_TRUE(fs::exists(user / "Lexel.lxl"));
    EXPECT_EQ(test::FileBytes(user / "Lexel.lxl"), before);
    EXPECT_FALSE(fs::exists(user / "Lexel.lxl.new"));
    {
        auto db = OpenLexelFile(user / "Lexel.lxl"); // the copy is a working game file
        db.Execute("UPDATE Options SET Value = '7' WHERE Name = 'GamesPlayed'");
    }
    const auto played = test::FileBytes(user / "Lexel.lxl");
    FindGamePlaces(bin, user); // the second start finds the copy and keeps it
    EXPECT_EQ(test::FileBytes(user / "Lexel.lxl"), played);
    EXPECT_EQ(test::FileBytes(share / "Lexel.lxl"), before); // nothing written there
    EXPECT_EQ(std::distance(fs::directory_iterator(bin), fs::directory_iterator()), 0);
}

TEST_F(GamePlacesTest, AMissingTemplateIsReportedAsAMissingDatabase) {
    EXPECT_EQ(Outcome(OpenGameFiles(bin, user), root.path()),
              "Lexel database could not be found. | No such file or directory");
    EXPECT_TRUE(fs::is_directory(user)); // the instance lock goes there
    EXPECT_FALSE(fs::exists(user / "Lexel.lxl"));
}

// What a player's desktop leaves where the game keeps its files: locks of ended games, odd
// things under the game's names, planted links, unset variables. Each start either goes ahead
// or names the real cause, and writes nothing through a link or outside its own folder.

TEST_F(GamePlacesTest, ALockFileIsHeldOnlyByARunningGame) {
    const std::string lockFailed = "The lock file of Lexel could not be created.";
    const std::vector<std::tuple<std::string, std::function<void(const fs::path&)>, std::string>>
        cases{
            {"empty", [](const fs::path& f) { std::ofstream{f}; }, "started"},
            {"garbage", [](const fs::path& f) { std::ofstream(f) << "\x01\xff junk"; }, "started"},
            {"of a killed game",
             [](const fs::path& f) { std::ofstream(f) << "999999\nlexel\nvm\n"; }, "started"},
            {"a dangling link", [](const fs::path& f) { fs::create_symlink("nowhere", f); },
             lockFailed + " | Lexel.lock: is a symbolic link, which Lexel does not follow"},
            {"a link to a file",
             [&](const fs::path& f) {
                 std::ofstream(root / "victim") << "keep";
                 fs::create_symlink(root / "victim", f);
             },
             lockFailed + " | Lexel.lock: is a symbolic link, which Lexel does not follow"},
            {"a folder", [](const fs::path& f) { fs::create_directory(f); },
             lockFailed + " | Lexel.lock: Is a directory"},
            {"a named pipe", [](const fs::path& f) { ::mkfifo(f.c_str(), 0600); },
             lockFailed + " | Lexel.lock: is not a regular file"},
        };
    test::CreateSampleFile(bin / "Lexel.lxl");
    for (const auto& [what, make, expected] : cases) {
        SCOPED_TRACE("a lock file that is " + what);
        const auto lock = bin / "Lexel.lock";
        make(lock);
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

// A folder of the game's own, with something wrong with its Lexel.lxl: the message is about
// that file, and nothing is made in the user's data folder.
TEST_F(GamePlacesTest, TheGamesOwnFolderIsReportedNotTheUsers) {
    const std::string notOpened = "Lexel database could not be opened.";
    const std::vector<std::tuple<std::string, std::function<void(const fs::path&)>, std::string>>
        cases{
            {"a folder", [](const fs::path& f) { fs::create_directory(f); },
             notOpened + " | unable to open database file"},
            {"a dangling link", [](const fs::path& f) { fs::create_symlink("nowhere", f); },
             notOpened + " | The file is a symbolic link, which Lexel does not follow."},
            {"a link to a good file",
             [&](const fs::path& f) {
                 test::CreateSampleFile(root / "elsewhere.lxl");
                 fs::create_symlink(root / "elsewhere.lxl", f);
             },
             notOpened + " | The file is a symbolic link, which Lexel does not follow."},
        };
    for (const auto& [what, make, expected] : cases) {
        SCOPED_TRACE("Lexel.lxl beside the program is " + what);
        make(bin / "Lexel.lxl");
        EXPECT_EQ(Outcome(OpenGameFiles(bin, user), bin), expected);
        fs::remove_all(bin / "Lexel.lxl");
    }
    EXPECT_FALSE(fs::exists(root / "home"));
}

TEST_F(GamePlacesTest, ADataFolderThatCannotBeMadeIsNamed) {
    test::CreateSampleFile(share / "Lexel.lxl");
    fs::create_directory(root / "home");
    std::ofstream(root / "home/.local") << "a file where a folder belongs";
    EXPECT_EQ(Outcome(OpenGameFiles(bin, user), root.path()),
              "The data folder of Lexel could not be created. | home/.local: Not a directory");
    EXPECT_EQ(Outcome(OpenGameFiles(bin, {}), root.path()),
              "The data folder of Lexel could not be created. | no home folder: HOME is not set "
              "and the system names none");
}

TEST_F(GamePlacesTest, TheUsersFolderAndFilesAreTheUsersAloneWhateverTheUmask) {
    test::CreateSampleFile(share / "Lexel.lxl");
    const auto before = ::umask(0);
    auto files = OpenGameFiles(bin, user);
    ::umask(before);
    ASSERT_TRUE(files.Ready());
    for (const auto& folder : {root / "home", root / "home/.local/share/Morvane", user}) {
        EXPECT_EQ(ModeOf(folder), 0700u) << folder;
    }
    EXPECT_EQ(ModeOf(user / "Lexel.lxl"), 0600u);
    EXPECT_EQ(ModeOf(user / "Lexel.lock"), 0600u);
}

// Links planted where the game will write: the copy of the template, the database's journal.
// The file a link names keeps its bytes.
TEST_F(GamePlacesTest, PlantedLinksAreNeverWrittenThrough) {
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
        SCOPED_TRACE(std::string("HOME=") + (home ? home : "<unset>") +
                     " XDG_DATA_HOME=" + (data ? data : "<unset>"));
        home ? ::setenv("HOME", home, 1) : ::unsetenv("HOME");
        data ? ::setenv("XDG_DATA_HOME", data, 1) : ::unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(UserDataDirectory(), expected);
    }
}

} // namespace
} // namespace lexel
