// lexel-crash-harness [seed]: kills a process that is writing a Lexel file at random moments and
// checks after every kill that the game still opens the file and that it holds exactly what the
// committed writes left there: no torn high-score move or save, no game's end without its
// history row or the reverse, no half-built word table, no mixture of two versions of the
// source lists. The seed fixes the operations and the delays before each kill; where in the
// child's work a delay lands still depends on the machine, so a failure names the state it
// found.

#include "SourceLists.h"
#include "core/settings/HighScores.h"
#include "core/settings/OptionDefaults.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsStore.h"
#include "core/store/LexelFile.h"
#include "core/store/TableBuilder.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace lexel::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int RequiredKills = 200, FailuresShown = 20;
constexpr auto TimeBound = std::chrono::seconds(45);
constexpr long long BuildEvery = 24; // every 24th operation rebuilds the word tables

// The last `length` digits of `n` in base 26 as letters from `a` on.
std::string WordOf(long long n, std::size_t length, char a = 'a') {
    std::string word(length, a);
    for (auto& c : word) {
        c = static_cast<char>(a + n % 26);
        n /= 26;
    }
    return word;
}

// Two versions of the source lists, different in every table (A's words even-numbered, B's odd)
// and big enough that kills often land inside a table build. Every third six-letter word is
// followed by its reverse, an anagram, for w6; the levels cycle through 1..4 and none, for w6s.
SourceLists VariantLists(char variant) {
    const auto words = [&](std::size_t length, long long count, char a = 'a') {
        std::vector<std::string> list;
        for (long long i = 0; i < count; ++i) {
            list.push_back(WordOf((2 * i + variant - 'A') * 7919, length, a));
        }
        return list;
    };
    SourceLists lists;
    lists.guesses = {words(3, 150), words(4, 300), words(5, 400)};
    std::set<std::string> seen;
    const auto add = [&](const std::string& word) {
        constexpr std::array<const char*, 5> Levels{"1", "2", "3", "4", ""};
        if (seen.insert(word).second) {
            lists.sixLetters.push_back({word, Levels[lists.sixLetters.size() % Levels.size()]});
        }
    };
    for (auto word : words(6, 375)) {
        add(word);
        if (lists.sixLetters.size() % 3 == 0) {
            std::reverse(word.begin(), word.end());
            add(word);
        }
    }
    lists.except = words(5, 20, 'A');
    for (const auto& word : words(5, 5)) {
        lists.quotes.push_back({"Title " + word, "Source " + word, "Quote " + word});
    }
    return lists;
}

// Every table as one text, a line per row: the word tables w3 w4 w5 w6 w6s in key order, then
// the source lists raw3 raw4 raw5 raw6 Except Quotes in the order they were stored.
constexpr std::array<const char*, 11> TableRows{
    "SELECT Word FROM w3 ORDER BY Word",
    "SELECT Word FROM w4 ORDER BY Word",
    "SELECT Word FROM w5 ORDER BY Word",
    "SELECT Word || ' ' || Alpha FROM w6 ORDER BY Word",
    "SELECT Key || ' ' || Word || ' ' || quote(Class) FROM w6s ORDER BY Key",
    "SELECT quote(Word) FROM raw3 ORDER BY rowid",
    "SELECT quote(Word) FROM raw4 ORDER BY rowid",
    "SELECT quote(Word) FROM raw5 ORDER BY rowid",
    "SELECT quote(Word) || quote(Alpha) || quote(CountOfAlpha) || quote(Class) FROM raw6 "
    "ORDER BY rowid",
    "SELECT quote(Word) FROM \"Except\" ORDER BY rowid",
    "SELECT quote(Title) || quote(Source) || quote(Quote) FROM Quotes ORDER BY rowid"};

// The rows `query` gives, a line each.
std::string RowsOf(sql::Database& db, const char* query) {
    std::string text;
    for (auto rows = db.Prepare(query); rows.Step();) {
        text += rows.Text(0) + "\n";
    }
    return text;
}

// What a file holds, as far as the checks go: every Options row by name (a null Value is
// "<null>") and, under names no row has, the variant whose build each word table and each
// source list equals, '?' for neither.
using FileState = std::map<std::string, std::string>;
const std::string WordsKey = "(w3 w4 w5 w6 w6s)";
const std::string SourcesKey = "(raw3 raw4 raw5 raw6 Except Quotes)";
const std::string HistoryKey = "(GameHistory)";

std::string ValueOf(const FileState& state, const std::string& key) {
    const auto row = state.find(key);
    return row == state.end() ? "<no row>" : row->second;
}

// ---------------------------------------------------------------------------------------------
// The operations, each with what the child does and, written from the rules rather than from
// the code, what the model expects of it.

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

struct Operation {
    std::string name;                            // for failure reports
    std::function<void(SettingsStore&)> perform; // the child's writes
    std::function<void(FileState&)> apply;       // the model of an operation that commits once
    char build = 0;                              // the variant a table build loads
};

void CountInModel(FileState& state, const std::string& key, bool counted = true) {
    state[key] = std::to_string(std::atoll(state[key].c_str()) + (counted ? 1 : 0));
}

// A game's end, all or nothing: its score offered to the table (scores grow with the index and
// scatter, so entries land at every rank, and now and then a 0 never enters), the game counted
// as played when a solve came first, the win, and its history row.
Operation FinishedGameAt(long long index, std::uint64_t more) {
    constexpr std::array<std::pair<Outcome, const char*>, 3> Outcomes{
        {{Outcome::Won, "won"}, {Outcome::Lost, "lost"}, {Outcome::GivenUp, "given up"}}};
    const auto [outcome, outcomeName] = Outcomes[(more >> 20) % 3];
    const Score score = more % 16 == 0 ? 0 : index + static_cast<Score>(more >> 4) % 200 + 1;
    const FinishedGame game{.row = {.finishedAt = "2024-06-11T10:00:00",
                                    .level = Level::Expert,
                                    .word = WordOf(index, 6),
                                    .line = 9,
                                    .outcome = outcome,
                                    .score = score},
                            .countAsPlayed = outcome == Outcome::Won && (more & 16) != 0};
    const auto entry = WordOf(index, 6, 'A') + std::to_string(score);
    return {"RecordFinishedGame " + entry + " " + outcomeName,
            [=](SettingsStore& store) { RecordFinishedGame(store, game); },
            [=](FileState& state) {
                EnterInModel(state, entry);
                CountInModel(state, "GamesPlayed", game.countAsPlayed);
                CountInModel(state, "GamesWon", outcome == Outcome::Won);
                state[HistoryKey] += game.row.word + " " + outcomeName + "\n";
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
    return {"SaveSettings", [=](SettingsStore& store) { SaveSettings(store, settings); },
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
        return {std::string("table build ") + variant,
                [&source](SettingsStore& store) {
                    LoadSourceLists(store.database(), source);
                    BuildWordTables(store.database());
                },
                {},
                variant};
    }
    const auto bits = std::mt19937_64(static_cast<std::uint64_t>(index))();
    const auto more = bits >> 8;
    if (bits % 8 < 4) {
        return FinishedGameAt(index, more);
    }
    if (bits % 8 < 6) { // one row written on its own
        return {"CountPlayedGame", [](SettingsStore& store) { CountPlayedGame(store); },
                [](FileState& state) { CountInModel(state, "GamesPlayed"); }};
    }
    if (bits % 8 == 6 && more % 8 == 0) { // rare, or the table would seldom fill up
        return {"ResetStatistics", [](SettingsStore& store) { ResetStatistics(store, true); },
                [](FileState& state) {
                    state["GamesPlayed"] = "1";
                    state["GamesWon"] = "0";
                    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
                        state[HighScoreKey(rank)] = "??????0";
                    }
                    state[HistoryKey] = "";
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
    state[SourcesKey] = std::string(6, op.build);
    std::vector<FileState> commits{state};
    for (auto& table : state[WordsKey]) {
        table = op.build;
        commits.push_back(state);
    }
    return commits;
}

// Where `found` differs from each state the model allows, value by value.
std::string Mismatch(const FileState& found, const std::vector<FileState>& allowed) {
    std::string text = "the file holds none of the states the operations allow; it differs";
    for (std::size_t i = 0; i < allowed.size(); ++i) {
        text += i == 0 ? "\n    from the state after the last reported operation:"
                       : "\n    from commit " + std::to_string(i) + " of the one in flight:";
        auto keys = allowed[i];
        keys.insert(found.begin(), found.end());
        for (const auto& [key, ignored] : keys) {
            if (const auto expected = ValueOf(allowed[i], key); ValueOf(found, key) != expected) {
                text += " " + key + " " + ValueOf(found, key) + " not " + expected + ";";
            }
        }
    }
    return text;
}

// ---------------------------------------------------------------------------------------------

struct Figures {
    int kills = 0, buildsCompleted = 0, buildsInterrupted = 0, buildsFoundHalfDone = 0;
    int filesChecked = 0, passed = 0, failed = 0;
    long long committed = 0;
};

class Harness {
public:
    Harness(std::uint32_t seed, Figures& figures) : figures_(figures), random_(seed) {
        for (std::size_t i = 0; i < lists_.size(); ++i) { // what a file of each variant holds
            const auto file = dir_ / ("variant" + std::to_string(i) + ".lxl");
            CreateSampleFile(file, lists_[i]);
            auto db = OpenLexelFile(file);
            std::ranges::transform(TableRows, dumps_[i].begin(),
                                   std::bind_front(RowsOf, std::ref(db)));
        }
        CreateSampleFile(file_, lists_[0]);
        std::string failures;
        state_ = Inspect(failures);
        Judge(failures, "the new file");
    }

    // One child, one kill, one inspection.
    void Cycle() {
        const long long first = next_;
        const char firstBuild = state_[WordsKey].ends_with('A') ? 'B' : 'A';
        const bool asTheGame = figures_.kills % 2 == 0; // else opened for maintenance
        const std::chrono::microseconds delay(std::uniform_int_distribution(300, 20000)(random_));
        int status = 0;
        const auto reports = RunAndKill(first, firstBuild, asTheGame, delay, status);
        ++figures_.kills;
        // The child's lines: "ready", "done N" per committed operation, maybe "error N what".
        const auto error = reports.find("error ");
        const auto done = reports.rfind("done ", error);
        const long long last =
            done == std::string::npos ? first - 1 : std::stoll(reports.substr(done + 5));
        figures_.committed += last - first + 1;

        // The reported operations ran on the state found last time; of the one in flight, any
        // number of commits may have landed.
        char build = firstBuild;
        std::vector<FileState> allowed{state_};
        for (long long i = first; i <= last; ++i) {
            const auto op = OperationAt(i, build, lists_);
            figures_.buildsCompleted += op.build != 0;
            allowed = {CommitsOf(allowed[0], op).back()};
        }
        const auto next = OperationAt(last + 1, build, lists_);
        std::ranges::copy(CommitsOf(allowed[0], next), std::back_inserter(allowed));
        figures_.buildsInterrupted += next.build != 0;

        std::string failures;
        const auto found = Inspect(failures);
        if (std::find(allowed.begin(), allowed.end(), found) == allowed.end()) {
            failures += "\n  " + Mismatch(found, allowed);
        } else if (next.build && found != allowed.front() && found != allowed.back()) {
            ++figures_.buildsFoundHalfDone;
        }
        if (error != std::string::npos) {
            failures += "\n  the child failed: operation " +
                        reports.substr(error + 6, reports.find('\n', error) - error - 6);
        } else if (!WIFSIGNALED(status) || WTERMSIG(status) != SIGKILL) {
            failures +=
                "\n  the child ended before it was killed, status " + std::to_string(status);
        }
        Judge(failures, "kill " + std::to_string(figures_.kills) + " (" +
                            (asTheGame ? "game" : "maintenance") + " open, " +
                            std::to_string(delay.count()) + " us, last reported operation " +
                            std::to_string(last) + ", in flight " + next.name + ")");
        // Whether the operation in flight committed is known only from the state found, which
        // is where the next child starts; it skips that operation.
        state_ = found;
        next_ = last + 2;
    }

private:
    // Opens the file as the game does and reads what the model compares; `failures` gets what
    // breaks the rules that hold for any file.
    FileState Inspect(std::string& failures) {
        ++figures_.filesChecked;
        FileState state;
        try {
            auto db = OpenLexelFile(file_);
            if (const auto check = RowsOf(db, "PRAGMA integrity_check"); check != "ok\n") {
                failures += "\n  integrity check: " + check;
            }
            for (auto rows = db.Prepare("SELECT Name, Value FROM Options"); rows.Step();) {
                state[rows.Text(0)] = rows.IsNull(1) ? "<null>" : rows.Text(1);
            }
            state[HistoryKey] =
                RowsOf(db, "SELECT Word || ' ' || Outcome FROM GameHistory ORDER BY Id");
            std::string labels;
            for (std::size_t i = 0; i < TableRows.size(); ++i) {
                const auto rows = RowsOf(db, TableRows[i]);
                labels += rows == dumps_[0][i] ? 'A' : rows == dumps_[1][i] ? 'B' : '?';
            }
            state[WordsKey] = labels.substr(0, 5);
            state[SourcesKey] = labels.substr(5);
        } catch (const std::exception& e) {
            failures += "\n  the game cannot open or read the file: " + std::string(e.what());
            return state;
        }
        // A half-built word table ('?'), mixed source lists or an unsorted high-score table
        // match no state the model allows.
        for (const auto& row : OptionDefaults()) {
            if (!state.contains(std::string(row.key))) {
                failures += "\n  Options row " + std::string(row.key) + " is missing";
            }
        }
        // The next open plays a journal with a header back into the file: one left after the
        // game closed the file must be inert, or it would undo committed writes.
        const fs::path journal = file_.string() + "-journal";
        if (fs::exists(journal) &&
            FileBytes(journal).substr(0, 8).find_first_not_of('\0') != std::string::npos) {
            failures += "\n  a live journal is left after the game closed the file";
        }
        return state;
    }

    // Starts a child, kills it `delay` after it has opened the file and returns its reports.
    std::string RunAndKill(long long index, char build, bool asTheGame,
                           std::chrono::microseconds delay, int& status) {
        int fds[2];
        pid_t pid = -1;
        if (pipe(fds) != 0 || (pid = fork()) < 0) {
            throw std::runtime_error("cannot start a child");
        }
        if (pid == 0) { // writes until it is killed, reporting each operation once it committed
            close(fds[0]);
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            alarm(10); // a child that is never killed ends itself
            const auto report = [&](const std::string& line) {
                if (write(fds[1], (line + "\n").data(), line.size() + 1) != std::ssize(line) + 1) {
                    _exit(3);
                }
            };
            try {
                auto db = asTheGame ? OpenLexelFile(file_) : OpenLexelFileForMaintenance(file_);
                SettingsStore store(db);
                report("ready");
                for (;; ++index) {
                    OperationAt(index, build, lists_).perform(store);
                    report("done " + std::to_string(index));
                }
            } catch (const std::exception& e) {
                report("error " + std::to_string(index) + " " + e.what());
            }
            _exit(2);
        }
        close(fds[1]);
        std::string reports;
        for (char c; reports.size() < 6 && read(fds[0], &c, 1) == 1;) {
            reports += c;
        }
        if (reports == "ready\n") {
            std::this_thread::sleep_for(delay);
        }
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        for (char c; read(fds[0], &c, 1) == 1;) {
            reports += c;
        }
        close(fds[0]);
        return reports;
    }

    // `failures`: a line each, starting "\n  ".
    void Judge(const std::string& failures, const std::string& what) {
        if (failures.empty()) {
            ++figures_.passed;
        } else if (++figures_.failed <= FailuresShown) {
            std::cout << "FAILED " << what << ":" << failures << "\n";
        }
    }

    Figures& figures_;
    std::mt19937 random_;
    TempDir dir_;
    fs::path file_ = dir_ / std::string(DatabaseFileName);
    std::array<SourceLists, 2> lists_{VariantLists('A'), VariantLists('B')};
    std::array<std::array<std::string, TableRows.size()>, 2> dumps_; // of each of `lists_` alone
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
    Figures f;
    try {
        const auto seed = argc > 1 ? static_cast<std::uint32_t>(std::stoul(argv[1])) : 20240611;
        Harness harness(seed, f);
        while (f.kills < RequiredKills && Clock::now() - start < TimeBound) {
            harness.Cycle();
        }
        std::cout << "crash harness (seed " << seed << "): " << f.kills << " kills in "
                  << std::chrono::duration<double>(Clock::now() - start).count() << " s, "
                  << f.committed << " operations committed, " << f.buildsCompleted
                  << " table builds completed and " << f.buildsInterrupted << " interrupted ("
                  << f.buildsFoundHalfDone << " found half-done), " << f.filesChecked
                  << " files checked\n";
    } catch (const std::exception& e) {
        std::cout << "crash harness: could not run: " << e.what() << "\n";
        ++f.failed;
    }
    if (f.kills < RequiredKills) {
        std::cout << "FAILED: only " << f.kills << " of " << RequiredKills << " kills within "
                  << TimeBound.count() << " s\n";
        ++f.failed;
    }
    std::cout << "crash harness: " << f.passed << " passed, " << f.failed << " failed\n";
    return f.failed == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
