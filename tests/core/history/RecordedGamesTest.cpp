// What a game leaves in the file: its end written whole or not at all, and Statistics > Reset.

#include "core/history/RecordedGames.h"

#include "core/history/GameHistory.h"
#include "core/settings/HighScores.h"
#include "support/HighScoreRows.h"
#include "support/SampleFileTest.h"

#include <vector>

namespace lexel {
namespace {

using RecordedGamesTest = test::SampleFileTest;

// A game's end is written whole or not at all: a history row that cannot be written (a full
// disk) takes the score and the counters with it.
TEST_F(RecordedGamesTest, AGameEndIsWrittenWithItsHistoryRowOrNotAtAll) {
    const FinishedGame game{.row = {.finishedAt = "2024-06-11T14:03:05",
                                    .word = "garden",
                                    .line = 4,
                                    .outcome = Outcome::Won,
                                    .score = 9},
                            .countAsPlayed = true};
    db.Execute("CREATE TRIGGER Full BEFORE INSERT ON GameHistory BEGIN "
               "SELECT RAISE(ABORT, 'database or disk is full'); END;");
    EXPECT_THROW(RecordFinishedGame(store, game), sql::Error);
    const auto Stored = [&](const char* key) { return test::StoredOption(db, key); };
    EXPECT_EQ(Stored("HighScore1") + Stored("GamesPlayed") + Stored("GamesWon"), "??????000");
    EXPECT_TRUE(GameHistory(db).Rows().empty());

    db.Execute("DROP TRIGGER Full");
    EXPECT_TRUE(RecordFinishedGame(store, game));
    EXPECT_EQ(Stored("HighScore1") + Stored("GamesPlayed") + Stored("GamesWon"), "GARDEN911");
    EXPECT_EQ(GameHistory(db).Rows(), std::vector{game.row});
}

// Reset empties the table, the counters and the history; a running game that was counted as
// played stays counted, with its history row, the newest.
TEST_F(RecordedGamesTest, ResetEmptiesEverythingButARunningCountedGame) {
    const HistoryRow ended{.finishedAt = "2024-06-11T14:03:05", .word = "garden", .line = 9};
    const HistoryRow running{.finishedAt = "2024-06-11T14:05:00", .word = "bobbin", .line = 1};
    for (const bool runningGameCounted : {true, false}) {
        test::FillHighScores(store, {"AAAAAA900", "BBBBBB800"});
        store.WriteOption("GamesPlayed", "8");
        store.WriteOption("GamesWon", "3");
        GameHistory(db).Add(ended);
        GameHistory(db).Add(running);
        ResetStatistics(store, runningGameCounted);
        EXPECT_EQ(store.ReadOption("GamesPlayed"), runningGameCounted ? "1" : "0");
        EXPECT_EQ(store.ReadOption("GamesWon"), "0");
        EXPECT_EQ(test::StoredHighScores(store), std::vector<std::string>(10, "??????0"));
        EXPECT_EQ(GameHistory(db).Rows(),
                  runningGameCounted ? std::vector{running} : std::vector<HistoryRow>{});
        GameHistory(db).Clear(false);
    }
}

} // namespace
} // namespace lexel
