// The game facing a Lexel file that is damaged, misplaced, protected or in use: it refuses with
// the right start-up message and leaves the file exactly as it was, or it opens and copes.

#include "core/settings/HighScores.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/DatabaseStartup.h"
#include "core/startup/GameFiles.h"
#include "core/store/LexelFile.h"
#include "support/FakeMessageBoxes.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <csignal>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <utility>

namespace lexel {
namespace {

namespace fs = std::filesystem;
using test::FileBytes;
using Names = std::vector<std::string>;

const QString NotOpened = QString::fromUtf8("Lexel database could not be opened.\n"
                                            "Lexel-Datenbank konnte nicht geöffnet werden.\n");
const QString NotFound = QString::fromUtf8("Lexel database could not be found.\n"
                                           "Lexel-Datenbank konnte nicht gefunden werden.\n");

Names Listing(const fs::path& dir) {
    Names names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// The game's open in `dir`: "opened" or "refused", then a line for each message it showed, a
// critical one with an Ok button as "critical: " and its text.
std::string OpenGame(const fs::path& dir) {
    test::FakeMessageBoxes boxes;
    std::string outcome = OpenDB(dir, boxes) ? "opened" : "refused";
    for (const auto& shown : boxes.shown) {
        const bool critical =
            shown.icon == MessageIcon::Critical && shown.buttons == MessageButtons::Ok;
        outcome += (critical ? "\ncritical: " : "\nother: ") + shown.text.toStdString();
    }
    return outcome;
}

// Expects the game's open in `dir` to refuse with one critical message, `message`, and to leave
// `dir` and the bytes of a Lexel file in it as they were.
void ExpectRefusedUntouched(const fs::path& dir, const QString& message) {
    const auto file = dir / "Lexel.lxl";
    const auto bytesOf = [&] { return fs::is_regular_file(file) ? FileBytes(file) : ""; };
    const auto bytes = bytesOf();
    const auto names = Listing(dir);
    EXPECT_EQ(OpenGame(dir), "refused\ncritical: " + message.toStdString());
    EXPECT_EQ(bytesOf(), bytes);
    EXPECT_EQ(Listing(dir), names);
}

// A forked process running `body`. Parent and child tell each other texts and hear them in turn,
// "" once the other has ended. A child that hangs ends itself after 10 s; one still running at
// the end of the test is killed.
class Child {
public:
    explicit Child(const std::function<void(Child&)>& body) {
        int ends[2];
        if (socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0 || (pid_ = fork()) < 0) {
            throw std::runtime_error("cannot start a child");
        }
        end_ = ends[pid_ == 0 ? 1 : 0];
        close(ends[pid_ == 0 ? 0 : 1]);
        if (pid_ == 0) {
            alarm(10);
            try {
                body(*this);
            } catch (const std::exception& e) {
                Tell(std::string("exception: ") + e.what());
                _exit(1);
            }
            _exit(0);
        }
    }

    ~Child() {
        if (pid_ > 0) {
            End(true);
        }
        close(end_);
    }

    void Tell(const std::string& text) {
        [[maybe_unused]] const auto n = write(end_, text.c_str(), text.size() + 1);
    }
    std::string Heard() {
        std::string text;
        for (char c = 0; read(end_, &c, 1) == 1 && c != '\0';) {
            text += c;
        }
        return text;
    }
    // Waits for the child to end, killing it first if `now`, and returns its wait status.
    int End(bool now = false) {
        if (now) {
            kill(pid_, SIGKILL);
        }
        int status = 0;
        waitpid(std::exchange(pid_, -1), &status, 0);
        return status;
    }

private:
    pid_t pid_ = -1;
    int end_ = -1;
};

class BadFile : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path file = dir / "Lexel.lxl";
};

// The engine counts a partial page as a page, so a file cut inside its last page would open and
// fail at the first read of that page; the open checks the size against the pages.
TEST_F(BadFile, DamagedCopiesAreRefusedUntouched) {
    const auto good = dir / "good.lxl";
    test::CreateSampleFile(good);
    std::ofstream(file).close(); // the export below writes into an existing, empty file
    auto db = OpenLexelFileForMaintenance(good);
    const auto pageSize = static_cast<std::size_t>(sql::QueryInt(db, "PRAGMA page_size").value());
    db.Prepare("ATTACH DATABASE ? AS plain KEY ''").Bind(1, file.string()).Run();
    db.Prepare("SELECT sqlcipher_export('plain')").Step();
    db.Close();
    const auto plain = FileBytes(file);
    ASSERT_EQ(plain.substr(0, 16), std::string("SQLite format 3\0", 16)) << "not a plain copy";
    const auto bytes = FileBytes(good);
    ASSERT_EQ(bytes.size() % pageSize, 0u);
    const char* malformed = "database disk image is malformed";
    const std::vector<std::pair<std::string, const char*>> copies{
        {plain, "file is encrypted or is not a database"},
        {bytes.substr(0, 100), "file is encrypted or is not a database"},
        {bytes.substr(0, pageSize), malformed},
        {bytes.substr(0, pageSize + pageSize / 2), malformed},
        {bytes.substr(0, bytes.size() / pageSize / 2 * pageSize), malformed},
        {bytes.substr(0, bytes.size() - pageSize), malformed},
        {bytes.substr(0, bytes.size() - pageSize / 2), malformed}};
    for (const auto& [copy, reason] : copies) {
        SCOPED_TRACE(std::to_string(copy.size()) + " bytes of " + std::to_string(bytes.size()));
        std::ofstream(file, std::ios::binary | std::ios::trunc) << copy;
        ExpectRefusedUntouched(dir.path(), NotOpened + reason);
    }
}

class DamagedOptions : public BadFile {
protected:
    void Store(const std::string& key, const std::optional<std::string>& value) {
        auto update = db.Prepare("UPDATE Options SET Value = ? WHERE Name = ?");
        (value ? update.Bind(1, *value) : update.BindNull(1)).Bind(2, key).Run();
    }
    std::string Stored(const std::string& key) { return test::StoredOption(db, key); }

    sql::Database db = test::OpenSampleFile(file);
    SettingsStore store{db};
};

TEST_F(DamagedOptions, MissingRowsDoNotStopTheGameAndComeBackWithTheirDefaults) {
    db.Execute("DELETE FROM Options WHERE Name IN ('Timer', 'GamesWon', 'HighScore4')");
    db.Close();
    const auto before = FileBytes(file);
    EXPECT_EQ(OpenGame(dir.path()), "opened");
    EXPECT_EQ(FileBytes(file), before) << "opening wrote to the file";

    db = OpenLexelFile(file);
    SettingsStore reopened(db);
    EXPECT_TRUE(ReadSettings(reopened).showTime);
    reopened.IncrementCounter("GamesWon");
    EXPECT_TRUE(EnterHighScore(reopened, "garden", 40));
    EXPECT_EQ(Stored("Timer"), "Y");
    EXPECT_EQ(Stored("GamesWon"), "1");
    EXPECT_EQ(Stored("HighScore1"), "GARDEN40");
    EXPECT_EQ(Stored("HighScore5"), "??????0"); // the lost rank 4 moved down as an empty entry
}

// A counter counts on from its numeric value, held within 64 bits: one at the largest value
// stays there rather than wrapping round into the most negative one.
TEST_F(DamagedOptions, JunkCountersCountOnFromTheirNumericValue) {
    const std::string largest = "9223372036854775807"; // of 64 bits
    const std::vector<std::pair<std::optional<std::string>, std::string>> cases{
        {"junk", "1"},           {"12abc", "13"},   {"", "1"},
        {std::nullopt, "1"},     {"-5", "-4"},      {" 7 ", "8"},
        {"0x10", "1"},           {"\xff\xfe", "1"}, {largest, largest},
        {largest + "0", largest}};
    for (const char* key : {"GamesPlayed", "GamesWon"}) {
        for (const auto& [stored, counted] : cases) {
            SCOPED_TRACE(std::string(key) + " holding '" + stored.value_or("<null>") + "'");
            Store(key, stored);
            store.IncrementCounter(key);
            EXPECT_EQ(Stored(key), counted);
        }
    }
}

TEST_F(DamagedOptions, JunkHighScoreRowsCountAsEmptyEntries) {
    const std::vector<std::optional<std::string>> table{
        "PLANET900", "junk",    std::nullopt, "GARDEN700", "ABCDEFxyz",
        "",          "??????0", "??????0",    "??????0",   "??????0"};
    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
        Store(HighScoreKey(rank), table[rank - 1]);
    }
    ASSERT_TRUE(EnterHighScore(store, "silver", 500));
    const Names expected{"PLANET900", "SILVER500", "junk",    "",        "GARDEN700",
                         "ABCDEFxyz", "",          "??????0", "??????0", "??????0"};
    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
        EXPECT_EQ(Stored(HighScoreKey(rank)), expected[rank - 1]) << "rank " << rank;
    }

    const auto before = FileBytes(file);
    for (const Score score : {-3, 0}) {
        EXPECT_FALSE(EnterHighScore(store, "danger", score)) << score;
    }
    EXPECT_EQ(FileBytes(file), before) << "a score that did not enter was written";
}

// File modes stop no write of root's, so as root each case runs in a child that has switched to
// the unprivileged user "nobody", who then owns the files. Where no journal can be created, the
// first write of a game would fail; the open tries a write that changes nothing and refuses a
// read-only directory at once.
TEST_F(BadFile, ProtectedPlacesAreRefusedUntouchedForAnOrdinaryUser) {
    constexpr uid_t Nobody = 65534;
    test::CreateSampleFile(file);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(dir.path().c_str(), Nobody, Nobody), 0);
        ASSERT_EQ(chown(file.c_str(), Nobody, Nobody), 0);
    }
    const auto before = FileBytes(file);
    const std::vector<std::tuple<fs::path, mode_t, QString>> cases{
        {file, 0444, NotOpened + "attempt to write a readonly database"},
        {file, 0200, NotFound + "Permission denied"},
        {dir.path(), 0555, NotOpened + "unable to open database file"}};
    for (const auto& [place, mode, message] : cases) {
        chmod(place.c_str(), mode);
        Child child([&](Child& self) {
            const bool switched = geteuid() != 0 || (setgroups(0, nullptr) == 0 &&
                                                     setgid(Nobody) == 0 && setuid(Nobody) == 0);
            self.Tell(switched ? OpenGame(dir.path()) : "no user switch");
        });
        const auto told = child.Heard();
        chmod(place.c_str(), place == file ? 0644 : 0755);
        if (told == "no user switch") {
            GTEST_SKIP() << "running as root without the right to switch to an ordinary user, so "
                            "no file mode applies";
        }
        EXPECT_EQ(told, "refused\ncritical: " + message.toStdString());
        EXPECT_EQ(FileBytes(file), before);
        EXPECT_EQ(Listing(dir.path()), Names{"Lexel.lxl"});
    }
}

// A file the game could not start a game in or take a first line with.
TEST_F(BadFile, AFileWithoutWordsIsRefusedUntouched) {
    for (const char* emptied : {"DELETE FROM w3", "DELETE FROM w5", "UPDATE w6s SET Class = NULL",
                                "UPDATE w6s SET Class = '  '"}) {
        SCOPED_TRACE(emptied);
        test::CreateSampleFile(file);
        OpenLexelFileForMaintenance(file).Execute(emptied);
        ExpectRefusedUntouched(dir.path(), NotOpened + "the word tables are empty");
        fs::remove(file);
    }
}

// A disk too full for the journal of the open's trial write, as a file size limit makes it:
// the start is refused, and neither the file nor the folder keeps a trace of the attempt.
TEST_F(BadFile, ADiskTooFullForTheJournalIsRefusedUntouched) {
    test::CreateSampleFile(file);
    const auto before = FileBytes(file);
    Child child([&](Child& self) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit full{1, 1};
        setrlimit(RLIMIT_FSIZE, &full);
        self.Tell(OpenGame(dir.path()));
    });
    const auto told = child.Heard();
    EXPECT_EQ(told.substr(0, told.find('\n')), "refused") << told;
    EXPECT_EQ(FileBytes(file), before);
    EXPECT_EQ(Listing(dir.path()), Names{"Lexel.lxl"});
}

TEST_F(BadFile, ADirectoryIsRefusedAndKept) {
    fs::create_directory(file);
    ExpectRefusedUntouched(dir.path(), NotOpened + "unable to open database file");
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_TRUE(fs::is_empty(file));
}

TEST_F(BadFile, ALinkIsNotFollowedAndCreatesNothing) {
    fs::create_symlink(dir / "elsewhere.lxl", file);
    ExpectRefusedUntouched(dir.path(),
                           NotOpened + "The file is a symbolic link, which Lexel does not follow.");
}

// Opening a named pipe for reading waits for a writer; the open looks without waiting and
// refuses anything but a regular file.
TEST_F(BadFile, ANamedPipeIsRefusedAtOnce) {
    ASSERT_EQ(mkfifo(file.c_str(), 0644), 0);
    Child child([&](Child& self) {
        alarm(2);
        self.Tell(OpenGame(dir.path()));
    });
    const auto told = child.Heard();
    EXPECT_EQ(told.substr(0, told.find('\n')), "refused");
    const int status = child.End();
    EXPECT_TRUE(WIFEXITED(status)) << "the open did not return within 2 s";
}

TEST_F(BadFile, AFileHeldByARunningGameIsRefusedUntouched) {
    test::CreateSampleFile(file);
    Child game([&](Child& self) {
        auto db = OpenLexelFile(file);
        self.Tell("holding");
        self.Heard(); // the go
        SettingsStore(db).WriteOption("Language", "D");
        self.Tell("written");
    });
    ASSERT_EQ(game.Heard(), "holding");
    const auto before = FileBytes(file);
    ExpectRefusedUntouched(dir.path(), NotOpened + "database is locked");
    try {
        OpenLexelFileForMaintenance(file);
        ADD_FAILURE() << "maintenance opened a file held by the game";
    } catch (const sql::Error& e) {
        EXPECT_STREQ(e.what(), "database is locked");
    }
    EXPECT_EQ(FileBytes(file), before);

    game.Tell("go"); // the holder is undisturbed by the refused attempts
    EXPECT_EQ(game.Heard(), "written");
    EXPECT_EQ(game.End(), 0);
    auto db = OpenLexelFile(file);
    EXPECT_EQ(test::StoredOption(db, "Language"), "D");
}

// A second start while the first instance runs (holding its lock and its database, as the game
// does) is refused with the bilingual message; once the first is killed, it is accepted.
TEST_F(BadFile, ASecondInstanceIsRefusedWhileTheFirstRunsAndAcceptedOnceItWasKilled) {
    test::CreateSampleFile(file);
    Child first([&](Child& self) {
        test::FakeMessageBoxes boxes;
        const auto lock = LockSingleInstance(dir.path(), boxes);
        const auto db = lock ? OpenDB(dir.path(), boxes) : std::nullopt;
        self.Tell(lock && db ? "running" : "could not start");
        pause();
    });
    ASSERT_EQ(first.Heard(), "running");
    const auto lockBytes = FileBytes(dir / "Lexel.lock");
    const auto dbBytes = FileBytes(file);

    test::FakeMessageBoxes boxes;
    EXPECT_FALSE(LockSingleInstance(dir.path(), boxes).has_value());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(boxes.shown[0].text,
              QString::fromUtf8("Lexel is already running.\nLexel läuft bereits."));
    EXPECT_EQ(FileBytes(dir / "Lexel.lock"), lockBytes) << "the first one's lock changed";
    EXPECT_EQ(FileBytes(file), dbBytes);

    const int status = first.End(true);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    boxes.shown.clear();
    const auto lock = LockSingleInstance(dir.path(), boxes);
    EXPECT_TRUE(lock.has_value());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(OpenGame(dir.path()), "opened");
    EXPECT_EQ(FileBytes(file), dbBytes);
}

} // namespace
} // namespace lexel
