// What an installed start spends on the shipped word lists: hashing their bytes to learn that
// the player's file holds them already (every start), and refreshing the file after an upgrade.

#include "DatabaseGenerator.h"
#include "core/startup/ShippedWords.h"
#include "core/store/LexelFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdlib.h>

namespace {

namespace fs = std::filesystem;

class ShippedFixture {
public:
    ShippedFixture() {
        std::string pattern = (fs::temp_directory_path() / "lexel-bench-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
        lexel::CreateDatabase(LEXEL_DATA_DIR, file());
    }
    ~ShippedFixture() { fs::remove_all(dir_); }
    fs::path file() const { return dir_ / "Lexel.lxl"; }

private:
    fs::path dir_;
};

void BM_ShippedWordsAreCurrent(benchmark::State& state) {
    ShippedFixture fixture;
    auto db = lexel::OpenLexelFile(fixture.file());
    for (auto _ : state) {
        benchmark::DoNotOptimize(lexel::RefreshShippedWords(db, LEXEL_DATA_DIR));
    }
}
BENCHMARK(BM_ShippedWordsAreCurrent)->Unit(benchmark::kMillisecond);

void BM_RefreshAfterAnUpgrade(benchmark::State& state) {
    ShippedFixture fixture;
    auto db = lexel::OpenLexelFile(fixture.file());
    for (auto _ : state) {
        state.PauseTiming();
        db.Execute("DELETE FROM Options WHERE Name = 'WordData'");
        state.ResumeTiming();
        benchmark::DoNotOptimize(lexel::RefreshShippedWords(db, LEXEL_DATA_DIR));
    }
}
BENCHMARK(BM_RefreshAfterAnUpgrade)->Unit(benchmark::kMillisecond);

} // namespace
