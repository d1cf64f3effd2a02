#include "core/rules/ScoreParts.h"

#include <gtest/gtest.h>
#include <string>

namespace lexel {
namespace {

// The parts in their order: dots, level, win, clean play, time, early solve, hints, suggestion
// units, wrong solutions, non-words, limit.
std::string Parts(const ScoreInput& game) {
    std::string text;
    for (const auto points : ScoreParts(game)) {
        text += (text.empty() ? "" : " ") + std::to_string(points);
    }
    return text;
}

TEST(ScoreParts, EachPartAndTheirSumIsTheScore) {
    // 18800 points of dots won on line 9; 2300 on three lines; 11700 lost on line 9.
    const std::array<LineResult, LineCount> won{
        {{0, 1}, {1, 1}, {0, 2}, {1, 0}, {2, 1}, {1, 2}, {3, 1}, {4, 0}, {6, 0}}};
    const std::array<LineResult, LineCount> three{{{1, 0}, {0, 2}, {1, 1}}};
    const std::array<LineResult, LineCount> lost{
        {{0, 1}, {0, 0}, {0, 2}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {3, 1}, {4, 1}}};
    const struct {
        ScoreInput game;
        const char* parts;
    } cases[] = {
        {{.lines = won,
          .level = Level::Expert,
          .currentLine = 8,
          .aids = {.suggestionUnits = 1},
          .elapsedSeconds = 330},
         "18800 80000 150000 75000 26100 0 0 -3000 0 0 0"},
        // Solved on line 4 after a hint: the early solve takes back half the hint's charge.
        {{.lines = three,
          .level = Level::Beginner,
          .solvedEarly = true,
          .currentLine = 3,
          .aids = {.hints = 1},
          .elapsedSeconds = 45},
         "2300 0 150000 0 60000 70000 -30000 0 0 0 0"},
        {{.lines = three,
          .level = Level::Guru,
          .solvedEarly = true,
          .currentLine = 3,
          .aids = {.hints = 3, .firstLetterHinted = true},
          .elapsedSeconds = 61},
         "2300 120000 150000 0 34170 70000 -135000 0 0 0 0"},
        {{.lines = three,
          .level = Level::Advanced,
          .solvedEarly = true,
          .currentLine = 3,
          .aids = {.nonWords = 2, .wrongSolutions = 1},
          .elapsedSeconds = 1200},
         "2300 40000 150000 0 0 70000 0 0 -10000 -20000 0"},
        // Over 500000 and below 0: the limit makes up the difference.
        {{.lines = won, .level = Level::Guru, .solvedEarly = true, .elapsedSeconds = 5},
         "18800 120000 150000 75000 60000 100000 0 0 0 0 -23800"},
        {{.lines = won,
          .level = Level::Beginner,
          .currentLine = 8,
          .aids = {.wrongSolutions = 50},
          .elapsedSeconds = 5000},
         "18800 0 150000 75000 0 0 0 0 -500000 0 256200"},
        // A lost game: only its dots and its charges.
        {{.lines = lost, .level = Level::Guru, .currentLine = 8, .aids = {.nonWords = 1}},
         "11700 0 0 0 0 0 0 0 0 -10000 0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Parts(c.game), c.parts);
        EXPECT_EQ(SumOf(ScoreParts(c.game)), ComputeScore(c.game)) << c.parts;
    }
}

} // namespace
} // namespace lexel
