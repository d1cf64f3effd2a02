#include "core/rules/BoardGeometry.h"
#include "core/rules/GuessEvaluation.h"

#include <benchmark/benchmark.h>

namespace {

void BM_EvaluateGuess(benchmark::State& state) {
    const std::string hidden = "planet";
    const std::string guesses[] = {"ten",  "lan",   "ane",   "net",   "anet",
                                   "lane", "lanet", "plane", "pellet"};
    for (auto _ : state) {
        for (int line = 0; line < lexel::LineCount; ++line) {
            benchmark::DoNotOptimize(
                lexel::EvaluateGuess(hidden, guesses[line], lexel::WindowOffset(line)));
        }
    }
    state.SetItemsProcessed(state.iterations() * lexel::LineCount);
}
BENCHMARK(BM_EvaluateGuess);

} // namespace
