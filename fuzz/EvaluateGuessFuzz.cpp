// Guess evaluation against the rules' properties: blacks never exceed the line, blacks and
// whites together never exceed it, and each hidden letter is used once, so every letter earns
// exactly as many dots as it occurs in both the guess and the hidden word.

#include "core/rules/BoardGeometry.h"
#include "core/rules/GuessEvaluation.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// A small alphabet makes repeated letters common; the "." of an open field too.
char Letter(std::uint8_t byte, bool allowDot) {
    return (allowDot && byte % 9 == 8) ? '.' : static_cast<char>('a' + byte % 8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 13) {
        return 0;
    }
    const int line = data[0] % lexel::LineCount;
    std::string hidden;
    for (int i = 0; i < 6; ++i) {
        hidden += Letter(data[1 + i], false);
    }
    std::string guess;
    for (int i = 0; i < lexel::LineLength(line); ++i) {
        guess += Letter(data[7 + i], true);
    }
    const auto [black, white] = lexel::EvaluateGuess(hidden, guess, lexel::WindowOffset(line));
    if (black > lexel::LineLength(line) || black + white > lexel::LineLength(line)) {
        std::abort();
    }
    int common = 0;
    for (char c = 'a'; c <= 'h'; ++c) {
        common += static_cast<int>(std::min(std::count(hidden.begin(), hidden.end(), c),
                                            std::count(guess.begin(), guess.end(), c)));
    }
    if (black + white != common) {
        std::abort();
    }
    return 0;
}
