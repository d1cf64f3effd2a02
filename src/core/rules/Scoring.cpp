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
        p += (game.aids.nonWords != 0 || game.aids.hints != 0) ? 150000 : 225000;
        p += TimeBonus(game.elapsedSeconds);
    }
    if (game.solvedEarly) {
        p += (10 - Points{game.currentLine}) * 10000 - (Points{game.aids.hints} * 20000) / 2;
    }
    p -= Points{game.aids.nonWords} * 10000 + Points{game.aids.wrongSolutions} * 10000;
    p -= HintCharge(game.aids.hints, game.aids.firstLetterHinted);
    if (game.aids.suggestionUnits > 0) {
        p -= Points{game.aids.suggestionUnits} * SuggestionUnitCharge;
    }
    return std::clamp<Points>(p, 0, MaxScore);
}

Score HintCharge(int hints, bool firstLetter) {
    if (hints <= 0) {
        return 0;
    }
    return Points{hints} * 20000 + (firstLetter ? 20000 : 0) + (Points{hints} - 1) * 12500;
}

Score NextHintCharge(int hints, bool firstLetterHinted, bool revealsFirstLetter) {
    return HintCharge(hints + 1, firstLetterHinted || revealsFirstLetter) -
           HintCharge(hints, firstLetterHinted);
}

int SuggestionUnits(int line, int lastSuggestedLine) {
    return line == lastSuggestedLine ? 1 : line + 1;
}

} // namespace lexel
