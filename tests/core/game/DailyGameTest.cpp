// The game of the day: the same word for the same date, level and word data, and a shared
// result without letters.

#include "DatabaseGenerator.h"
#include "PlayedGame.h"
#include "core/history/GameHistory.h"
#include "core/rules/DailyWord.h"
#include "core/store/LexelFile.h"

#include <QDate>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace lexel {
namespace {

using test::PlayedGame;

constexpr std::int64_t Noon8Dec2026 = 1796731200; // 2026-12-08 12:00 UTC

TEST(DailyWord, IsFixedByDateLevelAndDataWhateverTheirOrder) {
    test::TempDir dir;
    CreateDatabase(LEXEL_DATA_DIR, dir / "Lexel.lxl");
    auto db = OpenLexelFile(dir / "Lexel.lxl");
    test::ScriptedRandom random{{0.5f}};
    WordStore store(db, random);
    auto words = store.DrawableWords(Level::Advanced, true);
    const auto word = DailyWord(words, "2026-12-08", Level::Advanced);
    std::shuffle(words.begin(), words.end(), std::mt19937(7));
    EXPECT_EQ(DailyWord(words, "2026-12-08", Level::Advanced), word);
    // Pinned, as worked out apart from the game in Python from raw6.txt: the class-2 words
    // sorted by (FNV-1a-64 of "2/" + word, word), the one at 1072 (days from 2024-01-01) modulo
    // their count. A change of the rule or of the level's words shows here.
    EXPECT_EQ(word, "violin");
    EXPECT_NE(DailyWord(store.DrawableWords(Level::Guru, true), "2026-12-08", Level::Guru), word);
}

// A level's words all come round before any comes again: no word twice in as many days as the
// level has words, whichever day the run starts on (before the count's epoch too).
TEST(DailyWord, RepeatsNoWordBeforeTheLevelIsUsedUp) {
    test::TempDir dir;
    CreateDatabase(LEXEL_DATA_DIR, dir / "Lexel.lxl");
    auto db = OpenLexelFile(dir / "Lexel.lxl");
    test::ScriptedRandom random{{0.5f}};
    WordStore store(db, random);
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
              QStringLiteral("Morvane Lexel 2026-12-08, level 2: solved on line 3, %1")
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

} // namespace
} // namespace lexel
