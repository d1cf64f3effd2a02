// The count of words still possible against a brute-force reading of the dot rule over the real
// word data.

#include "DatabaseGenerator.h"
#include "core/rules/PossibleWords.h"
#include "core/store/LexelFile.h"
#include "core/store/WordStore.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"

#include <array>
#include <gtest/gtest.h>

namespace lexel {
namespace {

// The dot rule read afresh: blacks in the line's window first, then each other guess letter
// takes the first letter of the word, anywhere in it, that nothing matched yet.
LineResult Dots(const std::string& word, const std::string& guess, int offset) {
    LineResult dots;
    std::array<bool, HiddenWordLength> matched{};
    std::vector<bool> black(guess.size());
    for (std::size_t i = 0; i < guess.size(); ++i) {
        if (guess[i] == word[offset + i]) {
            black[i] = matched[offset + i] = true;
            ++dots.black;
        }
    }
    for (std::size_t i = 0; i < guess.size(); ++i) {
        for (std::size_t k = 0; k < word.size() && !black[i]; ++k) {
            if (!matched[k] && word[k] == guess[i]) {
                matched[k] = true;
                ++dots.white;
                break;
            }
        }
    }
    return dots;
}

TEST(PossibleWords, AgreeWithABruteForceCountOverTheRealWords) {
    test::TempDir dir;
    CreateDatabase(LEXEL_DATA_DIR, dir / "Lexel.lxl");
    auto db = OpenLexelFile(dir / "Lexel.lxl");
    test::ScriptedRandom random{{0.5f}};
    const auto words = WordStore(db, random).DrawableWords(Level::Guru, false);
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
                           return Dots(w, l.guess, WindowOffset(l.line)) == l.result;
                       });
            }));
        };
        for (int line = 0; line < LineCount; ++line) {
            const auto& guess = guesses[static_cast<std::size_t>(line)];
            evidence.lines.push_back({line, guess, Dots(hidden, guess, WindowOffset(line))});
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
