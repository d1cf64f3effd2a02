// The coach against a brute-force search written apart from the game's evaluation, on a small
// word list and on a pinned game over the real lists; and what the model gives it to weigh.

#include "core/rules/Coach.h"

#include "core/game/PlayedGame.h"
#include "core/store/SuggestionTable.h"
#include "core/store/WordStore.h"
#include "support/DotRule.h"
#include "support/RealLexelFile.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <map>

namespace lexel {
namespace {

using test::DotsByRule;

long long Squares(const std::vector<std::string>& possible, const std::string& guess, int offset) {
    std::map<std::pair<int, int>, long long> groups;
    for (const auto& word : possible) {
        const auto dots = DotsByRule(word, guess, offset);
        ++groups[{dots.black, dots.white}];
    }
    long long sum = 0;
    for (const auto& [result, size] : groups) {
        sum += size * size;
    }
    return sum;
}

// Checks every line of `game`, played against `hidden`, with a search over all guesses.
void ExpectBruteForce(CoachGame game, const std::string& hidden) {
    for (auto& shown : game.lines) {
        shown.result = DotsByRule(hidden, shown.guess, WindowOffset(shown.line));
    }
    const auto advice = CoachLines(game);
    ASSERT_EQ(advice.size(), game.lines.size());
    std::vector<std::string> possible = game.words;
    for (std::size_t i = 0; i < game.lines.size(); ++i) {
        const auto& shown = game.lines[i];
        std::erase_if(possible, [&](const std::string& w) {
            const auto& known = game.knownBefore[i];
            for (std::size_t k = 0; k < known.size(); ++k) {
                if (known[k] != 0 && w[k] != known[k]) {
                    return true;
                }
            }
            return false;
        });
        const int offset = WindowOffset(shown.line);
        long long best = -1;
        for (const auto& guess : game.guesses[shown.guess.size() - 3]) {
            const auto sum = Squares(possible, guess, offset);
            best = best < 0 ? sum : std::min(best, sum);
        }
        const double n = static_cast<double>(possible.size());
        const auto& line = advice[i];
        SCOPED_TRACE(hidden + " line " + std::to_string(shown.line + 1));
        EXPECT_EQ(line.before, static_cast<int>(possible.size()));
        EXPECT_DOUBLE_EQ(line.bestAverage, static_cast<double>(best) / n);
        EXPECT_EQ(Squares(possible, line.best, offset), best) << line.best;
        EXPECT_DOUBLE_EQ(line.playerAverage,
                         static_cast<double>(Squares(possible, shown.guess, offset)) / n);
        std::erase_if(possible, [&](const std::string& w) {
            return DotsByRule(w, shown.guess, offset) != shown.result;
        });
        EXPECT_EQ(line.left, static_cast<int>(possible.size()));
    }
}

TEST(Coach, BestGuessesOfASmallListAgreeWithABruteForceSearch) {
    CoachGame game;
    game.words = {"garden", "danger", "ranged", "bobbin", "planet", "platen",
                  "silver", "jumped", "banana", "dagger", "reread", "gander"};
    game.guesses = {{{"abc", "and", "ear", "gag", "nod", "pal", "red", "zzz"},
                     {"dare", "gear", "noon", "read"},
                     {"anger", "enter", "range", "radar"},
                     {"banana", "danger", "garden", "ranged", "zenith"}}};
    game.lines = {{0, "zzz", {}}, {1, "red", {}}, {4, "noon", {}}, {7, "range", {}}};
    game.knownBefore.assign(game.lines.size(), KnownLetters{});
    game.knownBefore[2][1] = game.knownBefore[3][1] = 'a'; // a hint before the third line
    for (const auto& hidden : {"garden", "danger", "gander"}) {
        ExpectBruteForce(game, hidden);
    }
}

TEST(Coach, APinnedGameOverTheRealListsAgreesWithABruteForceSearch) {
    auto& db = test::RealLexelFile();
    test::ScriptedRandom random{{0.5f}};
    CoachGame game;
    game.words = WordStore(db, random).DrawableWords(Level::Guru, false);
    ASSERT_GT(game.words.size(), 2900u);
    for (int length = 3; length <= 6; ++length) {
        for (const auto& word : ReadSuggestionTable(db, length).words) {
            game.guesses[static_cast<std::size_t>(length - 3)].push_back(AsciiLower(word));
        }
    }
    const char* guesses[] = {"ten", "ace", "sir", "dog", "rain", "mole", "crane", "plush"};
    for (int line = 0; line < 8; ++line) {
        game.lines.push_back({line, guesses[line], {}});
    }
    game.knownBefore.assign(game.lines.size(), KnownLetters{});
    ExpectBruteForce(game, "garden");
}

// The sample's level 2 holds garden and bobbin. For a first line DOG, PAN and TEN each tell
// them apart and ABC does not; DOG is excepted, so PAN, the first of the others, is the best.
TEST(Coach, TheModelGivesWhatWasKnownBeforeEachLineAndNoExceptedWord) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"abc! =garden", "", "abc 2>2 pan"},
        {"h1 abc! =garden", "", "abc 1>1 abc"},      // a hint
        {"a abc! =garden", "4E", "abc 1>1 abc"},     // a saved conclusion
        {"a abc! y Q", "0X", "abc 2>2 pan"},         // a wrong conclusion, in a game given up
        {"=bobbin abc! =garden", "", "abc 1>1 abc"}, // a refused solution
        {"abc! h1 ten! =garden", "", "abc 2>2 pan|ten 1>1 abc"},
    };
    for (const auto& [moves, typed, expected] : cases) {
        test::PlayedGame game;
        if (*typed != 0) {
            game.model.SetSolutionCell(typed[0] - '0', test::Typed(typed[1]));
        }
        game.Play(moves);
        const auto coach = game.model.EndedCoachGame();
        ASSERT_TRUE(coach) << moves;
        std::string text;
        for (const auto& line : CoachLines(*coach)) {
            text += (text.empty() ? "" : "|") + line.shown.guess + " " +
                    std::to_string(line.before) + ">" + std::to_string(line.left) + " " + line.best;
        }
        EXPECT_EQ(text, expected) << moves << typed;
    }
}

} // namespace
} // namespace lexel
