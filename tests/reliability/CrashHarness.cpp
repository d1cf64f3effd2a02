// lexel-crash-harness: kills a process that is writing a Lexel file at random moments and checks
// after every kill that the game still opens the file and that the file holds exactly what the
// committed writes left there: no torn high-score move, no half-built word table, no mixture of
// two versions of the source lists.
//
// usage: lexel-crash-harness [seed]
//
// The seed fixes the operations and the delays before each kill; where in the child's work a
// delay lands still depends on the machine, so a failure names the state it found in full.

#include "SourceLists.h"
#include "settings/HighScores.h"
#include "settings/OptionDefaults.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "store/LexelFile.h"
#include "store/TableBuilder.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <poll.h>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace lexel::test {
namespace {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

constexpr int RequiredKills = 200;
constexpr auto TimeBound = std::chrono::seconds(45);
constexpr int MinDelayMicros = 300;
constexpr int MaxDelayMicros = 20000;
constexpr long long BuildEvery = 24;          // every 24th operation rebuilds the word tables
constexpr unsigned ChildLifetimeSeconds = 10; // a child that is never killed ends itself
constexpr int ReadyTimeoutMillis = 10000;
constexpr int FailuresShown = 20;
constexpr std::uint32_t DefaultSeed = 20240611;

char Upper(char c) {
    return static_cast<char>(c - 'a' + 'A');
}

// ---------------------------------------------------------------------------------------------
// Two versions of the source lists, different in every table and big enough that a table build
// takes several milliseconds, so kills often land inside one.

std::string RandomWord(std::mt19937& random, std::size_t length) {
    std::uniform_int_distribution<int> letter('a', 'z');
    std::string word(length, 'a');
    for (auto& c : word) {
        c = static_cast<char>(letter(random));
    }
    return word;
}

std::vector<std::string> DistinctWords(std::mt19937& random, std::size_t length,
                                       std::size_t count) {
    std::set<std::string> seen;
    std::vector<std::string> words;
    while (words.size() < count) {
        auto word = RandomWord(random, length);
        if (seen.insert(word).second) {
            words.push_back(std::move(word));
        }
    }
    return words;
}

// Every third word is followed by an anagram of itself, so w6 gets rows; the levels cycle
// through 1..4 and none, so w6s gets gaps in its source.
std::vector<SixLetterSource> SixLetterWords(std::mt19937& random, std::size_t count) {
    constexpr std::array<const char*, 5> Levels{"1", "2", "3", "4", ""};
    std::set<std::string> seen;
    std::vector<SixLetterSource> words;
    auto add = [&](const std::string& word) {
        if (words.size() < count && seen.insert(word).second) {
            words.push_back({word, Levels[words.size() % Levels.size()]});
        }
    };
    while (words.size() < count) {
        auto word = RandomWord(random, 6);
        add(word);
        if (words.size() % 3 == 0) {
            std::shuffle(word.begin(), word.end(), random);
            add(word);
        }
    }
    return words;
}

SourceLists VariantLists(char variant) {
    std::mt19937 random(static_cast<std::uint32_t>(variant));
    SourceLists lists;
    lists.guesses = {DistinctWords(random, 3, 150), DistinctWords(random, 4, 300),
                     DistinctWords(random, 5, 400)};
    lists.sixLetters = SixLetterWords(random, 500);
    for (auto word : DistinctWords(random, 5, 20)) {
        std::transform(word.begin(), word.end(), word.begin(), Upper);
        lists.except.push_back(word);
    }
    for (int i = 0; i < 5; ++i) {
        const std::string tag = std::string(1, variant) + std::to_string(i);
        lists.quotes.push_back({"Title " + tag, "Source " + tag, "Quote " + tag});
    }
    return lists;
}

// ---------------------------------------------------------------------------------------------
// A table's contents reduced to its row count and a hash of its rows in key or source order.

struct TableQuery {
    std::string_view table;
    std::string_view select;
    int columns;
};

constexpr std::array<TableQuery, 5> WordTables{{
    {"w3", "SELECT Word FROM w3 ORDER BY Word", 1},
    {"w4", "SELECT Word FROM w4 ORDER BY Word", 1},
    {"w5", "SELECT Word FROM w5 ORDER BY Word", 1},
    {"w6", "SELECT Word, Alpha FROM w6 ORDER BY Word", 2},
    {"w6s", "SELECT Key, Word, Class FROM w6s ORDER BY Key", 3},
}};

constexpr std::array<TableQuery, 6> SourceTables{{
    {"raw3", "SELECT Word FROM raw3 ORDER BY rowid", 1},
    {"raw4", "SELECT Word FROM raw4 ORDER BY rowid", 1},
    {"raw5", "SELECT Word FROM raw5 ORDER BY rowid", 1},
    {"raw6", "SELECT Word, Alpha, CountOfAlpha, Class FROM raw6 ORDER BY rowid", 4},
    {"Except", "SELECT Word FROM \"Except\" ORDER BY rowid", 1},
    {"Quotes", "SELECT Title, Source, Quote FROM Quotes ORDER BY rowid", 3},
}};

struct Fingerprint {
    std::int64_t rows = 0;
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a

    bool operator==(const Fingerprint&) const = default;
};

// The separator after each value keeps ("ab", "c") apart from ("a", "bc").
void Mix(std::uint64_t& hash, std::string_view bytes) {
    constexpr std::uint64_t Prime = 1099511628211ull;
    for (const unsigned char b : bytes) {
        hash = (hash ^ b) * Prime;
    }
    hash = (hash ^ 0x1f) * Prime;
}

Fingerprint FingerprintOf(sql::Database& db, const TableQuery& query) {
    Fingerprint print;
    auto rows = db.Prepare(query.select);
    while (rows.Step()) {
        ++print.rows;
        for (int column = 0; column < query.columns; ++column) {
            Mix(print.hash, rows.IsNull(column) ? std::string("\x01null") : rows.Text(column));
        }
    }
    return print;
}

using Fingerprints = std::map<std::string, Fingerprint, std::less<>>;

Fingerprints FingerprintsOf(sql::Database& db) {
    Fingerprints prints;
    for (const auto& query : WordTables) {
        prints.emplace(query.table, FingerprintOf(db, query));
    }
    for (const auto& query : SourceTables) {
        prints.emplace(query.table, FingerprintOf(db, query));
    }
    return prints;
}

struct Variant {
    char name;
    SourceLists lists;
    Fingerprints prints; // of a file built from `lists` alone
};

using Variants = std::array<Variant, 2>;

Variant MakeVariant(char name, const fs::path& referenceDir) {
    Variant variant{name, VariantLists(name), {}};
    const auto file = referenceDir / (std::string(1, name) + ".lxl");
    CreateSampleFile(file, variant.lists);
    auto db = OpenLexelFile(file);
    variant.prints = FingerprintsOf(db);
    return variant;
}

const Variant& VariantNamed(const Variants& variants, char name) {
    return variants[0].name == name ? variants[0] : variants[1];
}

char OtherVariant(char name) {
    return name == 'A' ? 'B' : 'A';
}

// 'A' or 'B' when the table equals that variant's build, '?' when it equals neither.
char LabelOf(const Fingerprints& seen, std::string_view table, const Variants& variants) {
    for (const auto& variant : variants) {
        if (seen.find(table)->second == variant.prints.find(table)->second) {
            return variant.name;
        }
    }
    return '?';
}

// ---------------------------------------------------------------------------------------------
// What a file holds, as far as the checks are concerned.

struct FileState {
    std::map<std::string, std::string> options; // a null Value is "<null>"
    char sources = '?';                         // the variant of all six source tables
    std::array<char, WordTables.size()> words{'?', '?', '?', '?', '?'};

    bool operator==(const FileState&) const = default;
};

std::vector<std::string> HighScoreKeys() {
    std::vector<std::string> keys;
    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
        keys.push_back(HighScoreKey(rank));
    }
    return keys;
}

const std::vector<std::string> CounterKeys{"GamesPlayed", "GamesWon"};
const std::vector<std::string> SettingKeys{"Class",  "Only",  "Cheating",
                                           "Colors", "Timer", "Language"};

std::string ValuesOf(const FileState& state, const std::vector<std::string>& keys) {
    std::string text;
    for (const auto& key : keys) {
        const auto row = state.options.find(key);
        text += key + "=" + (row == state.options.end() ? "<no row>" : row->second) + " ";
    }
    return text;
}

std::string WordLabels(const FileState& state) {
    return std::string(state.words.begin(), state.words.end());
}

// The parts of the state that the checks compare one by one, so a failure names its part.
struct Part {
    std::string_view name;
    std::string (*show)(const FileState&);
};

const std::array<Part, 5> Parts{{
    {"high-score table", [](const FileState& s) { return ValuesOf(s, HighScoreKeys()); }},
    {"games counters", [](const FileState& s) { return ValuesOf(s, CounterKeys); }},
    {"settings", [](const FileState& s) { return ValuesOf(s, SettingKeys); }},
    {"source lists", [](const FileState& s) { return std::string(1, s.sources); }},
    {"word tables w3 w4 w5 w6 w6s", WordLabels},
}};

// ---------------------------------------------------------------------------------------------
// The operations the child performs, the same sequence for the child and the model.

enum class Kind { Language, Played, Won, HighScore, Save, Build };

struct Operation {
    long long index = 0;
    Kind kind = Kind::Language;
    std::string word;   // HighScore
    std::string text;   // Language: the value; HighScore: the score
    Settings settings;  // Save
    char variant = 'A'; // Build
};

std::uint64_t Scramble(std::uint64_t x) { // splitmix64
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

// A different lower-case word for every index, so every high-score entry can be told apart.
std::string WordOfIndex(long long index) {
    std::string word(6, 'a');
    for (auto& c : word) {
        c = static_cast<char>('a' + index % 26);
        index /= 26;
    }
    return word;
}

// Scores grow with the index and scatter over the last couple of hundred operations, so new
// entries land at every rank; now and then a 0, which never enters.
std::string ScoreOfIndex(long long index, std::uint64_t bits) {
    if (bits % 16 == 0) {
        return "0";
    }
    return std::to_string(index + static_cast<long long>((bits >> 4) % 200) + 1);
}

// The options dialog never leaves cheating on at Expert or Guru.
Settings SettingsOfBits(std::uint64_t bits) {
    Settings settings;
    settings.Class = std::to_string(1 + bits % 4);
    settings.Only = bits & 4;
    settings.Cheating = (bits & 8) && bits % 4 < 2;
    settings.Colors = bits & 16;
    settings.Timer = bits & 32;
    settings.Language = (bits & 64) ? "D" : "E";
    return settings;
}

class Schedule {
public:
    Schedule(long long first, char firstBuild) : next_(first), build_(firstBuild) {}

    Operation Next() {
        Operation op;
        op.index = next_++;
        const std::uint64_t bits = Scramble(static_cast<std::uint64_t>(op.index));
        if (op.index % BuildEvery == BuildEvery - 1) {
            op.kind = Kind::Build;
            op.variant = build_;
            build_ = OtherVariant(build_);
            return op;
        }
        constexpr std::array<Kind, 8> Kinds{Kind::HighScore, Kind::HighScore, Kind::HighScore,
                                            Kind::Played,    Kind::Won,       Kind::Language,
                                            Kind::Save,      Kind::Save};
        op.kind = Kinds[bits % Kinds.size()];
        op.word = WordOfIndex(op.index);
        op.text = op.kind == Kind::Language ? ((bits >> 8) & 1 ? "D" : "E")
                                            : ScoreOfIndex(op.index, bits >> 8);
        op.settings = SettingsOfBits(bits >> 8);
        return op;
    }

private:
    long long next_;
    char build_;
};

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::Language:
        return "WriteOption Language";
    case Kind::Played:
        return "IncrementCounter GamesPlayed";
    case Kind::Won:
        return "IncrementCounter GamesWon";
    case Kind::HighScore:
        return "EnterHighScore";
    case Kind::Save:
        return "SaveSettings";
    case Kind::Build:
        return "table build";
    }
    return "?";
}

// ---------------------------------------------------------------------------------------------
// The model: what each operation does to the state, written from the rules, not from the code.

std::int64_t ScoreOfEntry(const std::string& entry) {
    std::int64_t score = 0;
    if (entry.size() > 6) {
        std::from_chars(entry.data() + 6, entry.data() + entry.size(), score);
    }
    return score;
}

void EnterInModel(FileState& state, const std::string& word, const std::string& score) {
    const auto keys = HighScoreKeys();
    std::vector<std::string> table;
    for (const auto& key : keys) {
        table.push_back(state.options[key]);
    }
    const auto n = ScoreOfEntry("......" + score);
    const auto place = std::find_if(table.begin(), table.end(),
                                    [&](const std::string& e) { return ScoreOfEntry(e) < n; });
    if (place == table.end()) {
        return;
    }
    std::string entry = word;
    std::transform(entry.begin(), entry.end(), entry.begin(), Upper);
    table.insert(place, entry + score);
    for (std::size_t rank = 0; rank < keys.size(); ++rank) {
        state.options[keys[rank]] = table[rank];
    }
}

void CountInModel(FileState& state, const std::string& key) {
    std::int64_t count = 0;
    const auto& text = state.options[key];
    std::from_chars(text.data(), text.data() + text.size(), count);
    state.options[key] = std::to_string(count + 1);
}

// The states the file passes through while `op` runs, one per commit, the last one being the
// state after it: a save commits its six rows at once, a build commits the source lists and
// then each word table.
std::vector<FileState> CommitsOf(FileState state, const Operation& op) {
    std::vector<FileState> commits;
    switch (op.kind) {
    case Kind::Language:
        state.options["Language"] = op.text;
        break;
    case Kind::Played:
        CountInModel(state, "GamesPlayed");
        break;
    case Kind::Won:
        CountInModel(state, "GamesWon");
        break;
    case Kind::HighScore:
        EnterInModel(state, op.word, op.text);
        break;
    case Kind::Save: {
        const auto& s = op.settings;
        const std::array<std::string, 6> values{s.Class,
                                                s.Only ? "Y" : "N",
                                                s.Cheating ? "Y" : "N",
                                                s.Colors ? "Y" : "N",
                                                s.Timer ? "Y" : "N",
                                                s.Language};
        for (std::size_t i = 0; i < values.size(); ++i) {
            state.options[SettingKeys[i]] = values[i];
        }
        break; // one commit for all six rows
    }
    case Kind::Build:
        state.sources = op.variant;
        commits.push_back(state);
        for (auto& table : state.words) {
            table = op.variant;
            commits.push_back(state);
        }
        return commits;
    }
    commits.push_back(state);
    return commits;
}

// ---------------------------------------------------------------------------------------------
// Looking at the file as the game does.

struct Inspection {
    FileState state;
    std::vector<std::string> failures;
    bool inertJournalLeft = false;
};

std::vector<std::string> IntegrityProblems(sql::Database& db) {
    std::vector<std::string> problems;
    auto check = db.Prepare("PRAGMA integrity_check");
    while (check.Step()) {
        problems.push_back(check.Text(0));
    }
    if (problems == std::vector<std::string>{"ok"}) {
        problems.clear();
    }
    return problems;
}

std::map<std::string, std::string> OptionsOf(sql::Database& db) {
    std::map<std::string, std::string> options;
    auto rows = db.Prepare("SELECT Name, Value FROM Options");
    while (rows.Step()) {
        options[rows.Text(0)] = rows.IsNull(1) ? "<null>" : rows.Text(1);
    }
    return options;
}

void CheckSourcesAgree(const Fingerprints& prints, const Variants& variants, Inspection& seen) {
    std::string labels;
    for (const auto& query : SourceTables) {
        labels += std::string(query.table) + ":" + LabelOf(prints, query.table, variants) + " ";
    }
    const char first = LabelOf(prints, SourceTables[0].table, variants);
    const bool agree = std::all_of(SourceTables.begin(), SourceTables.end(), [&](const auto& q) {
        return LabelOf(prints, q.table, variants) == first;
    });
    seen.state.sources = agree ? first : '?';
    if (seen.state.sources == '?') {
        seen.failures.push_back("source lists are not one variant's: " + labels);
    }
}

void CheckWordTables(const Fingerprints& prints, const Variants& variants, Inspection& seen) {
    for (std::size_t i = 0; i < WordTables.size(); ++i) {
        seen.state.words[i] = LabelOf(prints, WordTables[i].table, variants);
        if (seen.state.words[i] == '?') {
            const auto& print = prints.find(WordTables[i].table)->second;
            seen.failures.push_back(std::string(WordTables[i].table) + " (" +
                                    std::to_string(print.rows) +
                                    " rows) is neither variant A's nor variant B's build");
        }
    }
}

void CheckOptionRows(Inspection& seen) {
    for (const auto& row : OptionDefaults()) {
        if (!seen.state.options.contains(std::string(row.key))) {
            seen.failures.push_back("Options row " + std::string(row.key) + " is missing");
        }
    }
}

void CheckHighScoresSorted(Inspection& seen) {
    std::int64_t previous = INT64_MAX;
    for (const auto& key : HighScoreKeys()) {
        const auto score = ScoreOfEntry(seen.state.options[key]);
        if (score > previous) {
            seen.failures.push_back("high-score table is not sorted by score: " +
                                    ValuesOf(seen.state, HighScoreKeys()));
            return;
        }
        previous = score;
    }
}

// The engine plays a journal that starts with its header back into the file at the next open;
// a journal left after the game's own connection has closed must therefore be inert (its
// header wiped), or a later open would undo committed writes.
void CheckJournalInert(const fs::path& file, Inspection& seen) {
    auto journal = file;
    journal += "-journal";
    if (!fs::exists(journal)) {
        return;
    }
    seen.inertJournalLeft = true;
    const auto head = FileBytes(journal).substr(0, 8);
    if (head.find_first_not_of('\0') != std::string::npos) {
        seen.failures.push_back("a live journal is left after the game closed the file");
    }
}

Inspection Inspect(const fs::path& file, const Variants& variants) {
    Inspection seen;
    try {
        auto db = OpenLexelFile(file);
        for (const auto& problem : IntegrityProblems(db)) {
            seen.failures.push_back("integrity check: " + problem);
        }
        seen.state.options = OptionsOf(db);
        const auto prints = FingerprintsOf(db);
        CheckSourcesAgree(prints, variants, seen);
        CheckWordTables(prints, variants, seen);
    } catch (const DatabaseOpenError& e) {
        seen.failures.push_back(std::string("the game cannot open the file: ") + e.what());
        return seen;
    } catch (const sql::Error& e) {
        seen.failures.push_back(std::string("reading the file failed: ") + e.what());
        return seen;
    }
    CheckOptionRows(seen);
    CheckHighScoresSorted(seen);
    CheckJournalInert(file, seen);
    return seen;
}

// Each part of what was found must equal that part of one of the states the file may be in.
// Only the operation in flight is uncertain and it touches one part, so checking the parts one
// by one is as strict as checking whole states.
void CompareWithModel(const std::vector<FileState>& allowed, Inspection& seen) {
    for (const auto& part : Parts) {
        const auto found = part.show(seen.state);
        const bool matches = std::any_of(allowed.begin(), allowed.end(),
                                         [&](const FileState& s) { return part.show(s) == found; });
        if (!matches) {
            std::string expected;
            for (const auto& state : allowed) {
                expected += "\n      or " + part.show(state);
            }
            seen.failures.push_back(std::string(part.name) + ": found\n      " + found +
                                    "\n    expected one of" + expected);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The child: writes until it is killed, reporting each operation once its commit has returned.

void Report(int fd, const std::string& line) {
    const std::string text = line + "\n";
    std::size_t done = 0;
    while (done < text.size()) {
        const auto n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno != EINTR) {
            _exit(3);
        }
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
}

void Perform(SettingsStore& store, const Operation& op, const Variants& variants) {
    switch (op.kind) {
    case Kind::Language:
        store.WriteOption("Language", op.text);
        break;
    case Kind::Played:
        store.IncrementCounter("GamesPlayed");
        break;
    case Kind::Won:
        store.IncrementCounter("GamesWon");
        break;
    case Kind::HighScore:
        EnterHighScore(store, op.word, op.text);
        break;
    case Kind::Save:
        SaveSettings(store, op.settings);
        break;
    case Kind::Build:
        LoadSourceLists(store.database(), VariantNamed(variants, op.variant).lists);
        BuildWordTables(store.database());
        break;
    }
}

struct ChildPlan {
    long long first = 0;
    char firstBuild = 'B';
    bool asTheGame = true; // else opened for maintenance
};

[[noreturn]] void RunChild(const fs::path& file, const ChildPlan& plan, const Variants& variants,
                           int fd) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    alarm(ChildLifetimeSeconds);
    long long index = plan.first;
    try {
        auto db = plan.asTheGame ? OpenLexelFile(file) : OpenLexelFileForMaintenance(file);
        SettingsStore store(db);
        Report(fd, "ready");
        for (Schedule schedule(plan.first, plan.firstBuild);;) {
            const auto op = schedule.Next();
            index = op.index;
            Perform(store, op, variants);
            Report(fd, "done " + std::to_string(op.index));
        }
    } catch (const std::exception& e) {
        Report(fd, "error " + std::to_string(index) + " " + e.what());
    }
    _exit(2);
}

// ---------------------------------------------------------------------------------------------
// The parent: starts a child, kills it, and collects what it reported.

struct ChildRun {
    int status = 0;
    bool ready = false;
    std::optional<long long> lastDone;
    long long done = 0;
    std::string error;
};

bool ReadSome(int fd, std::string& buffer, int timeoutMillis) {
    pollfd waiting{fd, POLLIN, 0};
    if (poll(&waiting, 1, timeoutMillis) <= 0) {
        return false;
    }
    char chunk[4096];
    const auto n = read(fd, chunk, sizeof chunk);
    if (n <= 0) {
        return false;
    }
    buffer.append(chunk, static_cast<std::size_t>(n));
    return true;
}

bool WaitUntilReady(int fd, std::string& buffer) {
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(ReadyTimeoutMillis);
    while (buffer.find("ready\n") == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
        if (left.count() <= 0 || !ReadSome(fd, buffer, static_cast<int>(left.count()))) {
            return false;
        }
    }
    return true;
}

void ParseReports(const std::string& buffer, ChildRun& run) {
    std::istringstream lines(buffer);
    std::string line;
    while (std::getline(lines, line)) {
        if (line == "ready") {
            run.ready = true;
        } else if (line.rfind("done ", 0) == 0) {
            run.lastDone = std::stoll(line.substr(5));
            ++run.done;
        } else if (line.rfind("error ", 0) == 0) {
            run.error = line.substr(6);
        }
    }
}

ChildRun RunAndKill(const fs::path& file, const ChildPlan& plan, const Variants& variants,
                    std::chrono::microseconds delay) {
    int fds[2];
    if (pipe(fds) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error("fork failed");
    }
    if (pid == 0) {
        close(fds[0]);
        RunChild(file, plan, variants, fds[1]);
    }
    close(fds[1]);
    std::string buffer;
    if (WaitUntilReady(fds[0], buffer)) {
        std::this_thread::sleep_for(delay);
    }
    kill(pid, SIGKILL);
    ChildRun run;
    waitpid(pid, &run.status, 0);
    while (ReadSome(fds[0], buffer, 0)) {
    }
    close(fds[0]);
    ParseReports(buffer, run);
    return run;
}

// ---------------------------------------------------------------------------------------------

struct Figures {
    int kills = 0;
    long long committed = 0;
    int buildsCompleted = 0;
    int buildsInterrupted = 0;
    int buildsFoundHalfDone = 0;
    int inertJournals = 0;
    int filesChecked = 0;
    int passed = 0;
    int failed = 0;
};

bool IsStrictlyBetween(const FileState& seen, const FileState& before,
                       const std::vector<FileState>& commits) {
    return seen != before && seen != commits.back() &&
           std::find(commits.begin(), commits.end(), seen) != commits.end();
}

void CountHalfDone(const FileState& seen, const FileState& before, const Operation& next,
                   const std::vector<FileState>& commits, Figures& figures) {
    if (!IsStrictlyBetween(seen, before, commits)) {
        return;
    }
    if (next.kind == Kind::Build) {
        ++figures.buildsFoundHalfDone;
    }
}

class Harness {
public:
    Harness(std::uint32_t seed, const fs::path& referenceDir)
        : random_(seed), variants_{MakeVariant('A', referenceDir), MakeVariant('B', referenceDir)} {
        CreateSampleFile(file_, variants_[0].lists);
    }

    void Start() {
        ++figures_.filesChecked;
        auto seen = Inspect(file_, variants_);
        state_ = seen.state;
        Judge(seen.failures, "the new file");
    }

    // One child, one kill, one inspection.
    void Cycle() {
        const ChildPlan plan{next_, OtherVariant(state_.words.back()), figures_.kills % 2 == 0};
        std::uniform_int_distribution<int> micros(MinDelayMicros, MaxDelayMicros);
        const auto delay = std::chrono::microseconds(micros(random_));
        const auto run = RunAndKill(file_, plan, variants_, delay);
        ++figures_.kills;
        figures_.committed += run.done;

        Schedule schedule(plan.first, plan.firstBuild);
        const long long last = run.lastDone.value_or(plan.first - 1);
        const auto before = Replay(schedule, plan.first, last);
        const auto next = schedule.Next();
        const auto commits = CommitsOf(before, next);
        figures_.buildsInterrupted += next.kind == Kind::Build ? 1 : 0;

        ++figures_.filesChecked;
        auto seen = Inspect(file_, variants_);
        std::vector<FileState> allowed{before};
        allowed.insert(allowed.end(), commits.begin(), commits.end());
        CompareWithModel(allowed, seen);
        CheckChildEnd(run, seen.failures);
        CountHalfDone(seen.state, before, next, commits, figures_);
        figures_.inertJournals += seen.inertJournalLeft ? 1 : 0;

        std::ostringstream what;
        what << "kill " << figures_.kills << " (" << (plan.asTheGame ? "game" : "maintenance")
             << " open, " << delay.count() << " us, last reported operation " << last
             << ", in flight " << next.index << " " << KindName(next.kind) << ")";
        Judge(seen.failures, what.str());
        // Whether the operation in flight committed is known only from the state found, which
        // is where the next child starts; it skips that operation.
        state_ = seen.state;
        next_ = last + 2;
    }

    const Figures& figures() const { return figures_; }
    Figures& figures() { return figures_; }

private:
    // The model's state once the operations the child reported have run on the last state found.
    FileState Replay(Schedule& schedule, long long first, long long last) {
        FileState state = state_;
        for (long long i = first; i <= last; ++i) {
            const auto done = schedule.Next();
            figures_.buildsCompleted += done.kind == Kind::Build ? 1 : 0;
            state = CommitsOf(state, done).back();
        }
        return state;
    }

    static void CheckChildEnd(const ChildRun& run, std::vector<std::string>& failures) {
        if (!run.error.empty()) {
            failures.push_back("the child failed: operation " + run.error);
        } else if (!run.ready) {
            failures.push_back("the child never opened the file");
        } else if (!WIFSIGNALED(run.status) || WTERMSIG(run.status) != SIGKILL) {
            failures.push_back("the child ended before it was killed, status " +
                               std::to_string(run.status));
        }
    }

    bool Judge(const std::vector<std::string>& failures, const std::string& what) {
        if (failures.empty()) {
            ++figures_.passed;
            return true;
        }
        if (++figures_.failed <= FailuresShown) {
            std::cout << "FAILED " << what << ":\n";
            for (const auto& failure : failures) {
                std::cout << "  " << failure << "\n";
            }
        }
        return false;
    }

    std::mt19937 random_;
    TempDir dir_;
    fs::path file_ = dir_ / std::string(DatabaseFileName);
    Variants variants_;
    FileState state_;
    long long next_ = 0;
    Figures figures_;
};

int Run(std::uint32_t seed) {
    const auto start = SteadyClock::now();
    TempDir references;
    Harness harness(seed, references.path());
    harness.Start();
    while (harness.figures().kills < RequiredKills && SteadyClock::now() - start < TimeBound) {
        harness.Cycle();
    }
    auto& f = harness.figures();
    const double seconds = std::chrono::duration<double>(SteadyClock::now() - start).count();
    std::cout << "crash harness (seed " << seed << "): " << f.kills << " kills in " << seconds
              << " s, " << f.committed << " operations committed, " << f.buildsCompleted
              << " table builds completed and " << f.buildsInterrupted << " interrupted ("
              << f.buildsFoundHalfDone << " found half-done), " << f.inertJournals
              << " inert journals left, " << f.filesChecked << " files checked\n";
    if (f.kills < RequiredKills) {
        std::cout << "FAILED: only " << f.kills << " of " << RequiredKills << " kills within "
                  << TimeBound.count() << " s\n";
        ++f.failed;
    }
    std::cout << "crash harness: " << f.passed << " passed, " << f.failed << " failed\n";
    return f.failed == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

// A killed process loses nothing the kernel already holds, so the disk's syncs add nothing to
// what is tested here, while they cost each commit milliseconds; with the files in memory the
// same kills cover many more commits and complete table builds.
void PreferMemoryBackedFiles() {
    if (access("/dev/shm", W_OK | X_OK) == 0) {
        setenv("TMPDIR", "/dev/shm", 1);
    }
}

} // namespace
} // namespace lexel::test

int main(int argc, char** argv) {
    try {
        lexel::test::PreferMemoryBackedFiles();
        const auto seed =
            argc > 1 ? static_cast<std::uint32_t>(std::stoul(argv[1])) : lexel::test::DefaultSeed;
        return lexel::test::Run(seed);
    } catch (const std::exception& e) {
        std::cout << "crash harness: could not run: " << e.what() << "\n";
        std::cout << "crash harness: 0 passed, 1 failed\n";
        return EXIT_FAILURE;
    }
}
