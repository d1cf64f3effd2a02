// The game of the day through the model: played and scored like any game, one counted attempt
// per date and level, and a shared result without letters.

#include "PlayedGame.h"
#include "core/rules/DailyWord.h"

#include <QDate>
#include <QDateTime>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace lexel {
namespace {

using test::PlayedGame;

constexpr std::int64_t Noon8Dec2026 = 1796731200; // 2026-12-08 12:00 UTC

TEST(DailyGame, IsPlayedAndScoredLikeAnyGameAndSharedWithoutLetters) {
    PlayedGame game; // the sample's level 2 holds garden and bobbin
    game.clock.now = Noon8Dec2026;
    game.Play("y"); // to giving up the game just started
    ASSERT_TRUE(game.model.NewDailyGame());
    const auto& state = game.model.State();
    EXPECT_EQ(state.dailyDate, "2026-12-08");
    EXPECT_EQ(state.HiddenWord, DailyWord(std::vector<std::string>{"garden", "bobbin"},
                                          "2026-12-08", Level::Advanced));
    EXPECT_FALSE(game.model.CanCopyResult());
    const std::string other = state.HiddenWord == "garden" ? "bobbin" : "garden";
    game.Play("abc! ten! =" + other + " =" + state.HiddenWord);
    ASSERT_EQ(state.outcome, Outcome::Won);
    ASSERT_TRUE(game.model.CanCopyResult());
    const auto dots = game.Dots(); // "0/1 0/2" or "0/1 0/1"
    QString rows;
    for (const auto& line : {dots.substr(0, 3), dots.substr(4, 3)}) {
        rows += u'\n' + QString(line[0] - '0', u'●') + QString(line[2] - '0', u'○');
    }
    EXPECT_EQ(game.model.DailyResult(),
              QStringLiteral("Morvane Lexel 2026-12-08, Advanced: solved on line 3, %1")
                      .arg(game.model.ComputeScore()) +
                  rows);
    const auto daily = game.records.rows.rbegin()->second;
    EXPECT_TRUE(daily.daily);
    EXPECT_EQ(daily.finishedAt.substr(0, 10), "2026-12-08");

    game.Play("N"); // an ordinary game shares nothing
    EXPECT_TRUE(state.dailyDate.empty());
    game.Play("abc! =" + state.HiddenWord);
    EXPECT_FALSE(game.model.CanCopyResult());
    EXPECT_FALSE(game.records.rows.rbegin()->second.daily);
}

// One counted attempt per date and level, whatever its end: a replay is played for nothing and
// Copy Result shares the first attempt. The day's word in the sample is garden.
struct Attempt {
    const char* name;
    std::string moves; // from the daily game's start; "|" where the program starts again
    std::string counters;
    std::size_t historyRows;
    bool replay;    // the game running or ended last
    QString copied; // the first line of Copy Result
};

const Attempt Attempts[] = {
    {"won, then solved at once", "abc! =garden D =garden", "1 1 GARDEN415100", 1, true,
     "Morvane Lexel 2026-12-08, Advanced: solved on line 2, 415100"},
    {"given up before a line: its word was told", "y Q D abc! =garden", "1 0 ??????0", 1, true,
     "Morvane Lexel 2026-12-08, Advanced: given up, 0"},
    {"given up, then replayed after a restart", "abc! y Q | D =garden", "1 0 GARDEN100", 1, true,
     "Morvane Lexel 2026-12-08, Advanced: given up, 100"},
    {"left with a line, then replayed", "abc! L | D ten! y Q", "1 0 GARDEN100", 1, true,
     "Morvane Lexel 2026-12-08, Advanced: given up, 100"},
    {"left before it counted: no attempt yet", "abc L | D =garden", "1 1 GARDEN425000", 1, false,
     "Morvane Lexel 2026-12-08, Advanced: solved on line 1, 425000"},
};

TEST(DailyGame, OneCountedAttemptPerDateAndLevel) {
    for (const auto& attempt : Attempts) {
        SCOPED_TRACE(attempt.name);
        test::MemoryRecords records;
        std::istringstream parts(attempt.moves);
        std::unique_ptr<PlayedGame> game;
        for (std::string moves; std::getline(parts, moves, '|');) {
            game = std::make_unique<PlayedGame>(records);
            game->clock.now = Noon8Dec2026;
            game->Play("y D " + moves); // the ordinary game of the start given up
        }
        EXPECT_EQ(game->Counters(), attempt.counters);
        EXPECT_EQ(records.rows.size(), attempt.historyRows);
        EXPECT_EQ(game->model.IsReplay(), attempt.replay);
        EXPECT_EQ(game->model.DailyResult().section(u'\n', 0, 0), attempt.copied);
    }
}

// The history keeps the puzzle's date, which the day's attempt goes by, whenever the game ends.
TEST(DailyGame, AGameOverMidnightIsTheDayItStarted) {
    PlayedGame game;
    game.clock.now = QDateTime(QDate(2026, 12, 8), QTime(23, 59, 46)).toSecsSinceEpoch();
    game.Play("y D abc! +30 y Q");
    const auto row = game.records.rows.rbegin()->second;
    EXPECT_EQ(row.finishedAt.substr(0, 10), "2026-12-09");
    EXPECT_EQ(row.dailyDate, "2026-12-08");
    game.Play("D");
    EXPECT_EQ(game.model.State().dailyDate, "2026-12-09");
    EXPECT_FALSE(game.model.IsReplay());
}

} // namespace
} // namespace lexel
