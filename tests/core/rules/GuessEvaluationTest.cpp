#include "core/rules/GuessEvaluation.h"

#include "core/rules/BoardGeometry.h"

#include <gtest/gtest.h>
#include <random>

namespace lexel {
namespace {

TEST(EvaluateGuess, WhitesCountAgainstTheWholeWordBlacksOnlyInTheWindow) {
    EXPECT_EQ(EvaluateGuess("planet", "ten", WindowOffset(0)), (LineResult{0, 3}));
    EXPECT_EQ(EvaluateGuess("planet", "planet", WindowOffset(LastLine)), (LineResult{6, 0}));
    // "pla" matched on line 4 (window "net") is all white.
    EXPECT_EQ(EvaluateGuess("planet", "pla", WindowOffset(3)), (LineResult{0, 3}));
    EXPECT_EQ(EvaluateGuess("planet", "net", WindowOffset(3)), (LineResult{3, 0}));
    EXPECT_EQ(EvaluateGuess("planet", "xyz", WindowOffset(0)), (LineResult{0, 0}));
}

TEST(EvaluateGuess, EachHiddenLetterIsMatchedOnceBlacksFirst) {
    // Blacks p, e, t; the guess's first e finds no e left, the first l takes the only l.
    EXPECT_EQ(EvaluateGuess("planet", "pellet", WindowOffset(LastLine)), (LineResult{3, 1}));
    // Blacks at 1 and 3; the middle b takes the b at hidden position 4.
    EXPECT_EQ(EvaluateGuess("bobbin", "bbb", WindowOffset(0)), (LineResult{2, 1}));
    // A letter guessed three times earns only as many dots as the word has of it.
    EXPECT_EQ(EvaluateGuess("planet", "eee", WindowOffset(0)), (LineResult{0, 1}));
    // A black later in the line is settled before an earlier white could take its letter.
    EXPECT_EQ(EvaluateGuess("abcdef", "bb", 0), (LineResult{1, 0}));
}

TEST(EvaluateGuess, OpenFieldsEarnNothingAndInputsStayUnchanged) {
    const std::string hidden = "planet";
    const std::string guess = "p.a.";
    EXPECT_EQ(EvaluateGuess(hidden, guess, WindowOffset(4)), (LineResult{0, 2}));
    EXPECT_EQ(EvaluateGuess(hidden, "...", WindowOffset(0)), (LineResult{0, 0}));
    EXPECT_EQ(hidden, "planet");
    EXPECT_EQ(guess, "p.a.");
    // A guess longer than its window never reads past the hidden word.
    EXPECT_EQ(EvaluateGuess("planet", "tenxxx", 3), (LineResult{1, 2}));
}

TEST(EvaluateGuess, EveryLineFindsItsOwnWindowAllBlack) {
    const std::string hidden = "silver";
    for (int line = 0; line < LineCount; ++line) {
        const auto window = hidden.substr(static_cast<std::size_t>(WindowOffset(line)),
                                          static_cast<std::size_t>(LineLength(line)));
        EXPECT_EQ(EvaluateGuess(hidden, window, WindowOffset(line)),
                  (LineResult{LineLength(line), 0}))
            << "line " << line;
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
        ASSERT_LE(black + white, LineLength(line)) << hidden << " " << guess;
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
