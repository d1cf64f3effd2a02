// The game of the day: the same word for the same date, level and word data, and a shared
// result without letters.

#include "DatabaseGenerator.h"
#include "PlayedGame.h"
#include "core/history/GameHistory.h"
#include "core/rules/DailyWord.h"
#include "core/store/LexelFile.h"

#include <QDate>
#include <QDateTime>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <set>
#include <sstream>

namespace lexel {
namespace {

using test::PlayedGame;

constexpr std::int64_t Noon8Dec2026 = 1796731200; // 2026-12-08 12:00 UTC

// The real word data, built once for the tests of the day's word.
class DailyWords : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new test::TempDir;
        CreateDatabase(LEXEL_DATA_DIR, *dir / "Lexel.lxl");
        db = new sql::Database(OpenLexelFile(*dir / "Lexel.lxl"));
    }
    static void TearDownTestSuite() {
        delete db;
        delete dir;
    }
    static inline test::TempDir* dir = nullptr;
    static inline sql::Database* db = nullptr;
    test::ScriptedRandom random{{0.5f}};
    WordStore store{*db, random};
};

TEST_F(DailyWords, IsFixedByDateLevelAndDataWhateverTheirOrder) {
    auto words = store.DrawableWords(Level::Advanced, true);
    const auto word = DailyWord(words, "2026-12-08", Level::Advanced);
    std::shuffle(words.begin(), words.end(), std::mt19937(7));
    EXPECT_EQ(DailyWord(words, "2026-12-08", Level::Advanced), word);
    // Pinned, as worked out apart from the game in Python from raw6.txt: the class-2 words
    // sorted by (FNV-1a-64 of "2/" + word, word), the one at 1072 (days from 2024-01-01) modulo
    // their count. A change of the rule or of the level's words shows here.
    EXPECT_EQ(word, "gadget");
    EXPECT_NE(DailyWord(store.DrawableWords(Level::Guru, true), "2026-12-08", Level::Guru), word);
}

// A level's words all come round before any comes again: no word twice in as many days as the
// level has words, whichever day the run starts on (before the count's epoch too).
TEST_F(DailyWords, RepeatsNoWordBeforeTheLevelIsUsedUp) {
    const std::pair<Level, QDate> runs[] = {{Level::Beginner, QDate(2027, 1, 1)},
                                            {Level::Advanced, QDate(2023, 11, 5)},
                                            {Level::Expert, QDate(2026, 12, 31)},
                                            {Level::Guru, QDate(2031, 2, 28)}};
    for (const auto& [level, first] : runs) {
        SCOPED_TRACE(LevelNumber(level));
        const auto words = store.DrawableWords(level, true);
        ASSERT_GT(words.size(), 600u);
        std::set<std::string> seen;
        for (QDate day = first; seen.size() < words.size(); day = day.addDays(1)) {
            const auto date = day.toString(Qt::ISODate).toStdString();
            ASSERT_TRUE(seen.insert(DailyWord(words, date, level)).second) << date;
        }
    }
}

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
    EXPECT_EQ(game.Stored("GamesWon"), "1");
    const auto daily = GameHistory(game.db).Rows().back();
    EXPECT_TRUE(daily.daily);
    EXPECT_EQ(daily.finishedAt.substr(0, 10), "2026-12-08");

    game.Play("N"); // an ordinary game shares nothing
    EXPECT_TRUE(state.dailyDate.empty());
    game.Play("abc! =" + state.HiddenWord);
    EXPECT_FALSE(game.model.CanCopyResult());
    EXPECT_FALSE(GameHistory(game.db).Rows().back().daily);
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
        test::TempDir dir;
        const auto file = dir / "Lexel.lxl";
        test::CreateSampleFile(file);
        std::istringstream parts(attempt.moves);
        std::unique_ptr<PlayedGame> game;
        for (std::string moves; std::getline(parts, moves, '|');) {
            game.reset(); // the file is the running program's alone
            game = std::make_unique<PlayedGame>(file);
            game->clock.now = Noon8Dec2026;
            game->Play("y D " + moves); // the ordinary game of the start given up
        }
        EXPECT_EQ(game->Counters(), attempt.counters);
        EXPECT_EQ(GameHistory(game->db).Rows().size(), attempt.historyRows);
        EXPECT_EQ(game->model.IsReplay(), attempt.replay);
        EXPECT_EQ(game->model.DailyResult().section(u'\n', 0, 0), attempt.copied);
    }
}

// The history keeps the puzzle's date, which the day's attempt goes by, whenever the game ends.
TEST(DailyGame, AGameOverMidnightIsTheDayItStarted) {
    PlayedGame game;
    game.clock.now = QDateTime(QDate(2026, 12, 8), QTime(23, 59, 46)).toSecsSinceEpoch();
    game.Play("y D abc! +30 y Q");
    const auto row = GameHistory(game.db).Rows().back();
    EXPECT_EQ(row.finishedAt.substr(0, 10), "2026-12-09");
    EXPECT_EQ(row.dailyDate, "2026-12-08");
    game.Play("D");
    EXPECT_EQ(game.model.State().dailyDate, "2026-12-09");
    EXPECT_FALSE(game.model.IsReplay());
}

} // namespace
} // namespace lexel
