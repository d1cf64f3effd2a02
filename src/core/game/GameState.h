#pragma once

// Where a game stands: its word, its level, its line and what the player has spent on it.

#include "core/base/Level.h"
#include "core/base/Outcome.h"
#include "core/rules/Scoring.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lexel {

struct GameState {
    std::string HiddenWord;     // six letters a-z
    Level level = DefaultLevel; // copied from the settings at the game's start
    bool onlyThisLevel = false; // so is the word selection
    std::string dailyDate;      // "YYYY-MM-DD" in a game of the day, else empty
    // A game of the day whose date and level had their counted attempt: played for nothing,
    // neither counted nor scored nor written.
    bool replay = false;
    bool GameRunning = false;
    Outcome outcome = Outcome::Playing;
    int currentLine = 0;                    // the guess line being edited, 0..8
    bool GameCounted = false;               // already added to GamesPlayed
    std::optional<std::int64_t> historyRow; // written when it was counted; its end replaces it
    bool SolvedEarly = false;               // won through the solution line before line 9
    AidsTaken aids;
    int lastSuggestedLine = -1; // where the last suggestion went
    std::string lastSuggestion; // the word it typed in there
    std::string suggestedFrom;  // the pattern of the player's letters it was found for
};

} // namespace lexel
