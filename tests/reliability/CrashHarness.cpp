// lexel-crash-harness [seed]: kills a process that is writing a Lexel file at random moments and
// checks after every kill that the game still opens the file and that it holds what the committed
// writes left there, the write cut short all there or not at all: no torn high-score move or save,
// no game's end without its history row or the reverse, no half-built word table, no mixture of
// two versions of the source lists. What the writes commit is learnt by making them again in this
// process on a copy of the file; that they commit the right rows is for the database tests. The
// seed fixes the operations and the delays before each kill.

#include "core/history/GameHistory.h"
#include "core/history/RecordedGames.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/SourceLists.h"
#include "core/startup/WordDataVersion.h"
#include "core/store/LexelFile.h"
#include "core/store/TableBuilder.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace lexel::test {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int RequiredKills = 200;
constexpr auto TimeBound = std::chrono::seconds(90);
constexpr long long BuildEvery = 24; // every 24th operation loads source lists and builds tables

// The last `length` digits of `n` in base 26 as letters.
std::string WordOf(long long n, std::size_t length) {
    std::string word(length, 'a');
    for (auto& c : word) {
        c = static_cast<char>('a' + n % 26);
        n /= 26;
    }
    return word;
}

// Two versions of the source lists that differ in every table (A's words odd-numbered, B's
// even), big enough that kills often land inside a table build. Each six-letter word with a level
// comes with its reverse, an anagram, for w6.
SourceLists VariantLists(char variant) {
    const auto words = [&](std::size_t length, long long count) {
        std::vector<std::string> list;
        for (long long i = 0; i < count; ++i) {
            list.push_back(WordOf((2 * i + variant - 'A' + 1) * 7919, length));
        }
        return list;
    };
    SourceLists lists{.guesses = {words(3, 150), words(4, 300), words(5, 400)},
                      .sixLetters = {},
                      .except = {std::string(5, variant)},
                      .quotes = {{"Title", "Source", std::string("Quote ") + variant}}};
    for (auto word : words(6, 250)) {
        lists.sixLetters.push_back({word, std::to_string(1 + word[0] % 4)});
        std::reverse(word.begin(), word.end());
        lists.sixLetters.push_back({word, ""});
    }
    return lists;
}

std::string RowsOf(sql::Database& db, const std::string& query) {
    std::string text;
    for (auto rows = db.Prepare(query); rows.Step();) {
        text += rows.Text(0) + "\n";
    }
    return text;
}

// Every row of `table` with all its columns, in the order of their storing.
std::string TableText(sql::Database& db, const std::string& table) {
    std::string columns = "''";
    for (auto rows = db.Prepare("PRAGMA table_info(\"" + table + "\")"); rows.Step();) {
        columns += " || ' ' || quote(" + rows.Text(1) + ")";
    }
    return RowsOf(db, "SELECT " + columns + " FROM \"" + table + "\" ORDER BY rowid");
}

// What a file holds: the rows of each table by its name.
using FileState = std::map<std::string, std::string>;

FileState StateOf(sql::Database& db) {
    FileState state;
    for (auto tables = db.Prepare("SELECT name FROM sqlite_master WHERE type = 'table'");
         tables.Step();) {
        state[tables.Text(0)] = TableText(db, tables.Text(0));
    }
    return state;
}

// A table build commits the source lists, their fingerprint in Options with them, and then each
// word table on its own.
constexpr std::array<const char*, 7> SourceTables{"raw3",   "raw4",   "raw5",   "raw6",
                                                  "Except", "Quotes", "Options"};

// Whether a file cut short in an operation, holding other rows than `before` it, may hold
// `found`: what it holds `after` the operation or, in a table build, the tables of either as the
// build commits them.
bool Allowed(const FileState& found, const FileState& before, const FileState& after, bool build) {
    if (found == after || !build) {
        return found == after;
    }
    const auto fromEach = [&](const char* table, const FileState& side) {
        return found.contains(table) && side.contains(table) && found.at(table) == side.at(table);
    };
    const auto sourcesOf = [&](const FileState& side) {
        return std::ranges::all_of(SourceTables,
                                   [&](auto* table) { return fromEach(table, side); });
    };
    return found.size() == before.size() && (sourcesOf(before) || sourcesOf(after)) &&
           std::ranges::all_of(found, [&](const auto& table) {
               return fromEach(table.first.c_str(), before) || fromEach(table.first.c_str(), after);
           });
}

// The tables of `found` whose rows differ from those of `before`.
std::string Differing(const FileState& found, const FileState& before) {
    std::string tables;
    for (const auto& [table, rows] : found) {
        tables += before.contains(table) && before.at(table) == rows ? "" : " " + table;
    }
    return tables;
}

// ---------------------------------------------------------------------------------------------
// The operations the child makes, one after the other until it is killed. This process makes
// the same ones on a copy of the file to learn what each commits.

struct Operation {
    std::function<void(SettingsStore&)> perform;
    bool build = false; // loads source lists and builds the word tables from them
};

// A game counted as played: the count and its history row.
Operation CountedGameAt(long long index) {
    const HistoryRow row{.finishedAt = "2024-06-11T10:00:00", .word = WordOf(index, 6)};
    return {[=](SettingsStore& store) { CountPlayedGame(store, {.row = row}); }};
}

// A game's end: its score offered to the table (scores grow with the index and scatter, so
// entries land at every rank, and now and then a 0 never enters), the win, and its history row
// in place of the newest one, which its count wrote; with no row to replace, the game is counted
// as played at its end, as a solve ahead of any line does.
Operation FinishedGameAt(long long index, std::uint64_t more) {
    const bool won = more % 3 == 0;
    const Score score = more % 16 == 0 ? 0 : index + static_cast<Score>(more >> 4) % 200 + 1;
    const HistoryRow row{.finishedAt = "2024-06-11T10:00:00",
                         .word = WordOf(index, 6),
                         .outcome = won ? Outcome::Won : Outcome::Lost,
                         .score = score};
    return {[=](SettingsStore& store) {
        const auto newest = sql::QueryInt(store.database(), "SELECT MAX(Id) FROM GameHistory");
        RecordFinishedGame(store, {.row = row, .countAsPlayed = !newest, .historyId = newest});
    }};
}

// The options dialog's Save; it never leaves cheating on at Expert or Guru.
Operation SaveAt(std::uint64_t more) {
    const Settings settings{.language = (more & 64) ? InterfaceLanguage::German
                                                    : InterfaceLanguage::English,
                            .level = static_cast<Level>(1 + more % 4),
                            .onlyThisLevel = (more & 4) != 0,
                            .cheating = (more & 8) && more % 4 < 2,
                            .autoColor = (more & 16) != 0,
                            .showTime = (more & 32) != 0};
    return {[=](SettingsStore& store) { SaveSettings(store, settings); }};
}

// Operation `index` of the sequence; table builds alternate between the variants, `build` being
// the next one.
Operation OperationAt(long long index, char& build, const std::array<SourceLists, 2>& lists) {
    if (index % BuildEvery == BuildEvery - 1) {
        const auto& source = lists[std::exchange(build, build == 'A' ? 'B' : 'A') - 'A'];
        return {[&source](SettingsStore& store) {
                    LoadSourceLists(store.database(), source);
                    BuildWordTables(store.database());
                },
                true};
    }
    const auto bits = std::mt19937_64(static_cast<std::uint64_t>(index))();
    const auto more = bits >> 8;
    if (bits % 8 < 3) {
        return FinishedGameAt(index, more);
    }
    if (bits % 8 < 5) {
        return CountedGameAt(index);
    }
    if (bits % 8 == 5 && more % 8 == 0) {     // rare, or the table would seldom fill up
        const bool running = (more & 8) != 0; // a counted game runs: its row, the newest, stays
        return {[=](SettingsStore& store) { ResetStatistics(store, running); }};
    }
    return SaveAt(more);
}

// ---------------------------------------------------------------------------------------------

class Harness {
public:
    explicit Harness(std::uint32_t seed) : random_(seed) { CreateSampleFile(file_, lists_[0]); }

    // One child, one kill, one inspection; throws what went wrong. The child opens the file as
    // the game does or, if not `asTheGame`, for maintenance.
    void Cycle(bool asTheGame) {
        std::filesystem::copy_file(file_, copy_, std::filesystem::copy_options::overwrite_existing);
        char build = NextBuild();
        const auto [status, last] = RunAndKill(next_, build, asTheGame);
        if (!WIFSIGNALED(status) || WTERMSIG(status) != SIGKILL) {
            throw std::runtime_error("the child ended before it was killed, status " +
                                     std::to_string(status));
        }
        // The operations the child reported ran on the file as found last time; the one in
        // flight may have committed or not.
        auto copy = OpenLexelFileForMaintenance(copy_);
        SettingsStore store(copy);
        for (long long i = next_; i <= last; ++i) {
            OperationAt(i, build, lists_).perform(store);
        }
        const auto before = StateOf(copy);
        auto db = OpenLexelFile(file_);
        if (const auto check = RowsOf(db, "PRAGMA integrity_check"); check != "ok\n") {
            throw std::runtime_error("integrity check: " + check);
        }
        if (const auto found = StateOf(db); found != before) {
            const auto inFlight = OperationAt(last + 1, build, lists_);
            inFlight.perform(store);
            if (!Allowed(found, before, StateOf(copy), inFlight.build)) {
                throw std::runtime_error("the file holds neither what it held before operation " +
                                         std::to_string(last + 1) +
                                         " nor after it; changed:" + Differing(found, before));
            }
        }
        // Whether the operation in flight committed is known only from the file, which is where
        // the next child starts; it skips that operation.
        next_ = last + 2;
    }

private:
    // The variant the next table build loads: the other one than the file's source lists.
    char NextBuild() {
        auto db = OpenLexelFileForMaintenance(file_);
        return StoredWordDataVersion(db) == WordDataVersion(lists_[0]) ? 'B' : 'A';
    }

    // Starts a child that writes from operation `index` on and kills it a random delay after it
    // opened the file; returns its status and the last operation it committed.
    std::pair<int, long long> RunAndKill(long long index, char build, bool asTheGame) {
        const std::chrono::microseconds delay(std::uniform_int_distribution(300, 20000)(random_));
        progress_->ready = false;
        progress_->done = index - 1;
        const pid_t pid = fork();
        if (pid == 0) { // writes until it is killed; a child that is never killed ends itself
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            alarm(10);
            try {
                auto db = asTheGame ? OpenLexelFile(file_) : OpenLexelFileForMaintenance(file_);
                SettingsStore store(db);
                progress_->ready = true;
                for (;; ++index) {
                    OperationAt(index, build, lists_).perform(store);
                    progress_->done = index;
                }
            } catch (const std::exception& e) {
                std::cout << "operation " << index << ": " << e.what() << std::endl;
            }
            _exit(2);
        }
        siginfo_t ended{}; // a child that ended early is left to be reaped below
        while (!progress_->ready && waitid(P_PID, pid, &ended, WEXITED | WNOHANG | WNOWAIT) == 0 &&
               ended.si_pid == 0) {
            std::this_thread::yield();
        }
        std::this_thread::sleep_for(delay);
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        return {status, progress_->done};
    }

    // Shared with the children: whether the child opened the file, its last committed operation.
    struct Progress {
        std::atomic<bool> ready;
        std::atomic<long long> done;
    };
    Progress* progress_ = static_cast<Progress*>(
        mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    std::mt19937 random_;
    TempDir dir_;
    std::filesystem::path file_ = dir_ / std::string(DatabaseFileName);
    std::filesystem::path copy_ = dir_ / "copy.lxl"; // where this process repeats the writes
    std::array<SourceLists, 2> lists_{VariantLists('A'), VariantLists('B')};
    long long next_ = 0;
};

} // namespace
} // namespace lexel::test

int main(int argc, char** argv) {
    using namespace lexel::test;
    // A killed process loses nothing the kernel holds, so syncs to disk would only slow the
    // commits; with the files in memory the same kills cover many more commits and builds.
    if (access("/dev/shm", W_OK | X_OK) == 0) {
        setenv("TMPDIR", "/dev/shm", 1);
    }
    const auto start = Clock::now();
    const auto seed = argc > 1 ? static_cast<std::uint32_t>(std::stoul(argv[1])) : 20240611;
    int kills = 0;
    try {
        Harness harness(seed);
        for (; kills < RequiredKills && Clock::now() - start < TimeBound; ++kills) {
            harness.Cycle(kills % 2 == 0);
        }
    } catch (const std::exception& e) {
        std::cout << "FAILED at kill " << kills + 1 << " (seed " << seed << "): " << e.what()
                  << "\n";
        return EXIT_FAILURE;
    }
    if (kills < RequiredKills) {
        std::cout << "FAILED: only " << kills << " of " << RequiredKills << " kills within "
                  << TimeBound.count() << " s\n";
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
