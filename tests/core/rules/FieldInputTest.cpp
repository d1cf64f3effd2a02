#include "core/rules/FieldInput.h"

#include "core/rules/GameTimer.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>
#include <vector>

namespace lexel {
namespace {

std::string Guess(char16_t typed) {
    const auto c = GuessFieldCharacter(QChar(typed));
    return c ? QString(*c).toStdString() : "discarded";
}

std::string Solution(char16_t typed) {
    const auto c = SolutionFieldCharacter(QChar(typed));
    return c ? QString(*c).toStdString() : "discarded";
}

TEST(FieldInput, TypedCharactersBecomeCapitalsOrOpenPlaces) {
    EXPECT_EQ(Guess(u'q'), "Q");
    EXPECT_EQ(Guess(u'Z'), "Z");
    EXPECT_EQ(Guess(u' '), "_");
    EXPECT_EQ(Guess(u'_'), "_");
    EXPECT_EQ(Guess(u'\b'), "_");
    for (const char16_t c : {u'?', u'7', u'\u00e4', u'\u00c4', u'\u00df', u'.', u'\x1b'}) {
        EXPECT_EQ(Guess(c), "discarded") << static_cast<int>(c);
    }
    EXPECT_EQ(Solution(u'q'), "Q");
    EXPECT_EQ(Solution(u'?'), "?");
    EXPECT_EQ(Solution(u' '), "?");
    EXPECT_EQ(Solution(u'_'), "?");
    EXPECT_EQ(Solution(u'\b'), "?");
    EXPECT_EQ(Solution(u'7'), "discarded");
    EXPECT_EQ(Solution(u'\u00e4'), "discarded");
}

TEST(FieldInput, ContentThatArrivesOtherwiseIsChecked) {
    EXPECT_TRUE(IsFieldLetter("A"));
    EXPECT_FALSE(IsFieldLetter("a"));
    EXPECT_FALSE(IsFieldLetter("AB"));
    EXPECT_FALSE(IsFieldLetter("_"));
    EXPECT_TRUE(IsValidGuessContent("_"));
    EXPECT_TRUE(IsValidGuessContent(" "));
    EXPECT_FALSE(IsValidGuessContent("?"));
    EXPECT_FALSE(IsValidGuessContent("AB"));
    EXPECT_TRUE(IsValidSolutionContent("?"));
    EXPECT_FALSE(IsValidSolutionContent("_"));
}

TEST(FindNextFree, SearchesOnAndWrapsButNeverReturnsTheStart) {
    std::vector<bool> free(6, true);
    const auto find = [&](int start, Direction d) {
        return FindNextFree(0, 5, start, d, [&](int i) { return free[static_cast<size_t>(i)]; });
    };
    EXPECT_EQ(find(5, Direction::Right), 0);
    EXPECT_EQ(find(2, Direction::Right), 3);
    EXPECT_EQ(find(0, Direction::Left), 5);
    free[0] = false; // revealed by a hint
    EXPECT_EQ(find(5, Direction::Right), 1);
    EXPECT_EQ(find(1, Direction::Left), 5);
    free = {false, false, true, false, false, false};
    EXPECT_EQ(find(2, Direction::Right), -1);
    EXPECT_EQ(find(4, Direction::Left), 2);
    // Over the fields 30..35 of line 9.
    EXPECT_EQ(FindNextFree(30, 35, 35, Direction::Right, [](int k) { return k != 30; }), 31);
}

TEST(GameTimer, RecomputesFromTheClockAndStopsAtADay) {
    EXPECT_EQ(FormatElapsed(3725), "01:02:05");
    EXPECT_EQ(FormatElapsed(59), "00:00:59");
    test::FakeClock clock;
    GameTimer timer(clock);
    timer.TimerStart();
    clock.now += 500;
    EXPECT_EQ(timer.TimerGet(), 0); // no tick yet
    timer.TimerUpdate();
    EXPECT_EQ(timer.TimerGet(), 500);
    clock.now += 86400;
    timer.TimerUpdate();
    EXPECT_EQ(timer.TimerGet(), 86400);
    EXPECT_EQ(timer.Display(), "24:00:00");
    EXPECT_FALSE(timer.IsRunning());
    clock.now += 100;
    timer.TimerUpdate();
    EXPECT_EQ(timer.TimerGet(), 86400); // stopped: keeps the last value
    timer.TimerStart();
    clock.now -= 50; // the clock set back
    timer.TimerUpdate();
    EXPECT_EQ(timer.TimerGet(), 0);
}

} // namespace
} // namespace lexel
