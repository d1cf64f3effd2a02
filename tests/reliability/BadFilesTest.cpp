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
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lexel {
namespace {

namespace fs = std::filesystem;
using test::FileBytes;

// Every path under `dir`, with the bytes of each regular file; links are not followed.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        const bool regular = entry.symlink_status().type() == fs::file_type::regular;
        files[entry.path().lexically_relative(dir).string()] = regular ? FileBytes(entry) : "";
    }
    return files;
}

// A line for each message shown: "critical: " or "notice: " (with an Ok button) and its text.
std::string Shown(const std::vector<Message>& messages) {
    std::string shown;
    for (const auto& m : messages) {
        const bool ok = m.buttons == MessageButtons::Ok;
        shown += ok && m.icon == MessageIcon::Critical      ? "\ncritical: "
                 : ok && m.icon == MessageIcon::Information ? "\nnotice: "
                                                            : "\nother: ";
        shown += m.text.toStdString();
    }
    return shown;
}

// The game's open in `dir`: "opened" or "refused", the messages it showed, and a last line when
// anything in the folder changed.
std::string OpenGame(const fs::path& dir) {
    const auto before = Snapshot(dir);
    test::FakeMessageBoxes boxes;
    const std::string outcome = OpenDB(dir, boxes) ? "opened" : "refused";
    return outcome + Shown(boxes.shown) + (Snapshot(dir) != before ? "\nchanged the files" : "");
}

// A refusal with the bilingual message that the file could not be opened (or found) and `cause`.
std::string Refused(const std::string& cause, bool found = true) {
    return std::string("refused\ncritical: Lexel database could not be ") +
           (found ? "opened.\nLexel-Datenbank konnte nicht geöffnet"
                  : "found.\nLexel-Datenbank konnte nicht gefunden") +
           " werden.\n" + cause;
}

// Runs `body` in a forked process and returns what it returned. With `holder`, the process then
// waits to be killed by the caller, still holding what `body` opened. It ends itself after 10 s.
std::string InChild(const std::function<std::string()>& body, pid_t* holder = nullptr) {
    int ends[2];
    if (pipe(ends) != 0) {
        throw std::runtime_error("no pipe");
    }
    const pid_t pid = fork();
    if (pid == 0) {
        alarm(10);
        const auto told = [&]() noexcept { return body(); }(); // an exception ends the child
        [[maybe_unused]] const auto n = write(ends[1], told.data(), told.size());
        close(ends[1]);
        while (holder != nullptr) {
            pause();
        }
        _exit(0);
    }
    close(ends[1]);
    std::string told;
    for (char c = 0; read(ends[0], &c, 1) == 1;) {
        told += c;
    }
    close(ends[0]);
    holder ? void(*holder = pid) : void(waitpid(pid, nullptr, 0));
    return told;
}

class BadFile : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path file = dir / "Lexel.lxl";
};

// The engine counts a partial page as a page, so a copy cut inside its last page would open and
// fail at the first read of that page; the open checks the size against the pages. A file
// without words could not start a game or take a first line. Opening a named pipe for reading
// waits for a writer; the open looks without waiting and refuses anything but a regular file.
TEST_F(BadFile, WhatCannotServeAsTheGameFileIsRefusedUntouched) {
    const auto good = dir / "good.lxl";
    test::CreateSampleFile(good);
    auto db = OpenLexelFileForMaintenance(good);
    const auto page = static_cast<std::size_t>(sql::QueryInt(db, "PRAGMA page_size").value());
    db.Close();
    const auto bytes = FileBytes(good);
    ASSERT_EQ(bytes.size() % page, 0u);
    const auto cut = [&](std::size_t size) {
        return [&, size] { std::ofstream(file, std::ios::binary) << bytes.substr(0, size); };
    };
    const auto changed = [&](const char* change) {
        return [&, change] {
            fs::copy_file(good, file);
            OpenLexelFileForMaintenance(file).Execute(change);
        };
    };
    const auto malformed = Refused("database disk image is malformed");
    const auto noFile = Refused("unable to open database file");
    const auto noWords = Refused("the word tables are empty");
    const std::vector<std::pair<std::function<void()>, std::string>> cases{
        {[] {}, Refused("No such file or directory", false)},
        {[&] { fs::create_directory(file); }, noFile},
        {[&] { mkfifo(file.c_str(), 0644); }, noFile},
        {[&] { fs::create_symlink(dir / "elsewhere.lxl", file); },
         Refused("The file is a symbolic link, which Lexel does not follow.")},
        {[&] {
             sql::Database::Open(file, sql::Database::Mode::CreateNew, "") // not encrypted
                 .Execute("CREATE TABLE w3 (Word INTEGER)");
         },
         Refused("file is encrypted or is not a database")},
        {cut(page), malformed},
        {cut(page + page / 2), malformed},
        {cut(bytes.size() / page / 2 * page), malformed},
        {cut(bytes.size() - page), malformed},
        {cut(bytes.size() - page / 2), malformed},
        {changed("DELETE FROM w3"), noWords},
        {changed("DELETE FROM w5"), noWords},
        {changed("UPDATE w6s SET Class = NULL"), noWords},
        {changed("UPDATE w6s SET Class = '  '"), noWords}};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i + 1));
        cases[i].first();
        alarm(5); // an open that waits ends the test
        EXPECT_EQ(OpenGame(dir.path()), cases[i].second);
        alarm(0);
        fs::remove_all(file);
    }
    // Options are read later, a damaged one as its default; the open's trial write is undone.
    changed("DELETE FROM Options WHERE Name = 'Timer'; UPDATE Options SET Value = 'junk'")();
    EXPECT_EQ(OpenGame(dir.path()), "opened");
}

// File modes stop no write of root's, so as root each case runs in a child that has switched to
// the unprivileged user "nobody", who then owns the files. Where no journal can be created, the
// first write of a game would fail: the open tries a write that changes nothing, and refuses a
// read-only directory and a disk too full for the journal (a file size limit of a byte) at once.
TEST_F(BadFile, ProtectedPlacesAndAFullDiskAreRefusedUntouched) {
    constexpr uid_t Nobody = 65534;
    test::CreateSampleFile(file);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(dir.path().c_str(), Nobody, Nobody), 0);
        ASSERT_EQ(chown(file.c_str(), Nobody, Nobody), 0);
    }
    const auto before = FileBytes(file);
    const std::vector<std::tuple<fs::path, mode_t, rlim_t, std::string>> cases{
        {file, 0444, RLIM_INFINITY, Refused("attempt to write a readonly database")},
        {file, 0200, RLIM_INFINITY, Refused("Permission denied", false)},
        {dir.path(), 0555, RLIM_INFINITY, Refused("unable to open database file")},
        {file, 0644, 1, Refused("disk I/O error")}};
    for (const auto& [place, mode, size, message] : cases) {
        chmod(place.c_str(), mode);
        const auto told = InChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{size, size};
            setrlimit(RLIMIT_FSIZE, &limit);
            const bool switched = geteuid() != 0 || (setgroups(0, nullptr) == 0 &&
                                                     setgid(Nobody) == 0 && setuid(Nobody) == 0);
            return switched ? OpenGame(dir.path()) : "no user switch";
        });
        chmod(place.c_str(), place == file ? 0644 : 0755);
        if (told == "no user switch") {
            GTEST_SKIP() << "running as root without the right to switch to an ordinary user, so "
                            "no file mode applies";
        }
        EXPECT_EQ(told, message);
        EXPECT_EQ(FileBytes(file), before); // the child could not read a write-only file
    }
}

// A second start while the first runs (killed later, as a crash or a kill ends a game) is
// refused with the bilingual notice before it tries the database, which the first one holds.
TEST_F(BadFile, AGameInUseKeepsOtherStartsOutUntilItIsKilled) {
    test::CreateSampleFile(file);
    pid_t first = -1;
    const auto told = InChild(
        [&] {
            static const auto files = OpenGameFiles(dir.path(), {}); // held until killed
            return files.Ready() ? "running" : "could not start";
        },
        &first);
    ASSERT_EQ(told, "running");
    const auto lock = FileBytes(dir / "Lexel.lock");
    const auto second = OpenGameFiles(dir.path(), {});
    EXPECT_FALSE(second.db.has_value()) << "the database was tried";
    EXPECT_EQ(Shown(second.notices.Notices()),
              "\nnotice: Lexel is already running.\nLexel läuft bereits.");
    EXPECT_EQ(OpenGame(dir.path()), Refused("database is locked"));
    try {
        OpenLexelFileForMaintenance(file);
        ADD_FAILURE() << "maintenance opened a file held by the game";
    } catch (const sql::Error& e) {
        EXPECT_STREQ(e.what(), "database is locked");
    }
    EXPECT_EQ(FileBytes(dir / "Lexel.lock"), lock) << "the first one's lock changed";

    kill(first, SIGKILL);
    waitpid(first, nullptr, 0);
    EXPECT_TRUE(OpenGameFiles(dir.path(), {}).Ready());
}

// Options rows as StoredOption shows them: "<no row>" for a missing one, "<null>" for NULL.
class DamagedOptions : public BadFile {
protected:
    void Store(const std::string& key, const std::string& value) {
        if (value == "<no row>") {
            db.Prepare("DELETE FROM Options WHERE Name = ?").Bind(1, key).Run();
            return;
        }
        auto write = db.Prepare("INSERT OR REPLACE INTO Options (Name, Value) VALUES (?, ?)");
        (value == "<null>" ? write.BindNull(2) : write.Bind(2, value)).Bind(1, key).Run();
    }
    std::string Stored(const std::string& key) { return test::StoredOption(db, key); }

    sql::Database db = test::OpenSampleFile(file);
    SettingsStore store{db};
};

// A missing row comes back with its default. A counter counts on from its numeric value, held
// within 64 bits: one at the largest value stays there rather than wrapping round.
TEST_F(DamagedOptions, MissingRowsReadAsTheirDefaultAndJunkCountersCountOn) {
    Store("Timer", "<no row>");
    EXPECT_TRUE(ReadSettings(store).showTime);
    EXPECT_EQ(Stored("Timer"), "Y");
    const std::string largest = "9223372036854775807"; // of 64 bits
    const std::vector<std::pair<std::string, std::string>> cases{
        {"junk", "1"},      {"12abc", "13"},         {"", "1"},
        {"<null>", "1"},    {"<no row>", "1"},       {"-5", "-4"},
        {" 7 ", "8"},       {"0x10", "1"},           {"\xff\xfe", "1"},
        {largest, largest}, {largest + "0", largest}};
    for (const auto& [stored, counted] : cases) {
        SCOPED_TRACE("holding '" + stored + "'");
        Store("GamesWon", stored);
        store.IncrementCounter("GamesWon");
        EXPECT_EQ(Stored("GamesWon"), counted);
    }
}

// An entry without a score counts as empty; a missing row moves down as the empty entry.
TEST_F(DamagedOptions, JunkHighScoreRowsCountAsEmptyEntries) {
    const std::vector<std::string> table{"PLANET900", "junk",   "<null>",   "GARDEN700",
                                         "ABCDEFxyz", "",       "<no row>", "??????0",
                                         "??????0",   "??????0"};
    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
        Store(HighScoreKey(rank), table[rank - 1]);
    }
    ASSERT_TRUE(EnterHighScore(store, "silver", 500));
    const std::vector<std::string> expected{"PLANET900", "SILVER500", "junk", "",
                                            "GARDEN700", "ABCDEFxyz", "",     "??????0",
                                            "??????0",   "??????0"};
    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
        EXPECT_EQ(Stored(HighScoreKey(rank)), expected[rank - 1]) << "rank " << rank;
    }
    const auto before = FileBytes(file);
    for (const Score score : {-3, 0}) {
        EXPECT_FALSE(EnterHighScore(store, "danger", score)) << score;
    }
    EXPECT_EQ(FileBytes(file), before) << "a score that did not enter was written";
}

} // namespace
} // namespace lexel
