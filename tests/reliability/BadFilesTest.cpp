// The game facing a Lexel file that is damaged, misplaced, protected or in use: it refuses with
// the right start-up message and leaves the file exactly as it was, or it opens and copes.

#include "game/DatabaseStartup.h"
#include "game/Startup.h"
#include "settings/HighScores.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "store/LexelFile.h"
#include "support/FakeMessageBoxes.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <QLockFile>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lexel {
namespace {

namespace fs = std::filesystem;

constexpr int ChildTimeoutMillis = 10000;

QString NotOpened(const char* reason) {
    return QString::fromUtf8("Lexel database could not be opened.\n"
                             "Lexel-Datenbank konnte nicht geöffnet werden.\n") +
           QString::fromUtf8(reason);
}

QString NotFound(const char* reason) {
    return QString::fromUtf8("Lexel database could not be found.\n"
                             "Lexel-Datenbank konnte nicht gefunden werden.\n") +
           QString::fromUtf8(reason);
}

// Runs the game's open in `dir` and returns the text of the one critical message it showed.
QString RefusalOf(const fs::path& dir) {
    test::FakeMessageBoxes boxes;
    auto db = OpenDB(dir, boxes);
    EXPECT_FALSE(db.has_value()) << "the file was opened";
    if (boxes.shown.size() != 1) {
        ADD_FAILURE() << boxes.shown.size() << " messages instead of one";
        return {};
    }
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok);
    return boxes.shown[0].text;
}

std::vector<std::string> DirectoryListing(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Reads what a child wrote until it closes its end, for at most ChildTimeoutMillis.
std::string ReadAll(int fd) {
    std::string text;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(ChildTimeoutMillis);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd waiting{fd, POLLIN, 0};
        char chunk[512];
        if (poll(&waiting, 1, 100) <= 0) {
            continue;
        }
        const auto n = read(fd, chunk, sizeof chunk);
        if (n <= 0) {
            break;
        }
        text.append(chunk, static_cast<std::size_t>(n));
    }
    return text;
}

// A forked process running `body`. The child reports with Tell() and waits with AwaitGo(); the
// parent reads with Heard() and releases it with Go(). A child still running at the end of the
// test is killed.
class Child {
public:
    explicit Child(const std::function<void(Child&)>& body) {
        if (pipe(up_) != 0 || pipe(down_) != 0) {
            throw std::runtime_error("pipe failed");
        }
        pid_ = fork();
        if (pid_ == 0) {
            close(up_[0]);
            close(down_[1]);
            int code = 0;
            try {
                body(*this);
            } catch (const std::exception& e) {
                Tell(std::string("exception: ") + e.what());
                code = 1;
            }
            _exit(code);
        }
        close(up_[1]);
        close(down_[0]);
    }

    ~Child() {
        if (pid_ > 0) {
            Kill();
        }
        close(up_[0]);
        close(down_[1]);
    }

    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // In the child.
    void Tell(const std::string& text) {
        const std::string line = text + '\n';
        [[maybe_unused]] const auto n = write(up_[1], line.data(), line.size());
    }
    void AwaitGo() {
        char go = 0;
        [[maybe_unused]] const auto n = read(down_[0], &go, 1);
    }

    // In the parent: the next line the child told, "" when it ended or timed out first.
    std::string Heard() {
        while (buffer_.find('\n') == std::string::npos) {
            pollfd waiting{up_[0], POLLIN, 0};
            char chunk[512];
            if (poll(&waiting, 1, ChildTimeoutMillis) <= 0) {
                return {};
            }
            const auto n = read(up_[0], chunk, sizeof chunk);
            if (n <= 0) {
                return {};
            }
            buffer_.append(chunk, static_cast<std::size_t>(n));
        }
        const auto end = buffer_.find('\n');
        auto line = buffer_.substr(0, end);
        buffer_.erase(0, end + 1);
        return line;
    }
    void Go() { [[maybe_unused]] const auto n = write(down_[1], "g", 1); }
    int Wait() {
        int status = 0;
        waitpid(std::exchange(pid_, -1), &status, 0);
        return status;
    }
    int Kill() {
        kill(pid_, SIGKILL);
        return Wait();
    }
    std::string Rest() { return buffer_ + ReadAll(up_[0]); }

private:
    pid_t pid_ = -1;
    int up_[2] = {-1, -1};
    int down_[2] = {-1, -1};
    std::string buffer_;
};

// ---------------------------------------------------------------------------------------------

class DamagedLexelFile : public ::testing::Test {
protected:
    void SetUp() override {
        test::CreateSampleFile(good);
        auto db = OpenLexelFileForMaintenance(good);
        pageSize = static_cast<std::size_t>(sql::QueryInt(db, "PRAGMA page_size").value_or(0));
        db.Close();
        goodBytes = test::FileBytes(good);
        ASSERT_GT(pageSize, 0u);
        ASSERT_EQ(goodBytes.size() % pageSize, 0u);
    }

    void Place(const std::string& bytes) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    }

    test::TempDir sources;
    fs::path good = sources / "good.lxl";
    std::string goodBytes;
    std::size_t pageSize = 0;
    test::TempDir dir;
    fs::path file = dir / "Lexel.lxl";
};

TEST_F(DamagedLexelFile, TruncatedCopiesAreRefusedUntouched) {
    const std::size_t pages = goodBytes.size() / pageSize;
    const std::vector<std::pair<std::size_t, const char*>> cuts{
        {100, "file is encrypted or is not a database"},
        {pageSize, "database disk image is malformed"},
        {pageSize + pageSize / 2, "database disk image is malformed"},
        {pages / 2 * pageSize, "database disk image is malformed"},
        {goodBytes.size() - pageSize, "database disk image is malformed"},
    };
    for (const auto& [size, reason] : cuts) {
        SCOPED_TRACE("cut after " + std::to_string(size) + " of " +
                     std::to_string(goodBytes.size()) + " bytes");
        const auto bytes = goodBytes.substr(0, size);
        Place(bytes);
        EXPECT_EQ(RefusalOf(dir.path()), NotOpened(reason));
        EXPECT_EQ(test::FileBytes(file), bytes);
        EXPECT_EQ(DirectoryListing(dir.path()), std::vector<std::string>{"Lexel.lxl"});
    }
}

// The engine counts a partial page as a page, so a file cut inside its last page would open and
// fail at the first read of that page; the open checks the size against the pages.
TEST_F(DamagedLexelFile, ACopyCutInsideItsLastPageIsRefusedUntouched) {
    const auto bytes = goodBytes.substr(0, goodBytes.size() - pageSize / 2);
    Place(bytes);
    EXPECT_EQ(RefusalOf(dir.path()), NotOpened("database disk image is malformed"));
    EXPECT_EQ(test::FileBytes(file), bytes);
}

TEST_F(DamagedLexelFile, APlainUnencryptedCopyIsRefusedUntouched) {
    std::ofstream(file).close(); // the export below writes into an existing, empty file
    {
        auto db = OpenLexelFileForMaintenance(good);
        db.Prepare("ATTACH DATABASE ? AS plain KEY ''").Bind(1, file.string()).Run();
        db.Prepare("SELECT sqlcipher_export('plain')").Step();
        db.Execute("DETACH DATABASE plain");
    }
    const auto bytes = test::FileBytes(file);
    ASSERT_EQ(bytes.substr(0, 16), std::string("SQLite format 3\0", 16)) << "not a plain copy";
    EXPECT_EQ(RefusalOf(dir.path()), NotOpened("file is encrypted or is not a database"));
    EXPECT_EQ(test::FileBytes(file), bytes);
}

// ---------------------------------------------------------------------------------------------

class DamagedOptions : public ::testing::Test {
protected:
    void Store(const std::string& key, const std::optional<std::string>& value) {
        auto update = db.Prepare("UPDATE Options SET Value = ? WHERE Name = ?");
        if (value) {
            update.Bind(1, *value);
        } else {
            update.BindNull(1);
        }
        update.Bind(2, key).Run();
    }
    std::string Stored(const std::string& key) { return test::StoredOption(db, key); }

    test::TempDir dir;
    fs::path file = dir / "Lexel.lxl";
    sql::Database db = test::OpenSampleFile(file);
    SettingsStore store{db};
};

TEST_F(DamagedOptions, MissingRowsDoNotStopTheGameAndComeBackWithTheirDefaults) {
    {
        auto remove = db.Prepare("DELETE FROM Options WHERE Name = ?");
        for (const char* key : {"Timer", "GamesWon", "HighScore4"}) {
            remove.Bind(1, key).Run();
        }
    }
    db.Close();
    const auto before = test::FileBytes(file);
    test::FakeMessageBoxes boxes;
    auto game = OpenDB(dir.path(), boxes);
    ASSERT_TRUE(game.has_value());
    EXPECT_TRUE(boxes.shown.empty());
    CloseDB(*game);
    EXPECT_EQ(test::FileBytes(file), before) << "opening wrote to the file";

    db = OpenLexelFile(file);
    SettingsStore reopened(db);
    EXPECT_TRUE(ReadSettings(reopened).Timer);
    reopened.IncrementCounter("GamesWon");
    EXPECT_TRUE(EnterHighScore(reopened, "garden", "40"));
    EXPECT_EQ(Stored("Timer"), "Y");
    EXPECT_EQ(Stored("GamesWon"), "1");
    EXPECT_EQ(Stored("HighScore1"), "GARDEN40");
    EXPECT_EQ(Stored("HighScore5"), "??????0"); // the lost rank 4 moved down as an empty entry
}

TEST_F(DamagedOptions, JunkCountersCountOnFromTheirNumericValue) {
    const std::vector<std::pair<std::optional<std::string>, std::string>> cases{
        {"junk", "1"}, {"12abc", "13"}, {"", "1"},     {std::nullopt, "1"},
        {"-5", "-4"},  {" 7 ", "8"},    {"0x10", "1"}, {"\xff\xfe", "1"},
    };
    for (const char* key : {"GamesPlayed", "GamesWon"}) {
        for (const auto& [stored, counted] : cases) {
            SCOPED_TRACE(std::string(key) + " holding '" + stored.value_or("<null>") + "'");
            Store(key, stored);
            store.IncrementCounter(key);
            EXPECT_EQ(Stored(key), counted);
        }
    }
}

// The numeric value is held within 64 bits; a counter at the largest value stays there rather
// than wrapping round into the most negative one.
TEST_F(DamagedOptions, ACounterAtTheTopOfTheRangeDoesNotWrapAround) {
    for (const char* stored : {"9223372036854775807", "99999999999999999999999"}) {
        SCOPED_TRACE(stored);
        Store("GamesPlayed", std::string(stored));
        store.IncrementCounter("GamesPlayed");
        EXPECT_GE(std::stod(Stored("GamesPlayed")), 9.2e18);
    }
}

TEST_F(DamagedOptions, JunkHighScoreRowsCountAsEmptyEntries) {
    const std::vector<std::optional<std::string>> table{
        "PLANET900", "junk",    std::nullopt, "GARDEN700", "ABCDEFxyz",
        "",          "??????0", "??????0",    "??????0",   "??????0"};
    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
        Store(HighScoreKey(rank), table[rank - 1]);
    }
    ASSERT_TRUE(EnterHighScore(store, "silver", "500"));
    const std::vector<std::string> expected{"PLANET900", "SILVER500", "junk", "",
                                            "GARDEN700", "ABCDEFxyz", "",     "??????0",
                                            "??????0",   "??????0"};
    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
        EXPECT_EQ(Stored(HighScoreKey(rank)), expected[rank - 1]) << "rank " << rank;
    }

    const auto before = test::FileBytes(file);
    for (const char* score : {"junk", "-3", "0"}) {
        EXPECT_FALSE(EnterHighScore(store, "danger", score)) << score;
    }
    EXPECT_EQ(test::FileBytes(file), before) << "a score that did not enter was written";
}

// ---------------------------------------------------------------------------------------------
// File modes stop no write of root's, so as root each case runs in a child that has switched
// to the unprivileged user "nobody"; the files then belong to that user.

constexpr uid_t Nobody = 65534;

class ProtectedPlaces : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(gameDir);
        test::CreateSampleFile(file);
        if (geteuid() == 0) {
            chmod(top.path().c_str(), 0711);
            ASSERT_EQ(chown(gameDir.c_str(), Nobody, Nobody), 0);
            ASSERT_EQ(chown(file.c_str(), Nobody, Nobody), 0);
        }
        before = test::FileBytes(file);
    }

    void TearDown() override {
        chmod(gameDir.c_str(), 0755);
        chmod(file.c_str(), 0644);
    }

    // The start-up message the game shows as an ordinary user, "" when it opened the file;
    // none when root cannot become an ordinary user here.
    std::optional<std::string> MessageAsUser() {
        Child child([&](Child& self) {
            if (geteuid() == 0 &&
                (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0)) {
                self.Tell("no user switch");
                return;
            }
            test::FakeMessageBoxes boxes;
            const bool opened = OpenDB(gameDir, boxes).has_value();
            self.Tell(opened ? "opened" : "refused");
            for (const auto& message : boxes.shown) {
                self.Tell(message.text.toStdString());
            }
        });
        const auto verdict = child.Heard();
        child.Wait();
        if (verdict == "no user switch") {
            return std::nullopt;
        }
        return verdict == "opened" ? std::string() : child.Rest();
    }

    test::TempDir top;
    fs::path gameDir = top / "game";
    fs::path file = gameDir / "Lexel.lxl";
    std::string before;
};

constexpr const char* NoUserSwitch =
    "running as root without the right to switch to an ordinary user, so no file mode applies";

TEST_F(ProtectedPlaces, AReadOnlyFileIsRefusedUntouched) {
    chmod(file.c_str(), 0444);
    const auto message = MessageAsUser();
    if (!message) {
        GTEST_SKIP() << NoUserSwitch;
    }
    EXPECT_EQ(*message, (NotOpened("attempt to write a readonly database") + '\n').toStdString());
    EXPECT_EQ(test::FileBytes(file), before);
    EXPECT_EQ(DirectoryListing(gameDir), std::vector<std::string>{"Lexel.lxl"});
}

TEST_F(ProtectedPlaces, AnUnreadableFileIsNotFoundWithTheSystemsReason) {
    chmod(file.c_str(), 0200);
    const auto message = MessageAsUser();
    chmod(file.c_str(), 0644);
    if (!message) {
        GTEST_SKIP() << NoUserSwitch;
    }
    EXPECT_EQ(*message, (NotFound("Permission denied") + '\n').toStdString());
    EXPECT_EQ(test::FileBytes(file), before);
}

// Where no journal can be created, the first write of a game would fail; the open tries a
// write that changes nothing and refuses the place at once.
TEST_F(ProtectedPlaces, AFileInAReadOnlyDirectoryIsRefusedUntouched) {
    chmod(gameDir.c_str(), 0555);
    const auto message = MessageAsUser();
    if (!message) {
        GTEST_SKIP() << NoUserSwitch;
    }
    EXPECT_EQ(*message, (NotOpened("unable to open database file") + '\n').toStdString());
    EXPECT_EQ(test::FileBytes(file), before);
}

// ---------------------------------------------------------------------------------------------

class WrongThingInPlace : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path file = dir / "Lexel.lxl";
};

TEST_F(WrongThingInPlace, ADirectoryIsRefusedAndKept) {
    fs::create_directory(file);
    EXPECT_EQ(RefusalOf(dir.path()), NotOpened("unable to open database file"));
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_TRUE(fs::is_empty(file));
}

TEST_F(WrongThingInPlace, ADanglingLinkIsNotFoundAndCreatesNothing) {
    fs::create_symlink(dir / "elsewhere.lxl", file);
    EXPECT_EQ(RefusalOf(dir.path()), NotFound("No such file or directory"));
    EXPECT_FALSE(fs::exists(dir / "elsewhere.lxl"));
    EXPECT_EQ(DirectoryListing(dir.path()), std::vector<std::string>{"Lexel.lxl"});
}

// Opening a named pipe for reading waits for a writer; the open looks without waiting and
// refuses anything but a regular file.
TEST_F(WrongThingInPlace, ANamedPipeIsRefusedAtOnce) {
    ASSERT_EQ(mkfifo(file.c_str(), 0644), 0);
    Child child([&](Child& self) {
        alarm(2);
        test::FakeMessageBoxes boxes;
        self.Tell(OpenDB(dir.path(), boxes) ? "opened" : "refused");
    });
    EXPECT_EQ(child.Heard(), "refused");
    const int status = child.Wait();
    EXPECT_TRUE(WIFEXITED(status)) << "the open did not return within 2 s";
}

// ---------------------------------------------------------------------------------------------

class FileInUse : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path file = dir / "Lexel.lxl";
    void SetUp() override { test::CreateSampleFile(file); }
};

TEST_F(FileInUse, AFileHeldByARunningGameIsRefusedUntouched) {
    Child game([&](Child& self) {
        auto db = OpenLexelFile(file);
        self.Tell("holding");
        self.AwaitGo();
        SettingsStore(db).WriteOption("Language", "D");
        self.Tell("written");
    });
    ASSERT_EQ(game.Heard(), "holding");
    const auto before = test::FileBytes(file);

    EXPECT_EQ(RefusalOf(dir.path()), NotOpened("database is locked"));
    try {
        OpenLexelFileForMaintenance(file);
        ADD_FAILURE() << "maintenance opened a file held by the game";
    } catch (const sql::Error& e) {
        EXPECT_STREQ(e.what(), "database is locked");
    }
    EXPECT_EQ(test::FileBytes(file), before);

    game.Go(); // the holder is undisturbed by the refused attempts
    EXPECT_EQ(game.Heard(), "written");
    EXPECT_EQ(game.Wait(), 0);
    auto db = OpenLexelFile(file);
    EXPECT_EQ(test::StoredOption(db, "Language"), "D");
}

// A second start while the first instance runs (holding its lock and its database, as the
// game does) is refused with the bilingual message; once the first is killed, it is accepted.
class SecondInstance : public FileInUse {
protected:
    void StartFirst() {
        first = std::make_unique<Child>([&](Child& self) {
            test::FakeMessageBoxes firstBoxes;
            const auto lock = LockSingleInstance(dir.path(), firstBoxes);
            const auto db = lock ? OpenDB(dir.path(), firstBoxes) : std::nullopt;
            self.Tell(lock && db ? "running" : "could not start");
            pause();
        });
        ASSERT_EQ(first->Heard(), "running");
        lockBytes = test::FileBytes(dir / "Lexel.lock");
        dbBytes = test::FileBytes(file);
    }

    std::unique_ptr<Child> first;
    std::string lockBytes;
    std::string dbBytes;
    test::FakeMessageBoxes boxes;
};

TEST_F(SecondInstance, IsRefusedWhileTheFirstRuns) {
    StartFirst();
    EXPECT_TRUE(LockSingleInstance(dir.path(), boxes) == nullptr);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(boxes.shown[0].text,
              QString::fromUtf8("Lexel is already running.\nLexel läuft bereits."));
    EXPECT_EQ(test::FileBytes(dir / "Lexel.lock"), lockBytes) << "the first one's lock changed";
    EXPECT_EQ(test::FileBytes(file), dbBytes);
}

TEST_F(SecondInstance, IsAcceptedRightAfterTheFirstWasKilled) {
    StartFirst();
    const int status = first->Kill();
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    const auto lock = LockSingleInstance(dir.path(), boxes);
    EXPECT_TRUE(lock != nullptr);
    auto db = OpenDB(dir.path(), boxes);
    EXPECT_TRUE(db.has_value());
    EXPECT_TRUE(boxes.shown.empty());
    if (db) {
        CloseDB(*db);
    }
    EXPECT_EQ(test::FileBytes(file), dbBytes);
}

} // namespace
} // namespace lexel
