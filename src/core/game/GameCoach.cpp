// The coach's view of the last game that ended: the game's lines and what was known before
// them, with every word a line of each length may hold.

#include "GameModel.h"
#include "core/base/AsciiCase.h"
#include "core/base/StorageError.h"
#include "core/ports/WordSource.h"

#include <algorithm>

namespace lexel {

// Sorted, so a tie between guesses goes to the first in the alphabet.
std::optional<CoachGame> GameModel::EndedCoachGame() {
    auto coach = possible_.EndedCoachGame();
    if (!coach) {
        return std::nullopt;
    }
    try {
        for (int length = ShortestTableWord; length <= LongestTableWord; ++length) {
            const auto& table = services_.words.Suggestions(length);
            auto& guesses = coach->guesses[static_cast<std::size_t>(length - ShortestTableWord)];
            for (const auto& word : table.words) {
                if (!table.IsExcepted(word)) {
                    guesses.push_back(AsciiLower(word));
                }
            }
            std::sort(guesses.begin(), guesses.end());
        }
    } catch (const StorageError& e) {
        qWarning("Lexel: the words for the coach could not be read: %s", e.what());
        return std::nullopt;
    }
    return coach;
}

} // namespace lexel
