// The statistics window's History page over long histories: built and drawn once per run, as
// the window opens. Goal: within 100 ms whatever the history's size, shown at 1,000,000 games.

#include "DatabaseGenerator.h"
#include "core/history/GameHistory.h"
#include "core/store/LexelFile.h"
#include "ui/dialogs/HistoryPage.h"

#include <QApplication>
#include <QPixmap>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <map>
#include <stdlib.h>

namespace {

namespace fs = std::filesystem;
using lexel::Outcome;

// Five games in seven won, on lines spread over 1 to 9, the rest lost or given up, at the four
// levels in turn: streaks of up to five games, every bar and series filled.
lexel::HistoryRow Game(std::int64_t i) {
    const bool won = i % 7 < 5;
    return {.finishedAt = "2024-06-11T14:03:05",
            .level = static_cast<lexel::Level>(1 + i % 4),
            .word = "garden",
            .line = won ? static_cast<int>(1 + (i * 13) % 9) : 9,
            .outcome = won ? Outcome::Won : (i % 7 == 5 ? Outcome::Lost : Outcome::GivenUp),
            .seconds = 60,
            .score = won ? 100000 + (i * 7919) % 200000 : 0};
}

// A generated file per history size, made once per run in a directory removed at exit.
class Files {
public:
    Files() {
        std::string pattern = (fs::temp_directory_path() / "lexel-history-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
    }
    ~Files() { fs::remove_all(dir_); }

    fs::path With(std::int64_t games) {
        const auto file = dir_ / (std::to_string(games) + ".lxl");
        if (!fs::exists(file)) {
            lexel::CreateDatabase(LEXEL_DATA_DIR, file);
            auto db = lexel::OpenLexelFile(file);
            lexel::sql::Transaction fill(db);
            lexel::GameHistory history(db);
            for (std::int64_t i = 0; i < games; ++i) {
                history.Add(Game(i));
            }
            fill.Commit();
        }
        return file;
    }

private:
    fs::path dir_;
};

Files& Shared() {
    static Files files;
    return files;
}

// What opening the page costs: its queries, its widgets and its first drawing.
void BM_OpenHistoryPage(benchmark::State& state) {
    auto db = lexel::OpenLexelFile(Shared().With(state.range(0)));
    lexel::GameHistory history(db);
    for (auto _ : state) {
        lexel::HistoryPage page(history);
        page.resize(344, 260);
        benchmark::DoNotOptimize(page.grab());
    }
}
BENCHMARK(BM_OpenHistoryPage)
    ->Arg(0)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The queries alone.
void BM_HistoryTotals(benchmark::State& state) {
    auto db = lexel::OpenLexelFile(Shared().With(state.range(0)));
    lexel::GameHistory history(db);
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.Totals());
    }
}
BENCHMARK(BM_HistoryTotals)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
