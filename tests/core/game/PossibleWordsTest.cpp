// The count of words still possible through the model, as lines, hints and Save Analysis narrow
// it down, and the review of a game that ended.

#include "core/rules/PossibleWords.h"

#include "PlayedGame.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

using test::PlayedGame;

TEST(PossibleWords, TheModelCountsWhatTheBoardShows) {
    // Hidden "garden" of level 2 only: garden and bobbin could have been drawn. "4E" types E
    // into solution position 4 before the moves.
    const std::tuple<const char*, const char*, int> cases[] = {
        {"", "", 2},
        {"abc! ten!", "", 1},    // garden 0/2, bobbin 0/1
        {"h5", "", 2},           // both end in n
        {"h1", "", 1},           // only garden has an a there
        {"a", "4E", 1},          // Save Analysis fixes the E the player typed
        {"a", "0X", 0},          // a wrong conclusion leaves nothing
        {"", "0X", 2},           // typed but not fixed: no conclusion
        {"abc! =garden", "", 1}, // the end shows the word
        {"=bobbin", "", 1},      // a refused solution is no longer possible
        {"=bobbin y N", "", 2},  // in its own game only
    };
    for (const auto& [moves, typed, count] : cases) {
        PlayedGame game;
        if (*typed != 0) {
            game.model.SetSolutionCell(typed[0] - '0', test::Typed(typed[1]));
        }
        game.Play(moves);
        EXPECT_EQ(game.model.PossibleWordCount(), count) << moves << typed;
    }
}

// The review is of the last game that ended, whatever began since: each line's guess, the words
// before and after it, and the deepest cut, marked "*".
TEST(PossibleWords, TheReviewTellsEachLinesCutAndTheDeepest) {
    const std::pair<const char*, const char*> cases[] = {
        {"abc! ten! =garden", "abc 2>2 ten 2>1*"},
        {"abc! =bobbin ten! =garden", "abc 2>2* ten 1>1"}, // refused before line 2
        {"=bobbin abc! =garden", "abc 1>1*"},
        {"abc! ten! y N", "abc 2>2 ten 2>1*"},
        {"abc! ten! y N dog! abc!", "abc 2>2 ten 2>1*"}, // a new game is played
        {"abc! y N dog! ten! =garden", "dog 2>1* ten 1>1"},
        {"ten y Q", ""},
    };
    for (const auto& [moves, expected] : cases) {
        PlayedGame game;
        EXPECT_FALSE(game.model.CanReview());
        game.Play(moves);
        EXPECT_TRUE(game.model.CanReview()) << moves;
        const auto cuts = game.model.PossibleWordCuts();
        std::string text;
        for (const auto& cut : cuts) {
            text += (text.empty() ? "" : " ") + cut.shown.guess + " " + std::to_string(cut.before) +
                    ">" + std::to_string(cut.after) + (&cut == DeepestCut(cuts) ? "*" : "");
        }
        EXPECT_EQ(text, expected) << moves;
    }
}

TEST(PossibleWords, TheShareACutLeftInWholePercent) {
    const std::tuple<int, int, int> cases[] = {
        // before, after, percent
        {100, 6, 6},     {3, 2, 67},     {8, 1, 13},  {200, 1, 1}, {201, 1, 0},
        {1000, 999, 99}, {400, 398, 99}, {2, 2, 100}, {0, 0, 0},   {7, 0, 0},
    };
    for (const auto& [before, after, percent] : cases) {
        EXPECT_EQ(PercentLeft({{}, before, after}), percent) << before << " " << after;
    }
}

} // namespace
} // namespace lexel
