// The day's word over the real word data: the same word for the same date, level and word data,
// and no word again before the level's words have all come round.

#include "core/rules/DailyWord.h"
#include "core/store/WordStore.h"
#include "support/RealLexelFile.h"
#include "support/ScriptedRandom.h"

#include <QDate>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace lexel {
namespace {

class DailyWords : public ::testing::Test {
protected:
    test::ScriptedRandom random{{0.5f}};
    WordStore store{test::RealLexelFile(), random};
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
        ASSERT_GT(words.size(), 500u);
        std::set<std::string> seen;
        for (QDate day = first; seen.size() < words.size(); day = day.addDays(1)) {
            const auto date = day.toString(Qt::ISODate).toStdString();
            ASSERT_TRUE(seen.insert(DailyWord(words, date, level)).second) << date;
        }
    }
}

} // namespace
} // namespace lexel
