// The word store against the database generated from the committed source lists.

#include "DatabaseGenerator.h"
#include "core/rules/GuessEvaluation.h"
#include "core/rules/PossibleWords.h"
#include "core/rules/SuggestWord.h"
#include "core/store/LexelFile.h"
#include "core/store/WordStore.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <filesystem>
#include <stdlib.h>

namespace {

namespace fs = std::filesystem;

// One generated database for the whole run, in a directory removed at exit.
class Fixture {
public:
    Fixture() {
        std::string pattern = (fs::temp_directory_path() / "lexel-bench-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
        lexel::CreateDatabase(LEXEL_DATA_DIR, file());
    }
    ~Fixture() { fs::remove_all(dir_); }
    fs::path file() const { return dir_ / "Lexel.lxl"; }
    fs::path dir() const { return dir_; }

private:
    fs::path dir_;
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_IsKnownWord(benchmark::State& state) {
    auto db = lexel::OpenLexelFile(Shared().file());
    lexel::SeededRandom random(1);
    lexel::WordStore store(db, random);
    const char* words[] = {"ten", "xqz", "lane", "qqqq", "plane", "zzzzz"};
    for (auto _ : state) {
        for (const char* word : words) {
            benchmark::DoNotOptimize(store.IsKnownWord(word));
        }
    }
    state.SetItemsProcessed(state.iterations() * 6);
}
BENCHMARK(BM_IsKnownWord);

void BM_PickHiddenWord(benchmark::State& state) {
    auto db = lexel::OpenLexelFile(Shared().file());
    lexel::SeededRandom random(1);
    for (auto _ : state) {
        lexel::WordStore store(db, random); // a fresh run: no used words
        benchmark::DoNotOptimize(
            store.PickHiddenWord(static_cast<lexel::Level>(state.range(0)), true));
    }
}
BENCHMARK(BM_PickHiddenWord)->DenseRange(1, 4);

// The words a game of the largest choice (Guru with the easier levels) may hide, read once per
// game, and the count after each of lines 1 to 8 of a game, redone after every line.
void BM_ReadDrawableWords(benchmark::State& state) {
    auto db = lexel::OpenLexelFile(Shared().file());
    lexel::SeededRandom random(1);
    lexel::WordStore store(db, random);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.DrawableWords(lexel::Level::Guru, false));
    }
}
BENCHMARK(BM_ReadDrawableWords)->Unit(benchmark::kMicrosecond);

void BM_CountPossibleWords(benchmark::State& state) {
    auto db = lexel::OpenLexelFile(Shared().file());
    lexel::SeededRandom random(1);
    const auto words = lexel::WordStore(db, random).DrawableWords(lexel::Level::Guru, false);
    const char* guesses[] = {"ten", "ace", "sir", "dog", "rain", "mole", "crane", "plush"};
    lexel::Evidence evidence;
    for (int line = 0; line < state.range(0); ++line) {
        evidence.lines.push_back(
            {line, guesses[line],
             lexel::EvaluateGuess("garden", guesses[line], lexel::WindowOffset(line))});
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(lexel::CountPossible(words, evidence));
    }
    state.counters["words"] = static_cast<double>(words.size());
}
BENCHMARK(BM_CountPossibleWords)->DenseRange(1, 8)->Unit(benchmark::kMicrosecond);

void BM_FindAnagrams(benchmark::State& state) {
    auto db = lexel::OpenLexelFile(Shared().file());
    lexel::SeededRandom random(1);
    lexel::WordStore store(db, random);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.FindAnagrams("danger"));
        benchmark::DoNotOptimize(store.FindAnagrams("silver"));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_FindAnagrams);

// A suggestion on a five-letter line (w5, the largest table), red/untried as at a game's start.
// "?????" and "?A???" are met in the first scan; nothing matches "SRAET", so the second scan
// finds its anagrams; "QZXJV" runs both scans to the end without a word.
void BM_SuggestWord(benchmark::State& state, const char* pattern) {
    auto db = lexel::OpenLexelFile(Shared().file());
    lexel::SeededRandom random(1);
    lexel::SuggestionTables tables(db);
    tables.Table(5); // read once, as the game does at its first suggestion
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            lexel::SuggestWord(tables.Table(static_cast<int>(std::strlen(pattern))), random,
                               pattern, "", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    }
}
BENCHMARK_CAPTURE(BM_SuggestWord, free, "?????")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SuggestWord, second_a, "?A???")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SuggestWord, letters_elsewhere, "SRAET")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SuggestWord, no_word, "QZXJV")->Unit(benchmark::kMicrosecond);

// The same with the table and the exception list read from the file on every call.
void BM_SuggestWordReading(benchmark::State& state, const char* pattern) {
    auto db = lexel::OpenLexelFile(Shared().file());
    lexel::SeededRandom random(1);
    for (auto _ : state) {
        lexel::SuggestionTables tables(db); // nothing kept from the call before
        benchmark::DoNotOptimize(
            lexel::SuggestWord(tables.Table(static_cast<int>(std::strlen(pattern))), random,
                               pattern, "", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    }
}
BENCHMARK_CAPTURE(BM_SuggestWordReading, free, "?????")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SuggestWordReading, no_word, "QZXJV")->Unit(benchmark::kMicrosecond);

void BM_BuildWordTables(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(lexel::RebuildTables(Shared().file()));
    }
}
BENCHMARK(BM_BuildWordTables)->Unit(benchmark::kMillisecond);

void BM_CreateDatabase(benchmark::State& state) {
    const auto file = Shared().dir() / "created.lxl";
    for (auto _ : state) {
        fs::remove(file);
        benchmark::DoNotOptimize(lexel::CreateDatabase(LEXEL_DATA_DIR, file));
    }
}
BENCHMARK(BM_CreateDatabase)->Unit(benchmark::kMillisecond);

void BM_OpenLexelFile(benchmark::State& state) {
    for (auto _ : state) {
        auto db = lexel::OpenLexelFile(Shared().file());
        benchmark::DoNotOptimize(db.IsOpen());
    }
}
BENCHMARK(BM_OpenLexelFile)->Unit(benchmark::kMillisecond);

// The cost of the key derivation alone: open and read a small file keyed with `kdf_iter`
// iterations (64000 is SQLCipher 3's default).
void BM_KeyDerivation(benchmark::State& state) {
    const auto file = Shared().dir() / ("kdf" + std::to_string(state.range(0)) + ".db");
    const auto pragma = "PRAGMA kdf_iter = " + std::to_string(state.range(0)) + ";";
    {
        auto db = lexel::sql::Database::Open(file, lexel::sql::Database::Mode::CreateNew, "k");
        db.Execute(pragma + "CREATE TABLE IF NOT EXISTS t (x)");
    }
    for (auto _ : state) {
        auto db = lexel::sql::Database::Open(file, lexel::sql::Database::Mode::OpenExisting, "k");
        db.Execute(pragma + "SELECT COUNT(*) FROM t");
    }
}
BENCHMARK(BM_KeyDerivation)->Arg(256)->Arg(4000)->Arg(64000)->Unit(benchmark::kMillisecond);

} // namespace
