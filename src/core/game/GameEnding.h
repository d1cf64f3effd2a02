#pragma once

// How a game ended on its last line or by its solution. The command that ended it only hands
// this back: the window tells the player once that command has returned, so the message, the
// table and the anagrams never open inside the key press that ended the game.

#include "core/base/Outcome.h"
#include "core/ports/MessageBoxes.h"

#include <optional>
#include <string>

namespace lexel {

struct GameEnding {
    Outcome outcome = Outcome::Won; // Won or Lost
    Message message;                // what the player is told first
    std::optional<int> rank;        // the place (1 to 10) its score took in the table
    std::string word;               // the hidden word, a-z
};

} // namespace lexel
