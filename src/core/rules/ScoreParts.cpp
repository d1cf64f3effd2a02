#include "ScoreParts.h"

#include <numeric>

namespace lexel {
namespace {

// Mirrors the steps of ComputeScore one part at a time; the table test over whole games keeps
// the two in step.
constexpr Score WinBonus = 150000;
constexpr Score CleanBonus = 75000;
constexpr Score LevelBonus = 40000;
constexpr Score EarlyLineBonus = 10000;
constexpr Score MistakeCharge = 10000;

Score& At(ScorePartPoints& parts, ScorePart part) {
    return parts[static_cast<std::size_t>(part)];
}

Score TimeBonus(std::int32_t seconds) {
    if (seconds < 60) {
        return 60000;
    }
    return seconds < 1200 ? (1200 - Score{seconds}) * 30 : 0;
}

void AddWinParts(const ScoreInput& game, ScorePartPoints& parts) {
    At(parts, ScorePart::Level) = (LevelNumber(game.level) - 1) * LevelBonus;
    At(parts, ScorePart::Win) = WinBonus;
    At(parts, ScorePart::CleanPlay) =
        (game.aids.nonWords != 0 || game.aids.hints != 0) ? 0 : CleanBonus;
    At(parts, ScorePart::Time) = TimeBonus(game.elapsedSeconds);
}

} // namespace

ScorePartPoints ScoreParts(const ScoreInput& game) {
    ScorePartPoints parts{};
    for (const auto& line : game.lines) {
        At(parts, ScorePart::Dots) += line.Points();
    }
    if (game.lines[LastLine].black == HiddenWordLength || game.solvedEarly) {
        AddWinParts(game, parts);
    }
    Score hints = -HintCharge(game.aids.hints, game.aids.firstLetterHinted);
    if (game.solvedEarly) {
        At(parts, ScorePart::EarlySolve) = (10 - Score{game.currentLine}) * EarlyLineBonus;
        hints -= Score{game.aids.hints} * EarlyLineBonus; // half the 20000 a hint
    }
    At(parts, ScorePart::Hints) = hints;
    At(parts, ScorePart::SuggestionUnits) =
        game.aids.suggestionUnits > 0 ? -Score{game.aids.suggestionUnits} * SuggestionUnitCharge
                                      : 0;
    At(parts, ScorePart::WrongSolutions) = -Score{game.aids.wrongSolutions} * MistakeCharge;
    At(parts, ScorePart::NonWords) = -Score{game.aids.nonWords} * MistakeCharge;
    At(parts, ScorePart::Limit) = ComputeScore(game) - SumOf(parts);
    return parts;
}

Score SumOf(const ScorePartPoints& parts) {
    return std::accumulate(parts.begin(), parts.end(), Score{0});
}

} // namespace lexel
