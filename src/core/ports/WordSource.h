#pragma once

// Where a game's words come from: which guesses are words, which word to hide, the words a game
// could hide, and the words Suggest Word searches. The word store keeps them in the game's file;
// tests keep a few in memory.

#include "core/base/Level.h"
#include "core/base/WordTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace lexel {

class WordSource {
public:
    virtual ~WordSource() = default;

    // `word` (lower case, 3 to 6 letters) is a word a guess line takes.
    virtual bool IsKnownWord(std::string_view word) = 0;
    // A six-letter lower-case word to hide in a new game of `level`, easier levels too unless
    // `only`.
    virtual std::string PickHiddenWord(Level level, bool only) = 0;
    // Every word such a game may hide, in a fixed order.
    virtual std::vector<std::string> DrawableWords(Level level, bool only) = 0;
    // The words of `length` as Suggest Word searches them; none for a length without words.
    // The source keeps them for as long as it lives.
    virtual const SuggestionTable& Suggestions(int length) = 0;
    // The other words made of the letters of `word` (lower case), in a fixed order.
    virtual std::vector<std::string> Anagrams(std::string_view word) = 0;
};

} // namespace lexel
