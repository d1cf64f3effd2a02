#include "core/rules/Scoring.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

ScoreInput WonOnLineNine() {
    ScoreInput game;
    game.lines = {{{0, 1}, {1, 1}, {0, 2}, {1, 0}, {2, 1}, {1, 2}, {3, 1}, {4, 0}, {6, 0}}};
    game.level = Level::Expert;
    game.currentLine = 8;
    return game;
}

// Worked examples of hints, early solves and levels are the whole games of WholeGamesTest.
TEST(ComputeScore, TimeBonusJumpsAtOneMinuteAndEndsAtTwenty) {
    auto game = WonOnLineNine();
    const int bonuses[][2] = {{0, 60000}, {59, 60000}, {60, 34200},
                              {1199, 30}, {1200, 0},   {86400, 0}};
    for (const auto& [seconds, bonus] : bonuses) {
        game.elapsedSeconds = seconds;
        EXPECT_EQ(ComputeScore(game) - (80000 + 18800 + 225000), bonus) << seconds << " s";
    }
    game.level = Level::Beginner; // no level bonus, and no time bonus after a day
    EXPECT_EQ(ComputeScore(game), 18800 + 225000);
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

TEST(ComputeScore, CapsAndHugeChargesStayInRange) {
    auto game = WonOnLineNine();
    game.level = Level::Guru;
    game.solvedEarly = true;
    game.currentLine = 0;
    game.elapsedSeconds = 5;
    EXPECT_EQ(ComputeScore(game), 500000);
    game.suggestionCount = 2000000000; // would wrap around in 32 bits
    EXPECT_EQ(ComputeScore(game), 0);
}

} // namespace
} // namespace lexel
