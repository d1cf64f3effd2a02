#include "core/rules/Scoring.h"

#include "core/rules/ScoreParts.h"

#include <gtest/gtest.h>
#include <string>

namespace lexel {
namespace {

// 18800 points of dots won on line 9, 2300 on three lines, and 11700 lost on line 9.
const std::array<LineResult, LineCount> Won{
    {{0, 1}, {1, 1}, {0, 2}, {1, 0}, {2, 1}, {1, 2}, {3, 1}, {4, 0}, {6, 0}}};
const std::array<LineResult, LineCount> Three{{{1, 0}, {0, 2}, {1, 1}}};
const std::array<LineResult, LineCount> Lost{
    {{0, 1}, {0, 0}, {0, 2}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {3, 1}, {4, 1}}};

// Worked examples of hints, early solves and levels are the whole games of WholeGamesTest.
TEST(ComputeScore, TimeBonusChargesAndLimits) {
    const Score expert = 80000 + 18800 + 225000;
    const struct {
        ScoreInput game;
        Score score;
    } cases[] = {
        // The time bonus jumps at one minute and ends at twenty.
        {{.lines = Won, .level = Level::Expert, .currentLine = 8}, expert + 60000},
        {{.lines = Won, .level = Level::Expert, .currentLine = 8, .elapsedSeconds = 59},
         expert + 60000},
        {{.lines = Won, .level = Level::Expert, .currentLine = 8, .elapsedSeconds = 60},
         expert + 34200},
        {{.lines = Won, .level = Level::Expert, .currentLine = 8, .elapsedSeconds = 1199},
         expert + 30},
        {{.lines = Won, .level = Level::Expert, .currentLine = 8, .elapsedSeconds = 1200}, expert},
        {{.lines = Won, .level = Level::Expert, .currentLine = 8, .elapsedSeconds = 1259}, expert},
        // No level bonus, and no time bonus after a day.
        {{.lines = Won, .level = Level::Beginner, .currentLine = 8, .elapsedSeconds = 86400},
         18800 + 225000},
        // A lost game scores its dots less its charges, never below 0.
        {{.lines = Lost, .level = Level::Guru, .currentLine = 8, .elapsedSeconds = 10}, 11700},
        {{.lines = Lost, .level = Level::Guru, .currentLine = 8, .aids = {.nonWords = 1}}, 1700},
        {{.lines = Lost, .currentLine = 8, .aids = {.nonWords = 1, .wrongSolutions = 1}}, 0},
        // At most 500000; a suggestion charge that would wrap around in 32 bits.
        {{.lines = Won, .level = Level::Guru, .solvedEarly = true, .elapsedSeconds = 5}, 500000},
        {{.lines = Won,
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
    const struct {
        ScoreInput game;
        const char* parts;
    } cases[] = {
        {{.lines = Won,
          .level = Level::Expert,
          .currentLine = 8,
          .aids = {.suggestionUnits = 1},
          .elapsedSeconds = 330},
         "18800 80000 150000 75000 26100 0 0 -3000 0 0 0"},
        // Solved on line 4 after a hint: the early solve takes back half the hint's charge.
        {{.lines = Three,
          .level = Level::Beginner,
          .solvedEarly = true,
          .currentLine = 3,
          .aids = {.hints = 1},
          .elapsedSeconds = 45},
         "2300 0 150000 0 60000 70000 -30000 0 0 0 0"},
        {{.lines = Three,
          .level = Level::Guru,
          .solvedEarly = true,
          .currentLine = 3,
          .aids = {.hints = 3, .firstLetterHinted = true},
          .elapsedSeconds = 61},
         "2300 120000 150000 0 34170 70000 -135000 0 0 0 0"},
        {{.lines = Three,
          .level = Level::Advanced,
          .solvedEarly = true,
          .currentLine = 3,
          .aids = {.nonWords = 2, .wrongSolutions = 1},
          .elapsedSeconds = 1200},
         "2300 40000 150000 0 0 70000 0 0 -10000 -20000 0"},
        // Over 500000 and below 0: the limit makes up the difference.
        {{.lines = Won, .level = Level::Guru, .solvedEarly = true, .elapsedSeconds = 5},
         "18800 120000 150000 75000 60000 100000 0 0 0 0 -23800"},
        {{.lines = Won,
          .level = Level::Beginner,
          .currentLine = 8,
          .aids = {.wrongSolutions = 50},
          .elapsedSeconds = 5000},
         "18800 0 150000 75000 0 0 0 0 -500000 0 256200"},
        // A lost game: only its dots and its charges.
        {{.lines = Lost, .level = Level::Guru, .currentLine = 8, .aids = {.nonWords = 1}},
         "11700 0 0 0 0 0 0 0 0 -10000 0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Parts(c.game), c.parts);
        EXPECT_EQ(SumOf(ScoreParts(c.game)), ComputeScore(c.game)) << c.parts;
    }
}

} // namespace
} // namespace lexel
