#include "core/store/WordCode.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

// The first letter is the least significant digit; only the first six characters count, and
// anything but three or more lower-case letters is 0. Every code of the real lists decodes to its
// word in GeneratedDatabaseTest.
TEST(WordCode, CodesAndTheirInverse) {
    const struct {
        const char* text;
        int code;
        int length;
        const char* back;
    } cases[] = {
        {"abc", 1378, 3, "abc"},
        {"planet", 227802837, 6, "planet"},
        {"zzzzzz", 308915775, 6, "zzzzzz"},
        {"abcaaa", 1378, 2, "abc"}, // lengths overlap; each has its own table
        {"abc", 1378, 9, "abcaaa"},
        {"aaaa", 0, 4, "aaaa"},
        {"planets", 227802837, 6, "planet"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WordCode(c.text), c.code) << c.text;
        EXPECT_EQ(CodeToWord(c.code, c.length), c.back) << c.code << " in " << c.length;
    }
    for (const char* text : {"ABC", "ab", "", "a-b", "abC", "ab c", "plänet", "pl.net"}) {
        EXPECT_EQ(WordCode(text), 0) << text;
    }
    EXPECT_EQ(CodeToWord(-1, 6), "");
    EXPECT_EQ(CodeToWord(308915776, 6).size(), 6u); // past zzzzzz still six letters
}

} // namespace
} // namespace lexel
