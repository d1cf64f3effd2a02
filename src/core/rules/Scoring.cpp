#include "Scoring.h"

#include <algorithm>

namespace lexel {
namespace {

// Intermediate sums are kept in 64 bits: the result is the same as 32-bit arithmetic for
// every real game, and absurd counts (a suggestion charge in the millions) clamp to 0 instead
// of wrapping around.
using Points = std::int64_t;

Points CollectedDots(const ScoreInput& game) {
    Points sum = 0;
    for (const auto& line : game.lines) {
        sum += line.Points();
    }
    return sum;
}

bool IsWon(const ScoreInput& game) {
    return game.lines[LastLine].black == HiddenWordLength || game.solvedEarly;
}

Points TimeBonus(std::int32_t seconds) {
    const auto minutes = seconds / 60;
    if (minutes == 0) {
        return 60000;
    }
    if (minutes < 20) {
        return (1200 - Points{seconds}) * 30;
    }
    return 0;
}

} // namespace

Score ComputeScore(const ScoreInput& game) {
    Points p = CollectedDots(game);
    if (IsWon(game)) {
        p = (LevelNumber(game.level) - 1) * 40000 + p;
        p += (game.nonWordCount != 0 || game.hintCount != 0) ? 150000 : 225000;
        p += TimeBonus(game.elapsedSeconds);
    }
    if (game.solvedEarly) {
        p += (10 - Points{game.currentLine}) * 10000 - (Points{game.hintCount} * 20000) / 2;
    }
    p -= Points{game.nonWordCount} * 10000 + Points{game.wrongSolutionCount} * 10000;
    if (game.hintCount > 0) {
        p -= Points{game.hintCount} * 20000;
        if (game.firstLetterHinted) {
            p -= 20000;
        }
        p -= (Points{game.hintCount} - 1) * 12500;
    }
    if (game.suggestionCount > 0) {
        p -= Points{game.suggestionCount} * 3000;
    }
    return std::clamp<Points>(p, 0, MaxScore);
}

} // namespace lexel
