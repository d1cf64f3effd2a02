#pragma once

#include "BoardGeometry.h"
#include "core/base/Level.h"
#include "core/base/LineResult.h"
#include "core/base/Score.h"

#include <array>
#include <cstdint>

namespace lexel {

// What the player took and got wrong in a game: what its score is charged for. The game keeps
// it as it goes and its score reads it as it is.
struct AidsTaken {
    int nonWords = 0; // accepted although no word
    int hints = 0;
    bool firstLetterHinted = false;
    std::int32_t suggestionUnits = 0; // a line's first suggestion costs its number
    int wrongSolutions = 0;
};

// What a finished (or abandoned) game's score is made of.
struct ScoreInput {
    std::array<LineResult, LineCount> lines; // no dots for a line not evaluated
    Level level = DefaultLevel;              // of this game
    bool solvedEarly = false;
    int currentLine = 0; // the line being edited when the game ended, 0..8
    AidsTaken aids{};
    std::int32_t elapsedSeconds = 0;
};

// The score, from 0 to 500000: the dots collected, for a won game the level, a clean-game and
// a time bonus, for an early solution a bonus per line left, less the charges for non-words,
// wrong solutions, hints and suggestions.
Score ComputeScore(const ScoreInput& game);

// The charges for the aids, as ComputeScore takes them off.
inline constexpr Score SuggestionUnitCharge = 3000;
// `hints` hints, `firstLetter` when one of them revealed the first letter.
Score HintCharge(int hints, bool firstLetter);
// One more hint after `hints`; `revealsFirstLetter` when it is the first to show that letter.
Score NextHintCharge(int hints, bool firstLetterHinted, bool revealsFirstLetter);
// The units of a suggestion on `line` (0-based): the line's number for the first there, one
// after a suggestion on the same line.
int SuggestionUnits(int line, int lastSuggestedLine);

} // namespace lexel
