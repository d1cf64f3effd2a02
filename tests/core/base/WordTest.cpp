#include "core/base/Word.h"

#include <gtest/gtest.h>
#include <string>

namespace lexel {
namespace {

// A line counts as a word, and goes to the rules, only when every place holds a letter A-Z;
// the marks of free places, blanks and letters beyond A-Z (and the ASCII characters next to
// them) keep it back.
TEST(Word, OnlyLettersAToZMakeAWordInEitherCase) {
    const struct {
        const char* text;
        const char* lower; // "-": no word
    } cases[] = {
        {"GARDEN", "garden"},  {"gArDeN", "garden"}, {"GAR_EN", "-"}, {"GAR EN", "-"},
        {"?ARDEN", "-"},       {"..R", "-"},         {"", "-"},       {"@[`{", "-"},
        {"\xc3\x84RGER", "-"},
    };
    for (const auto& c : cases) {
        const auto word = Word::From(c.text);
        EXPECT_EQ(word ? word->Lower() : "-", c.lower) << c.text;
    }
    EXPECT_EQ(Word::From("garden")->Upper(), "GARDEN");
}

} // namespace
} // namespace lexel
