#include "core/rules/SuggestWord.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

constexpr std::string_view AllUntried = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

SuggestionTable Table(std::vector<std::string> words, ExceptKeys except = {}) {
    return {std::move(words), std::move(except)};
}

TEST(ScoreWord, RedPenaltiesAndUntriedBonuses) {
    EXPECT_EQ(ScoreWord("TEA", "", AllUntried), 21200);
    EXPECT_EQ(ScoreWord("EEL", "", AllUntried), 20900);
    EXPECT_EQ(ScoreWord("OLD", "", AllUntried), 20825); // O 325, L 250, D 250
    EXPECT_EQ(ScoreWord("EEL", "E", ""), 15800);        // per occurrence, and E comes again
    EXPECT_EQ(ScoreWord("TEA", "", "TA"), 20775);       // a tried E earns no vowel bonus either
    EXPECT_EQ(ScoreWord("BOX", "", "BX"), 20400);       // neither frequent, common nor vowel
    // Each letter that comes again later costs: the first two E's, then A and B once each.
    EXPECT_EQ(ScoreWord("EEE", "", ""), 19600);
    EXPECT_EQ(ScoreWord("ABAB", "", ""), 19600);
    // The lowest a six-letter word can score.
    EXPECT_EQ(ScoreWord("AAAAAA", "A", ""), 7000);
}

TEST(MatchPattern, FreeCellsTakeAnyLetterTypedCellsTheirOwn) {
    EXPECT_TRUE(MatchPattern("?A?", "PAN"));
    EXPECT_FALSE(MatchPattern("?A?", "ABC"));
    EXPECT_TRUE(MatchPattern("E?E", "EYE"));
    EXPECT_FALSE(MatchPattern("E?E", "EEL"));
    EXPECT_FALSE(MatchPattern("?A?", "PANS"));
}

TEST(ContainsLetters, EachOccurrenceServesOneLetter) {
    EXPECT_TRUE(ContainsLetters("EE", "EYE"));
    EXPECT_FALSE(ContainsLetters("EE", "TEN"));
    EXPECT_TRUE(ContainsLetters("LE", "EEL")); // in any order
    EXPECT_FALSE(ContainsLetters("QZX", "ZAX"));
}

TEST(SuggestWord, FirstBestAfterTheStartWrappingRound) {
    // EAT, TEA and ATE score alike; BOX beats BOB.
    const auto table = Table({"EAT", "BOB", "TEA", "BOX", "ATE"});
    EXPECT_EQ(SuggestWord(table, "???", "", AllUntried, 1), "EAT");
    EXPECT_EQ(SuggestWord(table, "???", "", AllUntried, 2), "TEA");
    EXPECT_EQ(SuggestWord(table, "???", "", AllUntried, 4), "ATE");
    EXPECT_EQ(SuggestWord(table, "???", "T", AllUntried, 1), "BOX");
    EXPECT_EQ(SuggestWord(Table({"EAT", "BOB", "BOX"}), "???", "", AllUntried, 2), "EAT");
}

TEST(SuggestWord, TypedLettersStayInPlace) {
    const auto table = Table({"SEA", "TEA", "PAN", "CAT", "TAN"});
    EXPECT_EQ(SuggestWord(table, "?A?", "", AllUntried, 1), "CAT");
    EXPECT_EQ(SuggestWord(table, "?A?", "", "", 5), "TAN");
    // A red letter typed into the line costs every candidate alike.
    EXPECT_EQ(SuggestWord(table, "T??", "T", AllUntried, 1), "TEA");
}

TEST(SuggestWord, ExceptedWordsAreNeverSuggested) {
    const auto table = Table({"TEA", "BOB", "SEA"}, {"TEA", "SEA"});
    EXPECT_EQ(SuggestWord(table, "???", "", AllUntried, 1), "BOB");
    EXPECT_EQ(SuggestWord(table, "T??", "", AllUntried, 1), ""); // in neither scan
}

TEST(SuggestWord, LettersElsewhereOnlyWhenNothingMatches) {
    // BOB matches B?? and is taken although ABE, which has a B, scores higher.
    const auto table = Table({"BOB", "ABE", "TEN"});
    EXPECT_EQ(SuggestWord(table, "B??", "", AllUntried, 1), "BOB");
    EXPECT_EQ(SuggestWord(table, "E?B", "", AllUntried, 1), "ABE");
    EXPECT_EQ(SuggestWord(table, "QZX", "", AllUntried, 1), "");
    // E?E: TEN would win on score but has one E only; EYE matches, so EEL is not looked at.
    EXPECT_EQ(SuggestWord(Table({"TEN", "EEL", "BEE"}), "E?E", "", AllUntried, 3), "EEL");
    EXPECT_EQ(SuggestWord(Table({"TEN", "EYE", "EEL"}), "E?E", "", AllUntried, 3), "EYE");
}

TEST(SuggestWord, NoWordsNoSuggestion) {
    EXPECT_EQ(SuggestWord(Table({}), "???", "", AllUntried, 1), "");
}

} // namespace
} // namespace lexel
