#include "core/rules/GuessEvaluation.h"

#include "core/rules/BoardGeometry.h"

#include <gtest/gtest.h>
#include <random>

namespace lexel {
namespace {

// Whites count against the whole word, blacks only in the line's window; each hidden letter is
// matched once, blacks first; open fields earn nothing.
TEST(EvaluateGuess, BlacksInTheWindowWhitesAnywhereEachLetterOnce) {
    const struct {
        const char* hidden;
        const char* guess;
        int offset;
        LineResult expected;
    } cases[] = {
        {"planet", "ten", WindowOffset(0), {0, 3}},
        {"planet", "planet", WindowOffset(LastLine), {6, 0}},
        {"planet", "pla", WindowOffset(3), {0, 3}}, // window "net"
        {"planet", "net", WindowOffset(3), {3, 0}},
        {"planet", "xyz", WindowOffset(0), {0, 0}},
        // The guess's first e finds no e left, the first l takes the only l.
        {"planet", "pellet", WindowOffset(LastLine), {3, 1}},
        // Blacks at 1 and 3; the middle b takes the b at hidden position 4.
        {"bobbin", "bbb", WindowOffset(0), {2, 1}},
        {"planet", "eee", WindowOffset(0), {0, 1}},
        // A black later in the line is settled before an earlier white could take its letter.
        {"abcdef", "bb", 0, {1, 0}},
        {"planet", "p.a.", WindowOffset(4), {0, 2}},
        {"planet", "...", WindowOffset(0), {0, 0}},
        // A guess longer than its window never reads past the hidden word.
        {"planet", "tenxxx", 3, {1, 2}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EvaluateGuess(c.hidden, c.guess, c.offset), c.expected)
            << c.hidden << " " << c.guess << " at " << c.offset;
    }
}

TEST(EvaluateGuess, DotsNeverExceedTheLineOrTheHiddenLetters) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> letter(0, 5); // a small alphabet forces repeats
    const auto word = [&](int length) {
        std::string w;
        for (int i = 0; i < length; ++i) {
            w += static_cast<char>('a' + letter(random));
        }
        return w;
    };
    for (int round = 0; round < 5000; ++round) {
        const std::string hidden = word(6);
        const int line = round % LineCount;
        const std::string guess = word(LineLength(line));
        const auto [black, white] = EvaluateGuess(hidden, guess, WindowOffset(line));
        // Every letter earns as many dots as it occurs in both words, wherever they stand.
        int common = 0;
        for (char c = 'a'; c <= 'f'; ++c) {
            common += static_cast<int>(std::min(std::count(hidden.begin(), hidden.end(), c),
                                                std::count(guess.begin(), guess.end(), c)));
        }
        ASSERT_EQ(black + white, common) << hidden << " " << guess;
    }
}

} // namespace
} // namespace lexel
