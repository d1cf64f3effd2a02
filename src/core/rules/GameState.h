#pragma once

// The state of the game being played, shared by the board, the analysis aids and scoring.

#include "Level.h"

#include <cstdint>
#include <string>

namespace lexel {

struct GameState {
    std::string HiddenWord;         // six letters a-z
    Level GameClass = DefaultLevel; // the level of this game, copied from the settings at its start
    bool GameRunning = false;
    int iLine = 1;            // the guess line being edited, 1..9
    bool GameCounted = false; // already added to GamesPlayed
    bool SolvedEarly = false; // won through the solution line before line 9
    int NonWordCount = 0;
    int HintCount = 0;
    bool FirstLetterHinted = false;
    std::int32_t SuggestionCount = 0;
    int WrongSolutionCount = 0;
};

} // namespace lexel
