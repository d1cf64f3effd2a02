// The count of words still possible against a brute-force reading of the dot rule over the real
// word data.

#include "core/rules/PossibleWords.h"
#include "core/store/WordStore.h"
#include "support/DotRule.h"
#include "support/RealLexelFile.h"
#include "support/ScriptedRandom.h"

#include <array>
#include <gtest/gtest.h>

namespace lexel {
namespace {

using test::DotsByRule;

TEST(PossibleWords, AgreeWithABruteForceCountOverTheRealWords) {
    test::ScriptedRandom random{{0.5f}};
    const auto words = WordStore(test::RealLexelFile(), random).DrawableWords(Level::Guru, false);
    ASSERT_GT(words.size(), 2000u);
    const std::array<std::string, LineCount> guesses{"ten",  "ace",   "sir",   "dog",   "rain",
                                                     "mole", "crane", "plush", "garden"};
    for (std::size_t h = 0; h < words.size(); h += 97) {
        const std::string& hidden = words[h];
        Evidence evidence;
        std::vector<int> expected;
        const auto bruteForce = [&] {
            return static_cast<int>(std::count_if(words.begin(), words.end(), [&](auto& w) {
                return std::equal(evidence.known.begin(), evidence.known.end(), w.begin(),
                                  [](char known, char c) { return known == 0 || known == c; }) &&
                       std::all_of(evidence.lines.begin(), evidence.lines.end(), [&](auto& l) {
                           return DotsByRule(w, l.guess, WindowOffset(l.line)) == l.result;
                       });
            }));
        };
        for (int line = 0; line < LineCount; ++line) {
            const auto& guess = guesses[static_cast<std::size_t>(line)];
            evidence.lines.push_back({line, guess, DotsByRule(hidden, guess, WindowOffset(line))});
            expected.push_back(bruteForce());
            ASSERT_EQ(CountPossible(words, evidence), expected.back()) << hidden << " " << line;
        }
        const auto cuts = CutsByLine(words, evidence.lines);
        ASSERT_EQ(cuts.size(), expected.size());
        for (std::size_t i = 0; i < cuts.size(); ++i) {
            EXPECT_EQ(cuts[i].after, expected[i]) << hidden;
            EXPECT_EQ(cuts[i].before, i == 0 ? static_cast<int>(words.size()) : expected[i - 1]);
        }
        evidence.lines.resize(2);
        evidence.known[h % HiddenWordLength] = hidden[h % HiddenWordLength];
        EXPECT_EQ(CountPossible(words, evidence), bruteForce()) << hidden << " with a letter";
        EXPECT_GE(bruteForce(), 1);
    }
}

} // namespace
} // namespace lexel
