// Whole games played through the model, as a player plays them, with no window: the moves go
// in; the messages, the dots of every line, the counters, the exact score and the history row
// come out.

#include "PlayedGame.h"
#include "core/rules/ScoreParts.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

const std::string Won = "|Congratulations!  You found the hidden word.";
const std::string WonEarly = "|Great!  You found the hidden word ahead of time.";
const std::string Wrong = "|Sorry, this is not the correct solution. Please play on!";
const std::string Abort = "|Do you really want to abort this game?";
const std::string Reveal = "|The hidden word was 'GARDEN'.";
const std::string NoOther = "|No other word fits this line. This suggestion costs nothing.";
const std::string EightLines = "ten! dog! pan! abc! plan! tale! plane! petal!";
const std::string EightDots = "0/2 0/2 0/2 0/1 1/1 1/1 0/3 0/2";

struct WholeGame {
    const char* name;
    std::string moves;
    std::string messages;
    std::string dots;
    std::string counters; // games played, games won, the best entry of the table afterwards
    Outcome outcome;
    // The history row: line, outcome (0 playing .. 3 given up), seconds, score, hints and
    // suggestion units; every game counted as played has exactly one from its count on, as
    // given up until its end is written.
    const char* history = "";
};

std::string HistoryOf(const test::MemoryRecords& records) {
    std::string text;
    for (const auto& [id, r] : records.rows) {
        for (const auto value : {std::int64_t{r.line}, std::int64_t{static_cast<int>(r.outcome)},
                                 r.seconds, r.score, std::int64_t{r.hints}, r.suggestionUnits}) {
            text += std::to_string(value) + " ";
        }
    }
    return text;
}

// Scores: 1000 a black and 100 a white dot; a win adds 40000 a level above the first, 225000
// for a clean game (150000 with a non-word or a hint) and a time bonus (60000 in the first
// minute, then 30 a second short of 20 minutes); an early win 10000 a line left, less half the
// hints' charge; charges: 10000 a non-word or wrong solution, 20000 a hint, 20000 more for the
// first letter, 12500 a hint after the first, 3000 a suggestion unit.
const WholeGame Games[] = {
    // 9400 + 40000 + 225000 + 26100
    {"won on line nine after 5:30", EightLines + " +330 garden!", Won, EightDots + " 6/0",
     "1 1 GARDEN300500", Outcome::Won, "9 1 330 300500 0 0 "},
    {"lost on line nine", EightLines + " xxxxxx!",
     "|Sorry, this is not the correct solution. The hidden word was 'GARDEN'.  Better luck next "
     "time!",
     EightDots + " 0/0", "1 0 GARDEN3400", Outcome::Lost, "9 2 0 3400 0 0 "},
    // 40000 + 225000 + 60000 + 100000 - 10000
    {"early with a wrong solution first", "=danger +30 =garden", Wrong + WonEarly, "",
     "1 1 GARDEN415000", Outcome::Won, "1 1 30 415000 0 0 "},
    {"a wrong solution alone counts the game", "=danger", Wrong, "", "1 0 ??????0",
     Outcome::Playing, "0 3 0 0 0 0 "},
    {"left after a wrong solution alone", "=danger L", Wrong, "", "1 0 ??????0", Outcome::GivenUp,
     "0 3 0 0 0 0 "},
    // 200 + 40000 + 150000 + 60000 + 70000 - 40000 - 20000 - 12500
    {"early after hints with the first letter", "ten! h0 h3 =garden", WonEarly, "0/2",
     "1 1 GARDEN247700", Outcome::Won, "2 1 0 247700 2 0 "},
    {"a non-word refused without cheating", "xyz! ten!",
     "|'XYZ' is not a valid English word. If you want to be allowed to use invalid 'words', you "
     "must enable the Cheating option.",
     "0/2", "1 0 ??????0", Outcome::Playing, "1 3 0 0 0 0 "},
    // 40000 + 150000 + 60000 + 90000 - 10000
    {"a non-word accepted costs 10000 and the clean bonus", "C y xyz! =garden",
     "|'XYZ' is not a valid English word.\nShould it be accepted nevertheless?" + WonEarly, "0/0",
     "1 1 GARDEN330000", Outcome::Won, "2 1 0 330000 0 0 "},
    // PAN for "?A?" (1 unit), then ABC with its A elsewhere (1), none for "QZX" (1), TEN for
    // an empty line (1), the first on line 2 (2): 200 + 40000 + 225000 + 60000 + 90000 - 18000.
    {"suggestions cost their units", "_a_ s s qzx s ___ s ! s =garden",
     "|No matching word found." + WonEarly, "0/2", "1 1 GARDEN397200", Outcome::Won,
     "2 1 0 397200 0 6 "},
    // TEN, then PAN in its place (1 unit each): 1100 + 40000 + 225000 + 60000 + 90000 - 6000.
    {"a second suggestion offers another word", "___ s s ! =garden", WonEarly, "1/1",
     "1 1 GARDEN410100", Outcome::Won, "2 1 0 410100 0 2 "},
    // A word typed in full that no other word replaces: 40000 + 225000 + 60000 + 100000.
    {"a suggestion that finds nothing new costs nothing", "ten s =garden", NoOther + WonEarly, "",
     "1 1 GARDEN425000", Outcome::Won, "1 1 0 425000 0 0 "},
    {"abandoned after a line: the dots still score", "ten! y N", Abort + Reveal, "",
     "1 0 GARDEN200", Outcome::Playing, "1 3 0 200 0 0 "},
    {"given up on leaving after a line", "ten! y Q", Abort + Reveal, "0/2", "1 0 GARDEN200",
     Outcome::GivenUp, "1 3 0 200 0 0 "},
    {"left after a line, the system's time set on meanwhile", "ten! ~7200 +40 L", "", "0/2",
     "1 0 GARDEN200", Outcome::GivenUp, "1 3 40 200 0 0 "},
    {"the end not written: the count's row stands", "ten! F =garden",
     "|The result of this game could not be saved:\ndatabase or disk is full" + WonEarly +
         "\nYou scored 415200 points.",
     "0/2", "1 0 ??????0", Outcome::Won, "1 3 0 0 0 0 "},
    {"statistics reset while it runs: its row stays to be ended", "=danger R +30 =garden",
     Wrong + WonEarly, "", "1 1 GARDEN415000", Outcome::Won, "1 1 30 415000 0 0 "},
    {"kept after No to the abort question", "ten n N", Abort, "", "0 0 ??????0", Outcome::Playing},
    {"given up before it counted", "ten y Q", Abort + Reveal, "", "0 0 ??????0", Outcome::GivenUp},
    {"left before it counted", "ten L", "", "", "0 0 ??????0", Outcome::Playing},
};

TEST(GameModel, WholeGames) {
    for (const auto& expected : Games) {
        SCOPED_TRACE(expected.name);
        test::PlayedGame game;
        game.Play(expected.moves);
        EXPECT_EQ(game.Messages(), expected.messages);
        EXPECT_EQ(game.Dots(), expected.dots);
        EXPECT_EQ(game.Counters(), expected.counters);
        EXPECT_EQ(game.model.State().outcome, expected.outcome);
        EXPECT_EQ(HistoryOf(game.records), expected.history);
        // No game here reaches a limit, so the parts alone must add up to the score.
        const auto& win = game.model.EndedWin();
        EXPECT_EQ(win.has_value(), expected.outcome == Outcome::Won);
        if (win) {
            EXPECT_EQ(PointsOf(ScoreParts(*win), ScorePart::Limit), 0);
            EXPECT_EQ(SumOf(ScoreParts(*win)), game.model.ComputeScore());
        }
    }
}

} // namespace
} // namespace lexel
