#include "core/settings/HighScores.h"

#include "support/HighScoreRows.h"
#include "support/SampleFileTest.h"
#include "support/TemporaryLocale.h"

#include <cctype>
#include <vector>

namespace lexel {
namespace {

using HighScoresTest = test::SampleFileTest;

// Under a Turkish locale the C library's capital of "i" is "i" (UTF-8) or the byte 0xDD
// (ISO-8859-9); the table holds the game's capitals all the same.
TEST_F(HighScoresTest, EntriesAreInCapitalsAToZWhateverTheLocale) {
    for (const char* locale : {"tr_TR.UTF-8", "tr_TR.ISO-8859-9"}) {
        SCOPED_TRACE(locale);
        const test::TemporaryLocale turkish(locale);
        ASSERT_NE(std::toupper('i'), 'I') << "the locale's own case mapping is not in force";
        ASSERT_TRUE(EnterHighScore(store, "admire", 425000));
        EXPECT_EQ(test::StoredHighScores(store)[0], "ADMIRE425000");
    }
}

TEST_F(HighScoresTest, AnEqualScoreRanksBelowAndRankTenFallsOut) {
    test::FillHighScores(store, {"AAAAAA900", "BBBBBB800", "CCCCCC700", "DDDDDD600", "EEEEEE500",
                                 "FFFFFF400", "GGGGGG300", "HHHHHH200", "IIIIII150", "JJJJJJ100"});
    EXPECT_EQ(EnterHighScore(store, "garden", 600), 5);
    EXPECT_EQ(test::StoredHighScores(store),
              (std::vector<std::string>{"AAAAAA900", "BBBBBB800", "CCCCCC700", "DDDDDD600",
                                        "GARDEN600", "EEEEEE500", "FFFFFF400", "GGGGGG300",
                                        "HHHHHH200", "IIIIII150"}));
    EXPECT_FALSE(EnterHighScore(store, "silver", 150));
    EXPECT_EQ(EnterHighScore(store, "silver", 151), 10);
    EXPECT_EQ(test::StoredHighScores(store)[9], "SILVER151");
}

TEST(WonPercentage, RoundsHalvesToEven) {
    EXPECT_EQ(WonPercentage(1, 8), 12); // 12.5
    EXPECT_EQ(WonPercentage(3, 8), 38); // 37.5
    EXPECT_EQ(WonPercentage(0, 0), std::nullopt);
    EXPECT_EQ(WonPercentage(5, -1), std::nullopt);
    EXPECT_TRUE(WonPercentage(9000000000000000000LL, 1).has_value()); // no overflow
}

} // namespace
} // namespace lexel
