#include "core/rules/FieldInput.h"

#include "core/rules/GameTimer.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>
#include <vector>

namespace lexel {
namespace {

std::string Shown(std::optional<QChar> c) {
    return c ? QString(*c).toStdString() : "-";
}

TEST(FieldInput, TypedCharactersBecomeCapitalsOrOpenPlaces) {
    const struct {
        char16_t typed;
        const char* guess;
        const char* solution;
    } cases[] = {{u'q', "Q", "Q"},      {u'Z', "Z", "Z"},      {u' ', "_", "?"},
                 {u'_', "_", "?"},      {u'\b', "_", "?"},     {u'?', "-", "?"},
                 {u'7', "-", "-"},      {u'\u00e4', "-", "-"}, {u'\u00c4', "-", "-"},
                 {u'\u00df', "-", "-"}, {u'.', "-", "-"},      {u'\x1b', "-", "-"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.typed));
        EXPECT_EQ(Shown(GuessFieldCharacter(QChar(c.typed))), c.guess);
        EXPECT_EQ(Shown(SolutionFieldCharacter(QChar(c.typed))), c.solution);
    }
}

TEST(FieldInput, ContentThatArrivesOtherwiseIsChecked) {
    const struct {
        const char* content;
        bool letter, guess, solution;
    } cases[] = {{"A", true, true, true},   {"a", false, false, false}, {"AB", false, false, false},
                 {"_", false, true, false}, {" ", false, true, true},   {"?", false, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        EXPECT_EQ(IsFieldLetter(c.content), c.letter);
        EXPECT_EQ(IsValidGuessContent(c.content), c.guess);
        EXPECT_EQ(IsValidSolutionContent(c.content), c.solution);
    }
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
    test::FakeClock clock;
    GameTimer timer(clock);
    timer.TimerStart();
    clock.now += 500;
    EXPECT_EQ(timer.TimerGet(), 0); // no tick yet
    timer.TimerUpdate();
    EXPECT_EQ(timer.TimerGet(), 500);
    clock.now += 86400;
    timer.TimerUpdate();
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
