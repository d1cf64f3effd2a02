#include "core/rules/Scoring.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

// Worked examples of hints, early solves and levels are the whole games of WholeGamesTest.
TEST(ComputeScore, TimeBonusChargesAndLimits) {
    // 18800 points of dots won on line 9, and 11700 lost there.
    const std::array<LineResult, LineCount> won{
        {{0, 1}, {1, 1}, {0, 2}, {1, 0}, {2, 1}, {1, 2}, {3, 1}, {4, 0}, {6, 0}}};
    const std::array<LineResult, LineCount> lost{
        {{0, 1}, {0, 0}, {0, 2}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {3, 1}, {4, 1}}};
    const Score expert = 80000 + 18800 + 225000;
    const struct {
        ScoreInput game;
        Score score;
    } cases[] = {
        // The time bonus jumps at one minute and ends at twenty.
        {{.lines = won, .level = Level::Expert, .currentLine = 8}, expert + 60000},
        {{.lines = won, .level = Level::Expert, .currentLine = 8, .elapsedSeconds = 59},
         expert + 60000},
        {{.lines = won, .level = Level::Expert, .currentLine = 8, .elapsedSeconds = 60},
         expert + 34200},
        {{.lines = won, .level = Level::Expert, .currentLine = 8, .elapsedSeconds = 1199},
         expert + 30},
        {{.lines = won, .level = Level::Expert, .currentLine = 8, .elapsedSeconds = 1200}, expert},
        {{.lines = won, .level = Level::Expert, .currentLine = 8, .elapsedSeconds = 1259}, expert},
        // No level bonus, and no time bonus after a day.
        {{.lines = won, .level = Level::Beginner, .currentLine = 8, .elapsedSeconds = 86400},
         18800 + 225000},
        // A lost game scores its dots less its charges, never below 0.
        {{.lines = lost, .level = Level::Guru, .currentLine = 8, .elapsedSeconds = 10}, 11700},
        {{.lines = lost, .level = Level::Guru, .currentLine = 8, .aids = {.nonWords = 1}}, 1700},
        {{.lines = lost, .currentLine = 8, .aids = {.nonWords = 1, .wrongSolutions = 1}}, 0},
        // At most 500000; a suggestion charge that would wrap around in 32 bits.
        {{.lines = won, .level = Level::Guru, .solvedEarly = true, .elapsedSeconds = 5}, 500000},
        {{.lines = won,
          .level = Level::Guru,
          .solvedEarly = true,
          .aids = {.suggestionUnits = 2000000000},
          .elapsedSeconds = 5},
         0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComputeScore(c.game), c.score)
            << LevelNumber(c.game.level) << " " << c.game.elapsedSeconds << " s";
    }
}

// The charge of one more aid is what the score loses by it.
TEST(AidCharges, OneMoreHintOrSuggestion) {
    const struct {
        int hints;
        bool firstLetterHinted, revealsFirstLetter;
        Score charge;
    } hints[] = {
        {0, false, false, 20000}, {0, false, true, 40000}, {1, false, false, 32500},
        {1, false, true, 52500},  {1, true, false, 32500}, {2, true, false, 32500},
        {2, false, true, 52500},
    };
    // Won on line 9 with a non-word, so a hint takes nothing but its charge off 206000 points.
    std::array<LineResult, LineCount> won{};
    won[LastLine] = {6, 0};
    for (const auto& h : hints) {
        const ScoreInput before{
            .lines = won,
            .aids = {.nonWords = 1, .hints = h.hints, .firstLetterHinted = h.firstLetterHinted}};
        auto after = before;
        ++after.aids.hints;
        after.aids.firstLetterHinted = h.firstLetterHinted || h.revealsFirstLetter;
        EXPECT_EQ(NextHintCharge(h.hints, h.firstLetterHinted, h.revealsFirstLetter), h.charge)
            << h.hints << " " << h.firstLetterHinted << " " << h.revealsFirstLetter;
        EXPECT_EQ(ComputeScore(before) - ComputeScore(after), h.charge);
    }
    const struct {
        int line, lastSuggestedLine, units;
    } suggestions[] = {{0, -1, 1}, {3, -1, 4}, {3, 3, 1}, {3, 2, 4}, {7, 7, 1}, {7, 0, 8}};
    for (const auto& s : suggestions) {
        EXPECT_EQ(SuggestionUnits(s.line, s.lastSuggestedLine), s.units) << s.line;
    }
}

} // namespace
} // namespace lexel
