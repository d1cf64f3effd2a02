#include "core/rules/GuessEvaluation.h"

#include "core/rules/BoardGeometry.h"

#include <gtest/gtest.h>

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
        {"bobbin", "bob", WindowOffset(0), {3, 0}}, // a black letter is no white as well
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

} // namespace
} // namespace lexel
