// The game history: the streaks, wins by line and recent scores read back, and files from
// before the history. The row each ending of a game leaves is checked with the whole games.

#include "core/history/GameHistory.h"

#include "core/history/DailyResults.h"
#include "core/store/LexelFile.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

HistoryRow Garden(int line, Outcome outcome, std::int64_t seconds, Score score, int hints = 0,
                  std::int64_t units = 0) {
    return {{}, Level::Advanced, "garden", line, outcome, seconds, score, hints, units, false};
}

// Adds a history in short: a digit a game won on that line, L lost, G given up.
void AddGames(GameHistory& history, const char* games) {
    std::istringstream in(games);
    for (std::string game; in >> game;) {
        const bool won = std::isdigit(static_cast<unsigned char>(game[0]));
        history.Add(Garden(won ? game[0] - '0' : 9,
                           won ? Outcome::Won : (game == "L" ? Outcome::Lost : Outcome::GivenUp),
                           60, 1000));
    }
}

// The totals the database aggregates over its indexes, also where the ids have a gap: a reset
// during a game, whose row is then written back.
TEST(GameHistory, StreaksAndWinsByLine) {
    // The games before a reset (which keeps the newest row when asked), the id a running
    // game's row, won on line 3, is written back at after it (0: none), and the games after.
    const std::tuple<const char*, bool, std::int64_t, const char*, Streaks, LineWins> cases[] = {
        {"", false, 0, "", {0, 0}, {}},
        {"", false, 0, "9", {1, 1}, {{0, 0, 0, 0, 0, 0, 0, 0, 1}, 0}},
        {"", false, 0, "9 2 L 1 1 3 G 9 9", {2, 3}, {{2, 1, 1, 0, 0, 0, 0, 0, 3}, 4}},
        {"", false, 0, "5 5 G", {0, 2}, {{0, 0, 0, 0, 2, 0, 0, 0, 0}, 2}},
        {"", false, 0, "L G L", {0, 0}, {}},
        {"", false, 0, "3 L 9 9 1 G 2 2 2 L 5", {1, 3}, {{1, 3, 1, 0, 1, 0, 0, 0, 2}, 6}},
        {"9 9 9 L 4 4", true, 0, "4 9 G 7", {1, 3}, {{0, 0, 0, 2, 0, 0, 1, 0, 1}, 3}},
        {"9 9 9 9 9 9 G", true, 40, "9 9 L 9", {1, 3}, {{0, 0, 1, 0, 0, 0, 0, 0, 3}, 1}},
        {"9 9 G", false, 40, "9 9 G 9 9", {2, 3}, {{0, 0, 1, 0, 0, 0, 0, 0, 4}, 1}},
    };
    for (const auto& [before, keepNewest, writtenBack, after, streaks, wins] : cases) {
        SCOPED_TRACE(std::string(before) + " | " + after);
        test::TempDir dir;
        auto db = test::OpenSampleFile(dir / "Lexel.lxl");
        GameHistory history(db);
        AddGames(history, before);
        history.Clear(keepNewest);
        if (writtenBack != 0) {
            history.Put(writtenBack, Garden(3, Outcome::Won, 60, 1000));
        }
        AddGames(history, after);
        EXPECT_EQ(history.Totals(), (HistoryTotals{wins, streaks}));
    }
}

// Oldest first, at most the last 50 of the level asked for.
TEST(GameHistory, RecentScoresPerLevel) {
    test::TempDir dir;
    auto db = test::OpenSampleFile(dir / "Lexel.lxl");
    GameHistory history(db);
    for (int i = 1; i <= RecentGames + 10; ++i) {
        auto row = Garden(9, Outcome::Lost, 0, i);
        row.level = i % 11 == 0 ? Level::Guru : Level::Beginner;
        history.Add(row);
    }
    const auto beginner = history.RecentScores(Level::Beginner);
    ASSERT_EQ(beginner.size(), static_cast<std::size_t>(RecentGames));
    EXPECT_EQ(beginner.front(), 6); // 1 to 5 are older, 11 to 55 in steps of 11 at Guru
    EXPECT_EQ(beginner.back(), 60);
    EXPECT_EQ(history.RecentScores(Level::Guru), (std::vector<Score>{11, 22, 33, 44, 55}));
    EXPECT_TRUE(history.RecentScores(Level::Expert).empty());
}

// The game's open brings a file from before the history, or before a part of it, up to date and
// keeps its rows; it refuses a file whose table it cannot use.
TEST(GameHistory, AnOlderFileGetsWhatItLacks) {
    const auto beforeDailyDate = "DROP TABLE GameHistory; CREATE TABLE GameHistory (Id INTEGER "
                                 "PRIMARY KEY, FinishedAt TEXT NOT NULL, Level INTEGER NOT NULL, "
                                 "Word TEXT NOT NULL, Line INTEGER NOT NULL, Outcome TEXT NOT "
                                 "NULL, Seconds INTEGER NOT NULL, Score INTEGER NOT NULL, Hints "
                                 "INTEGER NOT NULL, SuggestionUnits INTEGER NOT NULL, Daily "
                                 "INTEGER NOT NULL DEFAULT 0); INSERT INTO GameHistory VALUES "
                                 "(1, 'x', 2, 'garden', 9, 'won', 1, 2, 0, 0, 1);";
    const std::tuple<const char*, std::string, std::size_t, bool> cases[] = {
        {"no history", "DROP TABLE GameHistory; DROP TABLE DailyResults;", 0, true},
        {"a history without the puzzle's date",
         beforeDailyDate + std::string("DROP TABLE "
                                       "DailyResults;"),
         1, true},
        {"no day's results", "DROP TABLE DailyResults;", 0, true},
        {"no indexes", "DROP INDEX GameHistory_Outcome; DROP INDEX GameHistory_Level;", 0, true},
        {"a history it cannot use", "DROP TABLE GameHistory; CREATE TABLE GameHistory (Id)", 0,
         false},
    };
    for (const auto& [name, older, rows, opens] : cases) {
        SCOPED_TRACE(name);
        test::TempDir dir;
        const auto file = dir / "Lexel.lxl";
        test::CreateSampleFile(file);
        OpenLexelFileForMaintenance(file).Execute(older);
        if (!opens) {
            EXPECT_THROW(OpenLexelFile(file), DatabaseOpenError);
            continue;
        }
        OpenLexelFile(file); // closed at once: what it added must have been committed
        auto db = OpenLexelFile(file);
        EXPECT_EQ(sql::QueryInt(db, "SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' "
                                    "AND tbl_name = 'GameHistory'"),
                  2);
        auto row = Garden(9, Outcome::Won, 1, 2);
        row.dailyDate = "2026-12-08";
        GameHistory(db).Add(row);
        const auto stored = GameHistory(db).Rows();
        ASSERT_EQ(stored.size(), rows + 1);
        EXPECT_EQ(stored.front().dailyDate, rows ? "" : row.dailyDate); // NULL in older rows
        EXPECT_EQ(stored.back(), row);
        DailyResults(db).Put({.date = "2026-12-08", .level = Level::Guru, .dots = "●"});
        EXPECT_EQ(DailyResults(db).Find("2026-12-08", Level::Guru)->dots, "●");
    }
}

} // namespace
} // namespace lexel
