// The coach over the largest set of words the draw may hide: the first line alone, and whole
// games, an ordinary one and one whose lines tell almost nothing, so every line weighs
// thousands of guesses against thousands of words. Goal: a whole game within 1 s.

#include "DatabaseGenerator.h"
#include "core/base/AsciiCase.h"
#include "core/rules/Coach.h"
#include "core/rules/GuessEvaluation.h"
#include "core/store/LexelFile.h"
#include "core/store/SuggestionTable.h"
#include "core/store/WordStore.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdlib.h>

namespace {

namespace fs = std::filesystem;
using namespace lexel;

// The game's lists, read once from a database generated in a directory removed at once.
CoachGame ReadLists() {
    std::string pattern = (fs::temp_directory_path() / "lexel-coach-XXXXXX").string();
    const fs::path dir = mkdtemp(pattern.data());
    CoachGame game;
    {
        CreateDatabase(LEXEL_DATA_DIR, dir / "Lexel.lxl");
        auto db = OpenLexelFile(dir / "Lexel.lxl");
        SeededRandom random(1);
        game.words = WordStore(db, random).DrawableWords(Level::Guru, false);
        for (int length = ShortestTableWord; length <= LongestTableWord; ++length) {
            const auto table = ReadSuggestionTable(db, length);
            for (const auto& word : table.words) {
                if (!table.IsExcepted(word)) {
                    game.guesses[static_cast<std::size_t>(length - 3)].push_back(AsciiLower(word));
                }
            }
        }
    }
    fs::remove_all(dir);
    return game;
}

const CoachGame& Lists() {
    static const CoachGame lists = ReadLists();
    return lists;
}

CoachGame Played(const std::vector<std::string>& guesses, const std::string& hidden) {
    CoachGame game = Lists();
    for (std::size_t line = 0; line < guesses.size(); ++line) {
        const int l = static_cast<int>(line);
        game.lines.push_back(
            {l, guesses[line], EvaluateGuess(hidden, guesses[line], WindowOffset(l))});
    }
    game.knownBefore.assign(game.lines.size(), KnownLetters{});
    return game;
}

void RunCoach(benchmark::State& state, const CoachGame& game) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(CoachLines(game));
    }
    state.counters["words"] = static_cast<double>(game.words.size());
}

void BM_CoachFirstLine(benchmark::State& state) {
    RunCoach(state, Played({"ten"}, "garden"));
}
BENCHMARK(BM_CoachFirstLine)->Unit(benchmark::kMillisecond);

void BM_CoachOrdinaryGame(benchmark::State& state) {
    RunCoach(state, Played({"ten", "ace", "sir", "dog", "rain", "mole", "crane", "plush", "garden"},
                           "garden"));
}
BENCHMARK(BM_CoachOrdinaryGame)->Unit(benchmark::kMillisecond);

void BM_CoachGameOfBlankLines(benchmark::State& state) {
    RunCoach(state, Played({"zzz", "qqq", "jjj", "xxx", "zzzz", "qqqq", "zzzzz", "qqqqq", "garden"},
                           "garden"));
}
BENCHMARK(BM_CoachGameOfBlankLines)->Unit(benchmark::kMillisecond);

} // namespace
