// lexel-crash-harness [seed]: kills a process that is writing a Lexel file at random moments and
// checks after every kill that the game still opens the file and that it holds exactly what the
// committed writes left there: no torn high-score move or save, no game's end without its
// history row or the reverse, no game counted without its history row, no half-built word table, no
// mixture of two versions of the source lists. The seed fixes the operations and the delays before
// each kill.

#include "core/history/GameHistory.h"
#include "core/history/RecordedGames.h"
#include "core/settings/HighScores.h"
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
constexpr auto TimeBound = std::chrono::seconds(45);
constexpr long long BuildEvery = 24; // every 24th operation loads source lists and builds tables

// The last `length` digits of `n` in base 26 as letters from `a` on.
std::string WordOf(long long n, std::size_t length, char a = 'a') {
    std::string word(length, a);
    for (auto& c : word) {
        c = static_cast<char>(a + n % 26);
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

// The tables whose rows the model follows: the word tables, then the source lists.
constexpr std::array<const char*, 11> Tables{"w3",   "w4",   "w5",   "w6",     "w6s",   "raw3",
                                             "raw4", "raw5", "raw6", "Except", "Quotes"};

std::string RowsOf(sql::Database& db, const std::string& query) {
    std::string text;
    for (auto rows = db.Prepare(query); rows.Step();) {
        text += rows.Text(0) + "\n";
    }
    return text;
}

// Every row of `table` with all its columns, in the order of their keys or of their storing.
std::string TableText(sql::Database& db, const std::string& table) {
    std::string columns = "''";
    for (auto rows = db.Prepare("PRAGMA table_info(\"" + table + "\")"); rows.Step();) {
        columns += " || ' ' || quote(" + rows.Text(1) + ")";
    }
    return RowsOf(db, "SELECT " + columns + " FROM \"" + table + "\" ORDER BY rowid");
}

// What a file holds, as far as the checks go: every Options row by name (a null Value is
// "<null>"), the history's words and, under names no row has, the variant whose build each word
// table and each source list equals, '?' for neither.
using FileState = std::map<std::string, std::string>;
const std::string WordsKey = "(w3 w4 w5 w6 w6s)";
// The lists' fingerprint is committed with them, so it counts as one of them.
const std::string SourcesKey = "(raw3 raw4 raw5 raw6 Except Quotes WordData)";
const std::string HistoryKey = "(GameHistory)";

// ---------------------------------------------------------------------------------------------
// The operations, each with what the child does and, written from the rules rather than from
// the code, what the model expects of it.

struct Operation {
    std::function<void(SettingsStore&)> perform; // the child's writes
    std::function<void(FileState&)> apply;       // the model of an operation that commits once
    char build = 0;                              // the variant a table build loads
};

long long ScoreOf(const std::string& entry) {
    return entry.size() > 6 ? std::atoll(entry.c_str() + 6) : 0;
}

// The entry goes in before the first one with a lower score, the ones below move down and the
// last one falls out.
void EnterInModel(FileState& state, std::string entry) {
    bool moving = false;
    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
        auto& held = state[HighScoreKey(rank)];
        if ((moving = moving || ScoreOf(held) < ScoreOf(entry))) {
            std::swap(held, entry);
        }
    }
}

void CountInModel(FileState& state, const std::string& key, bool counted) {
    state[key] = std::to_string(std::atoll(state[key].c_str()) + (counted ? 1 : 0));
}

// The history as the model keeps it: a line per row, its word and outcome.
std::string HistoryLine(const HistoryRow& row) {
    return row.word + " " + std::string(OutcomeName(row.outcome)) + "\n";
}

// Where the newest row's line starts.
std::size_t NewestLine(const std::string& history) {
    const auto end =
        history.size() < 2 ? std::string::npos : history.rfind('\n', history.size() - 2);
    return end == std::string::npos ? 0 : end + 1;
}

// A game counted as played, all or nothing: the count and its history row, given up so far.
Operation CountedGameAt(long long index) {
    const HistoryRow row{.finishedAt = "2024-06-11T10:00:00", .word = WordOf(index, 6)};
    return {[=](SettingsStore& store) { CountPlayedGame(store, {.row = row}); },
            [=](FileState& state) {
                CountInModel(state, "GamesPlayed", true);
                state[HistoryKey] += HistoryLine(row);
            }};
}

// A game's end, all or nothing: its score offered to the table (scores grow with the index and
// scatter, so entries land at every rank, and now and then a 0 never enters), the win, and its
// history row in place of the newest one, which its count wrote; with no row to replace, the
// game is counted as played at its end, as a solve ahead of any line does.
Operation FinishedGameAt(long long index, std::uint64_t more) {
    const bool won = more % 3 == 0;
    const Score score = more % 16 == 0 ? 0 : index + static_cast<Score>(more >> 4) % 200 + 1;
    const HistoryRow row{.finishedAt = "2024-06-11T10:00:00",
                         .word = WordOf(index, 6),
                         .outcome = won ? Outcome::Won : Outcome::Lost,
                         .score = score};
    return {
        [=](SettingsStore& store) {
            const auto newest = sql::QueryInt(store.database(), "SELECT MAX(Id) FROM GameHistory");
            RecordFinishedGame(store, {.row = row, .countAsPlayed = !newest, .historyId = newest});
        },
        [=](FileState& state) {
            EnterInModel(state, WordOf(index, 6, 'A') + std::to_string(score));
            CountInModel(state, "GamesWon", won);
            auto& history = state[HistoryKey];
            CountInModel(state, "GamesPlayed", history.empty());
            history = history.substr(0, NewestLine(history)) + HistoryLine(row);
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
    return {[=](SettingsStore& store) { SaveSettings(store, settings); },
            [=](FileState& state) {
                state["Class"] = std::to_string(LevelNumber(settings.level));
                state["Language"] = (more & 64) ? "D" : "E";
                for (const auto& [key, on] : {std::pair("Only", settings.onlyThisLevel),
                                              {"Cheating", settings.cheating},
                                              {"Colors", settings.autoColor},
                                              {"Timer", settings.showTime}}) {
                    state[key] = on ? "Y" : "N";
                }
            }};
}

// Operation `index` of the sequence that the child and the model follow alike; table builds
// alternate between the variants, `build` being the next one.
Operation OperationAt(long long index, char& build, const std::array<SourceLists, 2>& lists) {
    if (index % BuildEvery == BuildEvery - 1) {
        const char variant = std::exchange(build, build == 'A' ? 'B' : 'A');
        const auto& source = lists[variant - 'A'];
        return {[&source](SettingsStore& store) {
                    LoadSourceLists(store.database(), source);
                    BuildWordTables(store.database());
                },
                {},
                variant};
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
        return {[=](SettingsStore& store) { ResetStatistics(store, running); },
                [=](FileState& state) {
                    auto& history = state[HistoryKey];
                    history = running ? history.substr(NewestLine(history)) : "";
                    state["GamesPlayed"] = history.empty() ? "0" : "1";
                    state["GamesWon"] = "0";
                    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
                        state[HighScoreKey(rank)] = "??????0";
                    }
                }};
    }
    return SaveAt(more);
}

// The states the file passes through while `op` runs, one per commit: a build commits the source
// lists and then each word table; any other operation, a save of six rows too, commits once.
std::vector<FileState> CommitsOf(FileState state, const Operation& op) {
    if (!op.build) {
        op.apply(state);
        return {state};
    }
    state[SourcesKey] = std::string(7, op.build);
    std::vector<FileState> commits{state};
    for (auto& table : state[WordsKey]) {
        table = op.build;
        commits.push_back(state);
    }
    return commits;
}

// ---------------------------------------------------------------------------------------------

class Harness {
public:
    explicit Harness(std::uint32_t seed) : random_(seed) {
        for (std::size_t i = 0; i < lists_.size(); ++i) { // what a file of each variant holds
            const auto file = dir_ / ("variant" + std::to_string(i) + ".lxl");
            CreateSampleFile(file, lists_[i]);
            auto db = OpenLexelFile(file);
            std::ranges::transform(Tables, dumps_[i].begin(),
                                   std::bind_front(TableText, std::ref(db)));
        }
        CreateSampleFile(file_, lists_[0]);
        state_ = Inspect();
    }

    // One child, one kill, one inspection; throws what went wrong. The child opens the file as
    // the game does or, if not `asTheGame`, for maintenance.
    void Cycle(bool asTheGame) {
        char build = state_[WordsKey].ends_with('A') ? 'B' : 'A';
        const auto [status, last] = RunAndKill(next_, build, asTheGame);
        if (!WIFSIGNALED(status) || WTERMSIG(status) != SIGKILL) {
            throw std::runtime_error("the child ended before it was killed, status " +
                                     std::to_string(status));
        }
        // The reported operations ran on the state found last time; of the one in flight, any
        // number of commits may have landed.
        std::vector<FileState> allowed{state_};
        for (long long i = next_; i <= last; ++i) {
            allowed = {CommitsOf(allowed[0], OperationAt(i, build, lists_)).back()};
        }
        std::ranges::copy(CommitsOf(allowed[0], OperationAt(last + 1, build, lists_)),
                          std::back_inserter(allowed));
        state_ = Inspect();
        // Every game counted as played has its history row, whatever was cut short.
        if (std::ranges::count(state_[HistoryKey], '\n') !=
            std::atoll(state_["GamesPlayed"].c_str())) {
            throw std::runtime_error("GamesPlayed " + state_["GamesPlayed"] + " beside history:\n" +
                                     state_[HistoryKey]);
        }
        if (std::ranges::find(allowed, state_) == allowed.end()) {
            std::string found;
            for (const auto& [key, value] : state_) {
                found += "\n  " + key + " = " + value;
            }
            throw std::runtime_error("the file holds none of the " +
                                     std::to_string(allowed.size()) + " states allowed after " +
                                     "operation " + std::to_string(last) + ":" + found);
        }
        // Whether the operation in flight committed is known only from the state found, which
        // is where the next child starts; it skips that operation.
        next_ = last + 2;
    }

private:
    // Opens the file as the game does and reads what the model compares.
    FileState Inspect() {
        auto db = OpenLexelFile(file_);
        if (const auto check = RowsOf(db, "PRAGMA integrity_check"); check != "ok\n") {
            throw std::runtime_error("integrity check: " + check);
        }
        FileState state;
        for (auto rows = db.Prepare("SELECT Name, Value FROM Options"); rows.Step();) {
            state[rows.Text(0)] = rows.IsNull(1) ? "<null>" : rows.Text(1);
        }
        state[HistoryKey] =
            RowsOf(db, "SELECT Word || ' ' || Outcome FROM GameHistory ORDER BY Id");
        std::string labels;
        for (std::size_t i = 0; i < Tables.size(); ++i) {
            const auto rows = TableText(db, Tables[i]);
            labels += rows == dumps_[0][i] ? 'A' : rows == dumps_[1][i] ? 'B' : '?';
        }
        const auto version = state[std::string(WordDataOption)];
        state.erase(std::string(WordDataOption));
        labels += version == WordDataVersion(lists_[0])   ? 'A'
                  : version == WordDataVersion(lists_[1]) ? 'B'
                                                          : '?';
        state[WordsKey] = labels.substr(0, 5);
        state[SourcesKey] = labels.substr(5);
        return state;
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
    std::array<SourceLists, 2> lists_{VariantLists('A'), VariantLists('B')};
    std::array<std::array<std::string, Tables.size()>, 2> dumps_; // of each of `lists_` alone
    FileState state_;
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
