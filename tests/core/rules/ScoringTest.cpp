#include "core/rules/Scoring.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

ScoreInput WonOnLineNine() {
    ScoreInput game;
    game.lines = {{{0, 1}, {1, 1}, {0, 2}, {1, 0}, {2, 1}, {1, 2}, {3, 1}, {4, 0}, {6, 0}}};
    game.level = Level::Expert;
    game.currentLine = 8;
    game.suggestionCount = 1;
    game.elapsedSeconds = 330;
    return game;
}

ScoreInput SolvedOnLineFour() {
    ScoreInput game;
    game.lines = {{{1, 0}, {0, 2}, {1, 1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}};
    game.level = Level::Beginner;
    game.solvedEarly = true;
    game.currentLine = 3;
    game.hintCount = 1;
    game.elapsedSeconds = 45;
    return game;
}

TEST(ComputeScore, WorkedExamples) {
    EXPECT_EQ(ComputeScore(WonOnLineNine()), 346900);
    EXPECT_EQ(ComputeScore(SolvedOnLineFour()), 252300);
}

TEST(ComputeScore, TimeBonusJumpsAtOneMinuteAndEndsAtTwenty) {
    auto game = WonOnLineNine();
    game.suggestionCount = 0;
    const int bonuses[][2] = {{0, 60000}, {59, 60000}, {60, 34200},
                              {1199, 30}, {1200, 0},   {86400, 0}};
    for (const auto& [seconds, bonus] : bonuses) {
        game.elapsedSeconds = seconds;
        EXPECT_EQ(ComputeScore(game) - (80000 + 18800 + 225000), bonus) << seconds << " s";
    }
}

TEST(ComputeScore, LostOrAbandonedGamesScoreTheirDotsLessCharges) {
    ScoreInput lost;
    lost.lines = {{{0, 1}, {0, 0}, {0, 2}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {3, 1}, {4, 1}}};
    lost.level = Level::Guru;
    lost.currentLine = 8;
    lost.elapsedSeconds = 10;
    EXPECT_EQ(ComputeScore(lost), 11700); // no level, clean or time bonus
    lost.nonWordCount = 1;
    EXPECT_EQ(ComputeScore(lost), 1700);
    lost.wrongSolutionCount = 1;
    EXPECT_EQ(ComputeScore(lost), 0); // never negative
    ScoreInput nothing;
    EXPECT_EQ(ComputeScore(nothing), 0);
}

TEST(ComputeScore, HintChargesAndTheEarlySolveTerm) {
    // Three hints with the first letter: 60000 + 20000 + 25000 = 105000, and 30000 more
    // taken from the early-solve bonus.
    auto game = SolvedOnLineFour();
    game.hintCount = 3;
    game.firstLetterHinted = true;
    // 2300 + 150000 + 60000 + (70000 - 30000) - 105000
    EXPECT_EQ(ComputeScore(game), 147300);
    game.hintCount = 0;
    game.firstLetterHinted = false;
    // Clean: 2300 + 225000 + 60000 + 70000
    EXPECT_EQ(ComputeScore(game), 357300);
}

TEST(ComputeScore, CapsAndHugeChargesStayInRange) {
    auto game = WonOnLineNine();
    game.level = Level::Guru;
    game.suggestionCount = 0;
    game.solvedEarly = true;
    game.currentLine = 0;
    game.elapsedSeconds = 5;
    EXPECT_EQ(ComputeScore(game), 500000);
    game.suggestionCount = 2000000000; // would wrap around in 32 bits
    EXPECT_EQ(ComputeScore(game), 0);
}

} // namespace
} // namespace lexel
