#pragma once

// The dot rule read afresh, apart from the game's evaluation, for brute-force searches to check
// the game against: blacks in the line's window first, then each other guess letter takes the
// first letter of the word, anywhere in it, that nothing matched yet.

#include "core/base/LineResult.h"

#include <string>

namespace lexel::test {

inline LineResult DotsByRule(const std::string& word, const std::string& guess, int offset) {
    LineResult dots;
    std::string rest = word;
    std::string unmatched;
    for (std::size_t i = 0; i < guess.size(); ++i) {
        if (guess[i] == word[static_cast<std::size_t>(offset) + i]) {
            ++dots.black;
            rest[static_cast<std::size_t>(offset) + i] = '.';
        } else {
            unmatched += guess[i];
        }
    }
    for (const char c : unmatched) {
        if (const auto k = rest.find(c); k != std::string::npos) {
            ++dots.white;
            rest[k] = '.';
        }
    }
    return dots;
}

} // namespace lexel::test
