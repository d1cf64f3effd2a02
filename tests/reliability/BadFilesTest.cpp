// The game facing a Lexel file, or a place for its files, that is damaged, misplaced, protected
// or in use: each start goes ahead or names the cause in the bilingual start-up message, and
// leaves every file as it was.

#include "core/settings/HighScores.h"
#include "core/settings/Settings.h"
#include "core/startup/GameFiles.h"
#include "core/startup/StartupMessages.h"
#include "support/SampleFileTest.h"
#include "support/SampleWordLists.h"

#include <algorithm>
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

constexpr uid_t Nobody = 65534;

// Every path under `dir`, with the bytes of each regular file; links are not followed.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        const bool regular = entry.symlink_status().type() == fs::file_type::regular;
        files[entry.path().lexically_relative(dir).string()] = regular ? FileBytes(entry) : "";
    }
    return files;
}

// A refused start's one message, critical and bilingual, with the cause last.
std::string Refused(const std::string& english, const std::string& german,
                    const std::string& cause) {
    return "refused\ncritical: " + english + "\n" + german + "\n" + cause;
}
std::string NotOpened(const std::string& cause) {
    return Refused("Lexel database could not be opened.",
                   "Lexel-Datenbank konnte nicht geöffnet werden.", cause);
}
std::string NotOwnFolder(const std::string& cause) {
    return Refused("The data folder of Lexel could not be used: it is a link, belongs to another "
                   "user or is open to other users.",
                   "Der Datenordner von Lexel konnte nicht verwendet werden: Er ist eine "
                   "Verknüpfung, gehört einem anderen Benutzer oder ist für andere Benutzer offen.",
                   cause);
}
std::string NoFolder(const std::string& cause) {
    return Refused("The data folder of Lexel could not be created.",
                   "Der Datenordner von Lexel konnte nicht angelegt werden.", cause);
}
std::string NoLock(const std::string& cause) {
    return Refused("The lock file of Lexel could not be created.",
                   "Die Sperrdatei von Lexel konnte nicht angelegt werden.", cause);
}

// What a start tells: "started" or "refused", then each message it shows.
std::string Told(const GameFiles& files) {
    std::string told = files.Ready() ? "started" : "refused";
    for (const auto& m : files.notices.Notices()) {
        told += (m.icon == MessageIcon::Critical ? "\ncritical: " : "\nnotice: ") +
                m.text.toStdString();
    }
    return told;
}

class BadFile : public ::testing::Test {
protected:
    void SetUp() override {
        test::CreateSampleFile(root / good);
        if (geteuid() == 0) { // file modes stop no write of root's: the starts run as nobody
            ASSERT_EQ(chown(root.path().c_str(), Nobody, Nobody), 0);
        }
    }

    // A start in a child process (as nobody when run as root) in the root folder, after `make`
    // has spoiled a copy of a good file beside the program: "started" or "refused", each message
    // shown, and a last line when anything under the root changed. The child ends itself after
    // 10 s, so an open that waits fails the case.
    std::string Start(const std::function<void()>& make) {
        if (geteuid() == 0) { // root's, for the child that runs as nobody to put in its way
            fs::create_directory(root / "theirs");
            fs::copy_file(root / good, root / "theirs.lxl");
            chmod((root / "theirs").c_str(), 0777);
            chmod((root / "theirs.lxl").c_str(), 0666);
        }
        if (fork() == 0) {
            alarm(10);
            const bool nobody = geteuid() != 0 || (setgroups(0, nullptr) == 0 &&
                                                   setgid(Nobody) == 0 && setuid(Nobody) == 0);
            std::ofstream(root / "told") << (nobody && chdir(root.path().c_str()) == 0
                                                 ? [&]() noexcept { return StartAfter(make); }()
                                                 : "no user switch");
            _exit(0);
        }
        wait(nullptr);
        const auto told = FileBytes(root / "told");
        for (const auto* made :
             {"told", "bin", "home", "copy.lxl", "share", "theirs", "theirs.lxl", "locale"}) {
            fs::remove_all(root / made);
        }
        return told;
    }

    std::string StartAfter(const std::function<void()>& make) {
        fs::create_directory(bin);
        fs::copy_file(good, file);
        make();
        const auto before = Snapshot(".");
        auto files = OpenGameFiles(bin, user);
        const auto told = Told(files);
        files = {};
        fs::permissions(bin, fs::perms::owner_all);         // for the parent to clear it
        const rlimit noLimit{RLIM_INFINITY, RLIM_INFINITY}; // for the outcome to be written
        setrlimit(RLIMIT_FSIZE, &noLimit);
        return told + (Snapshot(".") != before ? "\nchanged the files" : "");
    }

    test::TempDir root;
    fs::path good = "good.lxl", bin = "bin", file = "bin/Lexel.lxl", user = "home/Lexel";
};

// A copy cut inside its last page would open and fail at the first read of that page. A file
// without words could not start a game. Opening a named pipe for reading waits for a writer.
// Where no journal can be made, the first write of a game would fail: the open tries a write
// that changes nothing. A second start while a game runs is told so before it tries the file.
// Anything named Lexel.lxl beside the program makes that folder the game's own, so no home is
// made for it.
TEST_F(BadFile, AStartThatCannotGoAheadNamesTheCauseAndChangesNothing) {
    const auto changed = [&](const char* change) {
        return [this, change] { OpenLexelFileForMaintenance(file).Execute(change); };
    };
    const auto replaced = [&](const std::function<void()>& make) {
        return [this, make] {
            fs::remove(file);
            make();
        };
    };
    // A link at `place` to a copy of the good file, one the child could write through the link.
    const auto linked = [this](const fs::path& place) {
        return [this, place] {
            fs::remove(place);
            fs::copy_file(good, "copy.lxl");
            fs::create_symlink("../copy.lxl", place);
        };
    };
    // Installed: the word lists in share/lexel, no file beside the program.
    const auto installed = [&](const std::function<void()>& make) {
        return [this, make] {
            fs::remove(file);
            test::WriteWordLists("share/lexel");
            fs::create_directory("home");
            make();
        };
    };
    const auto noWords = NotOpened("the word tables are empty");
    const auto foreign = NotOpened("not a Lexel file: it holds a trigger or a view");
    const auto held = [this] { static const auto first = OpenGameFiles(bin, user); };
    const auto heldFile = [this] { static const auto first = OpenLexelFile(file); };
    std::vector<std::pair<std::function<void()>, std::string>> cases{
        {changed("DELETE FROM Options WHERE Name = 'Timer'; UPDATE Options SET Value = 'junk'"),
         "started"}, // options are read later, a damaged one as its default
        {replaced([] {}),
         Refused("Lexel database could not be found.",
                 "Lexel-Datenbank konnte nicht gefunden werden.", "No such file or directory") +
             "\nchanged the files"}, // the user's folder is made
        {replaced([&] { mkfifo(file.c_str(), 0600); }), NotOpened("unable to open database file")},
        {linked(file), NotOpened("The file is a symbolic link, which Lexel does not follow.")},
        {linked(file.string() + "-journal"), NotOpened("unable to open database file")},
        {replaced([&] { // not encrypted
             sql::Database::Open(file, sql::Database::Mode::CreateNew, "")
                 .Execute("CREATE TABLE w3 (Word INTEGER)");
         }),
         NotOpened("file is encrypted or is not a database")},
        {[&] { fs::resize_file(file, fs::file_size(file) - 100); },
         NotOpened("database disk image is malformed")},
        {changed("DROP TABLE w6s"), NotOpened("no such table: w6s")},
        {changed("DROP TABLE Quotes; CREATE TABLE Quotes (Title TEXT, Quote TEXT)"),
         NotOpened("no such column: Source")},
        {changed("CREATE TRIGGER t AFTER UPDATE ON Options BEGIN DELETE FROM w3; END"), foreign},
        {changed("CREATE VIEW v AS SELECT * FROM w3"), foreign},
        {changed("DELETE FROM w3"), noWords},
        {changed("UPDATE w6s SET Class = '  '"), noWords}, // no word to hide
        {[&] { fs::permissions(file, fs::perms::owner_read); },
         NotOpened("attempt to write a readonly database")},
        {[] { // a full disk: no room for the journal
             std::signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{1, RLIM_INFINITY};
             setrlimit(RLIMIT_FSIZE, &limit);
         },
         NotOpened("disk I/O error")},
        {replaced([&] { std::ofstream("home") << "a file where a folder belongs"; }),
         NoFolder("home: Not a directory")},
        {replaced([&] { // a name in Latin-1, shown as a system in Latin-1 shows it
             fs::create_directory("locale");
             ASSERT_EQ(std::system("localedef -i de_DE -f ISO-8859-1 locale/de_DE.ISO-8859-1"), 0);
             setenv("LOCPATH", (root / "locale").c_str(), 1);
             setenv("LC_ALL", "de_DE.ISO-8859-1", 1);
             fs::create_directory("home");
             std::ofstream("home/J\xFCrgen");
             user = "home/J\xFCrgen/Lexel";
         }),
         NoFolder("home/Jürgen: Not a directory")},
        {replaced([&] { user.clear(); }),
         NoFolder("no home folder: HOME is not set and the system names none")},
        {[&] { std::ofstream(bin / "Lexel.lock") << "999999\nlexel\nvm\n"; }, // of a killed game
         "started\nchanged the files"},
        {linked(bin / "Lexel.lock"),
         NoLock("bin/Lexel.lock: is a symbolic link, which Lexel does not follow")},
        {[&] { mkfifo((bin / "Lexel.lock").c_str(), 0600); },
         NoLock("bin/Lexel.lock: is not a regular file")},
        {held, "refused\nnotice: Lexel is already running.\nLexel läuft bereits."},
        {heldFile, NotOpened("database is locked")},
        {installed([&] { fs::create_directory_symlink("../bin", user); }),
         NotOwnFolder("home/Lexel: is a symbolic link, which Lexel does not follow")},
        {installed([&] {
             fs::create_directory(user);
             fs::permissions(user, fs::perms::all);
         }),
         NotOwnFolder("home/Lexel: is open to other users: mode 0777")}};
    if (geteuid() == 0) { // a folder and a file of root's for the start that runs as nobody
        cases.insert(cases.end(),
                     {{installed([&] { fs::rename("theirs", user); }),
                       NotOwnFolder("home/Lexel: belongs to user 0")},
                      {installed([&] {
                           fs::create_directory(user);
                           fs::permissions(user, fs::perms::owner_all);
                           fs::rename("theirs.lxl", user / "Lexel.lxl");
                       }),
                       Refused("Lexel database could not be opened: it belongs to another user.",
                               "Lexel-Datenbank konnte nicht geöffnet werden: Sie gehört einem "
                               "anderen Benutzer.",
                               "home/Lexel/Lexel.lxl: belongs to user 0")}});
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto told = Start(cases[i].first);
        if (told == "no user switch") {
            GTEST_SKIP() << "running as root without the right to switch to an ordinary user, so "
                            "no file mode applies";
        }
        EXPECT_EQ(told, cases[i].second) << "case " << i + 1;
    }
}

// First starts at once on a user's first day: one opens the files and every other one is told
// that Lexel runs, however their locking and the making of the player's file interleave. Each start
// holds its files until all have told what they found.
TEST_F(BadFile, OfFirstStartsAtOnceOneOpensTheFilesAndTheOthersAreToldItRuns) {
    test::WriteWordLists(root / "share/lexel");
    constexpr std::size_t Starts = 6;
    std::vector<std::string> expected(Starts - 1,
                                      "refused\nnotice: " + AlreadyRunningMessage().toStdString());
    expected.push_back("started");
    for (int round = 0; round < 10; ++round) {
        const auto home = root / ("home" + std::to_string(round)) / "Lexel";
        int gate[2], report[2];
        ASSERT_EQ(pipe(gate) | pipe(report), 0);
        std::vector<pid_t> starts;
        for (std::size_t i = 0; i < Starts; ++i) {
            if (starts.emplace_back(fork()) == 0) {
                alarm(10);
                close(gate[1]);
                char none;
                [[maybe_unused]] const auto opened = read(gate[0], &none, 1); // every start forked
                const auto files = OpenGameFiles(root / "bin", home);         // held until killed
                const auto told = Told(files) + '\0';
                [[maybe_unused]] const auto sent = write(report[1], told.data(), told.size());
                pause();
            }
        }
        close(gate[0]);
        close(gate[1]);
        close(report[1]);
        std::vector<std::string> told(1);
        for (char c; told.size() <= Starts && read(report[0], &c, 1) == 1;) {
            c == '\0' ? void(told.emplace_back()) : void(told.back() += c);
        }
        close(report[0]);
        for (const auto start : starts) {
            kill(start, SIGKILL);
            waitpid(start, nullptr, 0);
        }
        told.pop_back();
        std::sort(told.begin(), told.end());
        EXPECT_EQ(told, expected) << "round " << round;
    }
}

// Started with standard streams closed, the game keeps their numbers from its own files: what
// is written to them then never lands in the lock file.
TEST_F(BadFile, WithStandardStreamsClosedNothingWrittenToThemLandsInTheLockFile) {
    fs::create_directory(root / "bin");
    fs::copy_file(root / good, root / "bin/Lexel.lxl");
    for (const auto& closed : {std::vector{2}, std::vector{0, 1, 2}}) {
        if (fork() == 0) {
            std::for_each(closed.begin(), closed.end(), close);
            const auto files = OpenGameFiles(root / "bin", root / "home");
            for (const int fd : closed) {
                [[maybe_unused]] const auto written = write(fd, "stray\n", 6);
            }
            std::ofstream(root / "told") << Told(files) << FileBytes(root / "bin/Lexel.lock");
            _exit(0);
        }
        wait(nullptr);
        EXPECT_EQ(FileBytes(root / "told"), "started") << closed.size() << " closed";
    }
}

// Options rows as StoredOption shows them: "<no row>" for a missing one, "<null>" for NULL;
// "<blob>" stores bytes that are no text (an escape sequence, a zero byte).
class DamagedOptions : public test::SampleFileTest {
protected:
    void Store(const std::string& key, const std::string& value) {
        if (value == "<no row>") {
            db.Prepare("DELETE FROM Options WHERE Name = ?").Bind(1, key).Run();
            return;
        }
        if (value == "<blob>") {
            db.Prepare("INSERT OR REPLACE INTO Options VALUES (?, X'1B5B326D00FF')")
                .Bind(1, key)
                .Run();
            return;
        }
        auto write = db.Prepare("INSERT OR REPLACE INTO Options (Name, Value) VALUES (?, ?)");
        (value == "<null>" ? write.BindNull(2) : write.Bind(2, value)).Bind(1, key).Run();
    }
    std::string Stored(const std::string& key) { return test::StoredOption(db, key); }
};

// A missing row comes back with its default. A counter counts on from its numeric value, held
// within 64 bits: one at the largest value stays there rather than wrapping round.
TEST_F(DamagedOptions, MissingRowsReadAsTheirDefaultAndJunkCountersCountOn) {
    Store("Timer", "<no row>");
    EXPECT_TRUE(ReadSettings(store).showTime);
    EXPECT_EQ(Stored("Timer"), "Y");
    const std::string largest = "9223372036854775807", beyond = largest + "0"; // of 64 bits
    const std::vector<std::pair<std::string, std::string>> cases{
        {"12abc", "13"}, {"<null>", "1"}, {"<no row>", "1"}, {largest, largest}, {beyond, largest}};
    Store("GamesPlayed", "<blob>");
    EXPECT_EQ(ReadGameCounts(store).played, ""); // shown as no text, not as its bytes
    for (const auto& [stored, counted] : cases) {
        SCOPED_TRACE("holding '" + stored + "'");
        Store("GamesWon", stored);
        store.IncrementCounter("GamesWon");
        EXPECT_EQ(Stored("GamesWon"), counted);
    }
}

// An entry without a score counts as empty; a missing row moves down as the empty entry.
TEST_F(DamagedOptions, JunkHighScoreRowsCountAsEmptyEntries) {
    const std::vector<std::string> table{"PLANET900", "junk", "<null>",  "GARDEN700",
                                         "ABCDEFxyz", "",     "<no row>"}; // then empty entries
    for (std::size_t rank = 1; rank <= table.size(); ++rank) {
        Store(HighScoreKey(static_cast<int>(rank)), table[rank - 1]);
    }
    ASSERT_TRUE(EnterHighScore(store, "silver", 500));
    const std::vector<std::string> expected{"PLANET900", "SILVER500", "junk", "",
                                            "GARDEN700", "ABCDEFxyz", "",     "??????0"};
    for (std::size_t rank = 1; rank <= expected.size(); ++rank) {
        EXPECT_EQ(Stored(HighScoreKey(static_cast<int>(rank))), expected[rank - 1]) << rank;
    }
}

} // namespace
} // namespace lexel
