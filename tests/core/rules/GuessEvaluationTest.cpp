#include "core/rules/GuessEvaluation.h"

#include "core/rules/BoardGeometry.h"
#include "core/rules/ResultDots.h"

#include <gtest/gtest.h>
#include <random>

namespace lexel {
namespace {

TEST(EvaluateGuess, WhitesCountAgainstTheWholeWordBlacksOnlyInTheWindow) {
    EXPECT_EQ(EvaluateGuess("planet", "ten", OF(1)), "300");
    EXPECT_EQ(EvaluateGuess("planet", "planet", OF(9)), "6000");
    // "pla" matched on line 4 (window "net") is all white.
    EXPECT_EQ(EvaluateGuess("planet", "pla", OF(4)), "300");
    EXPECT_EQ(EvaluateGuess("planet", "net", OF(4)), "3000");
    EXPECT_EQ(EvaluateGuess("planet", "xyz", OF(1)), "0");
}

TEST(EvaluateGuess, EachHiddenLetterIsMatchedOnceBlacksFirst) {
    // Blacks p, e, t; the guess's first e finds no e left, the first l takes the only l.
    EXPECT_EQ(EvaluateGuess("planet", "pellet", OF(9)), "3100");
    // Blacks at 1 and 3; the middle b takes the b at hidden position 4.
    EXPECT_EQ(EvaluateGuess("bobbin", "bbb", OF(1)), "2100");
    // A letter guessed three times earns only as many dots as the word has of it.
    EXPECT_EQ(EvaluateGuess("planet", "eee", OF(1)), "100");
    // A black later in the line is settled before an earlier white could take its letter.
    EXPECT_EQ(EvaluateGuess("abcdef", "bb", 0), "1000");
}

TEST(EvaluateGuess, OpenFieldsEarnNothingAndInputsStayUnchanged) {
    const std::string hidden = "planet";
    const std::string guess = "p.a.";
    EXPECT_EQ(EvaluateGuess(hidden, guess, OF(5)), "200");
    EXPECT_EQ(EvaluateGuess(hidden, "...", OF(1)), "0");
    EXPECT_EQ(hidden, "planet");
    EXPECT_EQ(guess, "p.a.");
    // A guess longer than its window never reads past the hidden word.
    EXPECT_EQ(EvaluateGuess("planet", "tenxxx", 3), "1200");
}

TEST(EvaluateGuess, EveryLineFindsItsOwnWindowAllBlack) {
    const std::string hidden = "silver";
    for (int line = 1; line <= LineCount; ++line) {
        const auto window = hidden.substr(static_cast<std::size_t>(OF(line)),
                                          static_cast<std::size_t>(LineLength(line)));
        EXPECT_EQ(EvaluateGuess(hidden, window, OF(line)), std::to_string(1000 * LineLength(line)))
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
        const int line = 1 + round % LineCount;
        const std::string guess = word(LineLength(line));
        const int code = std::stoi(EvaluateGuess(hidden, guess, OF(line)));
        const int black = code / 1000;
        const int white = code % 1000 / 100;
        ASSERT_EQ(code % 100, 0);
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

TEST(CountGoodLetters, AddsBlacksAndWhites) {
    EXPECT_EQ(CountGoodLetters("2100"), 3);
    EXPECT_EQ(CountGoodLetters("600"), 6);
    EXPECT_EQ(CountGoodLetters("6000"), 6);
    EXPECT_EQ(CountGoodLetters("0"), 0);
    EXPECT_EQ(CountGoodLetters(""), 0);
    EXPECT_EQ(CountGoodLetters("junk"), 0);
}

TEST(DotsForResult, PicksPicturesByTheCodesShape) {
    EXPECT_EQ(DotsForResult("2100"), (ResultDots{2, 1}));
    EXPECT_EQ(DotsForResult("3000"), (ResultDots{3, 0}));
    EXPECT_EQ(DotsForResult("6000"), (ResultDots{6, 0}));
    EXPECT_EQ(DotsForResult("300"), (ResultDots{0, 3}));
    EXPECT_EQ(DotsForResult("0"), (ResultDots{0, 0}));
    EXPECT_EQ(DotsForResult(""), (ResultDots{0, 0}));
    // Never a picture index outside 0..6.
    EXPECT_EQ(DotsForResult("9900"), (ResultDots{6, 6}));
    EXPECT_EQ(DotsForResult("x1y0"), (ResultDots{0, 1}));
}

} // namespace
} // namespace lexel
