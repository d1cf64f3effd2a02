#include "core/rules/FieldInput.h"

#include "core/rules/GameTimer.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>
#include <string_view>

namespace lexel {
namespace {

// What the guess and the solution line take of each typed character ("-" nothing), one pair a
// character.
TEST(FieldInput, TypedCharactersBecomeCapitalsOrOpenPlaces) {
    std::string taken;
    for (const char16_t typed : std::u16string_view(u"qZ _\b?7\u00e4\u00c4\u00df.\x1b")) {
        for (const auto c : {TypedGuessContent(QChar(typed)), TypedSolutionContent(QChar(typed))}) {
            taken += c ? c->Shown() : '-';
        }
        taken += ' ';
    }
    EXPECT_EQ(taken, "QQ ZZ _? _? _? -? -- -- -- -- -- -- ");
}

// What a guess field and a solution field keep of each pasted text ("-" nothing).
TEST(FieldInput, ContentThatArrivesOtherwiseIsChecked) {
    std::string kept;
    for (const char* content : {"A", "a", "AB", "_", " ", "?", ".", "\u00c4"}) {
        for (const auto c : {ArrivedGuessContent(QString::fromUtf8(content)),
                             ArrivedSolutionContent(QString::fromUtf8(content))}) {
            kept += !c ? '-' : c == FieldContent(Mark::Blank) ? 'b' : c->Shown();
        }
        kept += ' ';
    }
    EXPECT_EQ(kept, "AA -- -- _- bb -? -- -- ");
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
    clock.wallStep = -3600; // the system's time set back an hour: the game's time runs on
    clock.now += 15;
    timer.TimerUpdate();
    EXPECT_EQ(timer.TimerGet(), 15);
}

} // namespace
} // namespace lexel
