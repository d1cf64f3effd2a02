#include "core/rules/SuggestWord.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

constexpr const char* AllUntried = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

TEST(ScoreWord, RedPenaltiesAndUntriedBonuses) {
    const struct {
        const char *word, *red, *untried;
        int score;
    } cases[] = {
        {"TEA", "", AllUntried, 21200},
        {"EEL", "", AllUntried, 20900},
        {"OLD", "", AllUntried, 20825}, // O 325, L 250, D 250
        {"EEL", "E", "", 15800},        // per occurrence, and E comes again
        {"TEA", "", "TA", 20775},       // a tried E earns no vowel bonus either
        {"BOX", "", "BX", 20400},       // neither frequent, common nor vowel
        // Each letter that comes again later costs: the first two E's, then A and B once each.
        {"EEE", "", "", 19600},
        {"ABAB", "", "", 19600},
        {"AAAAAA", "A", "", 7000}, // the lowest a six-letter word can score
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScoreWord(c.word, c.red, c.untried), c.score) << c.word << " red " << c.red;
    }
}

// The first best word from the start record on, wrapping round; typed letters stay in place,
// and only when no word matches may they stand elsewhere. Excepted words are never suggested.
TEST(SuggestWord, FirstBestMatchAfterTheStartWrappingRound) {
    const struct {
        std::vector<std::string> words;
        ExceptKeys except;
        const char *pattern, *red, *untried;
        int start;
        const char* expected;
        const char* avoid = ""; // the word the line holds
    } cases[] = {
        // EAT, TEA and ATE score alike; BOX beats BOB.
        {{"EAT", "BOB", "TEA", "BOX", "ATE"}, {}, "???", "", AllUntried, 1, "EAT"},
        {{"EAT", "BOB", "TEA", "BOX", "ATE"}, {}, "???", "", AllUntried, 2, "TEA"},
        {{"EAT", "BOB", "TEA", "BOX", "ATE"}, {}, "???", "", AllUntried, 4, "ATE"},
        {{"EAT", "BOB", "TEA", "BOX", "ATE"}, {}, "???", "T", AllUntried, 1, "BOX"},
        {{"EAT", "BOB", "BOX"}, {}, "???", "", AllUntried, 2, "EAT"},
        {{"SEA", "TEA", "PAN", "CAT", "TAN"}, {}, "?A?", "", AllUntried, 1, "CAT"},
        {{"SEA", "TEA", "PAN", "CAT", "TAN"}, {}, "?A?", "", "", 5, "TAN"},
        // A red letter typed into the line costs every candidate alike.
        {{"SEA", "TEA", "PAN", "CAT", "TAN"}, {}, "T??", "T", AllUntried, 1, "TEA"},
        {{"TEA", "BOB", "SEA"}, {"TEA", "SEA"}, "???", "", AllUntried, 1, "BOB"},
        {{"TEA", "BOB", "SEA"}, {"TEA", "SEA"}, "T??", "", AllUntried, 1, ""}, // in neither scan
        // BOB matches B?? and is taken although ABE, which has a B, scores higher.
        {{"BOB", "ABE", "TEN"}, {}, "B??", "", AllUntried, 1, "BOB"},
        {{"BOB", "ABE", "TEN"}, {}, "E?B", "", AllUntried, 1, "ABE"},
        {{"BOB", "ABE", "TEN"}, {}, "QZX", "", AllUntried, 1, ""},
        // E?E: TEN would win on score but has one E only; EYE matches, so EEL is not looked at.
        {{"TEN", "EEL", "BEE"}, {}, "E?E", "", AllUntried, 3, "EEL"},
        {{"TEN", "EYE", "EEL"}, {}, "E?E", "", AllUntried, 3, "EYE"},
        {{"PANS", "PAN"}, {}, "?A?", "", AllUntried, 1, "PAN"}, // a pattern takes its length only
        {{}, {}, "???", "", AllUntried, 1, ""},
        // The word the line holds is never offered again, in either scan.
        {{"EAT", "BOB", "TEA", "BOX", "ATE"}, {}, "???", "", AllUntried, 1, "TEA", "EAT"},
        {{"BOB", "ABE", "TEN"}, {}, "B??", "", AllUntried, 1, "ABE", "BOB"},
        {{"TEN", "NET"}, {}, "TEN", "", AllUntried, 1, "NET", "TEN"},
        {{"TEN", "BOB"}, {}, "TEN", "", AllUntried, 1, "", "TEN"},
    };
    for (const auto& c : cases) {
        const SuggestionTable table{c.words, c.except};
        EXPECT_EQ(SuggestWord(table, c.pattern, c.red, c.untried, c.start, c.avoid), c.expected)
            << c.pattern << " from " << c.start << " in " << testing::PrintToString(c.words)
            << " avoiding " << c.avoid;
    }
}

} // namespace
} // namespace lexel
