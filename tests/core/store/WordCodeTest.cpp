#include "core/store/WordCode.h"

#include <gtest/gtest.h>
#include <random>

namespace lexel {
namespace {

TEST(WordCode, FirstLetterIsLeastSignificant) {
    EXPECT_EQ(WordCode("abc"), 1378);
    EXPECT_EQ(WordCode("dog"), 4423);
    EXPECT_EQ(WordCode("planet"), 227802837);
    EXPECT_EQ(WordCode("aelnpt"), 232836812);
    EXPECT_EQ(WordCode("zzzzzz"), 308915775);
    EXPECT_EQ(WordCode("abcaaa"), WordCode("abc")); // lengths overlap; each has its own table
}

TEST(WordCode, AnythingButThreeOrMoreLowerCaseLettersIsZero) {
    for (const char* text : {"ABC", "ab", "", "a-b", "abC", "ab c", "plänet", "pl.net"}) {
        EXPECT_EQ(WordCode(text), 0) << text;
    }
    // Only the first six characters count.
    EXPECT_EQ(WordCode("planets"), WordCode("planet"));
    EXPECT_EQ(WordCode("planet-"), WordCode("planet"));
}

TEST(CodeToWord, InvertsWordCodeForEveryLength) {
    EXPECT_EQ(CodeToWord(1378, 3), "abc");
    EXPECT_EQ(CodeToWord(0, 4), "aaaa");
    EXPECT_EQ(CodeToWord(308915775, 6), "zzzzzz");
    std::mt19937 random(7);
    std::uniform_int_distribution<int> letter('a', 'z');
    for (int length = 3; length <= 6; ++length) {
        for (int i = 0; i < 1000; ++i) {
            std::string word;
            for (int k = 0; k < length; ++k) {
                word += static_cast<char>(letter(random));
            }
            ASSERT_EQ(CodeToWord(WordCode(word), length), word);
        }
    }
}

TEST(CodeToWord, OddLengthsAndCodesStayInBounds) {
    EXPECT_EQ(CodeToWord(1378, 2), "abc");
    EXPECT_EQ(CodeToWord(1378, 0), "abc");
    EXPECT_EQ(CodeToWord(1378, 9), "abcaaa");
    EXPECT_EQ(CodeToWord(-1, 6), "");
    EXPECT_EQ(CodeToWord(308915776, 6).size(), 6u); // past zzzzzz still six letters
}

TEST(SortedLetters, SortsTheFirstSixLetters) {
    EXPECT_EQ(SortedLetters("planet"), "aelnpt");
    EXPECT_EQ(SortedLetters("bobbin"), "bbbino");
    EXPECT_EQ(SortedLetters("planetzzz"), "aelnpt");
    EXPECT_EQ(SortedLetters(""), "");
}

} // namespace
} // namespace lexel
