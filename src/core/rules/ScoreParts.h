#pragma once

// The score of a game told as the sum of its parts, so the player sees what each achievement
// earned and each aid cost.

#include "Scoring.h"

#include <array>
#include <cstddef>

namespace lexel {

enum class ScorePart {
    Dots,            // the dots of every evaluated line
    Level,           // 40000 a level above the first
    Win,             // the bonus of any won game
    CleanPlay,       // more for a win without hints and non-words
    Time,            // the speed bonus
    EarlySolve,      // 10000 a line left when solved through the solution line
    Hints,           // the hint charge, with the part an early solve takes back
    SuggestionUnits, // 3000 a unit of Suggest Word
    WrongSolutions,  // 10000 each
    NonWords,        // 10000 each accepted non-word
    Limit,           // what keeps the score between 0 and MaxScore
};
inline constexpr std::size_t ScorePartCount = static_cast<std::size_t>(ScorePart::Limit) + 1;

using ScorePartPoints = std::array<Score, ScorePartCount>;

// Each part in points, costs negative; they add up to ComputeScore(game).
ScorePartPoints ScoreParts(const ScoreInput& game);

constexpr Score PointsOf(const ScorePartPoints& parts, ScorePart part) {
    return parts[static_cast<std::size_t>(part)];
}

Score SumOf(const ScorePartPoints& parts);

} // namespace lexel
