// What a player relies on in the database generated from the committed source lists.

#include "DatabaseGenerator.h"
#include "core/store/LexelFile.h"
#include "core/store/WordCode.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <set>

namespace lexel {
namespace {

class GeneratedDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new test::TempDir;
        CreateDatabase(LEXEL_DATA_DIR, *dir / "Lexel.lxl");
    }
    static void TearDownTestSuite() { delete dir; }

    static inline test::TempDir* dir = nullptr;
    sql::Database db = OpenLexelFile(*dir / "Lexel.lxl");

    std::int64_t Count(const std::string& sql) { return sql::QueryInt(db, sql).value_or(-1); }
};

TEST_F(GeneratedDatabase, HiddenWordKeysRunFromOneWithoutGaps) {
    const auto count = Count("SELECT COUNT(*) FROM w6s");
    EXPECT_GT(count, 3000);
    EXPECT_LE(count, 32767);
    EXPECT_EQ(Count("SELECT MIN(Key) FROM w6s"), 1);
    EXPECT_EQ(Count("SELECT MAX(Key) FROM w6s"), count);
}

TEST_F(GeneratedDatabase, EveryLevelHasPlentyOfWords) {
    for (const char* level : {"1", "2", "3", "4"}) {
        auto statement = db.Prepare("SELECT COUNT(*) FROM w6s WHERE Class = ?");
        statement.Bind(1, level);
        ASSERT_TRUE(statement.Step());
        EXPECT_GT(statement.Int(0), 300) << "level " << level;
    }
    EXPECT_EQ(Count("SELECT COUNT(*) FROM w6s WHERE Class NOT IN ('1', '2', '3', '4')"), 0);
}

TEST_F(GeneratedDatabase, EveryCodeDecodesToAListedWord) {
    for (int length = 3; length <= 5; ++length) {
        const auto n = std::to_string(length);
        EXPECT_EQ(Count("SELECT COUNT(*) FROM w" + n), Count("SELECT COUNT(*) FROM raw" + n));
        auto codes = db.Prepare("SELECT Word FROM w" + n);
        while (codes.Step()) {
            const auto word = CodeToWord(static_cast<WordCodeValue>(codes.Int(0)), length);
            ASSERT_EQ(WordCode(word), codes.Int(0));
            ASSERT_NE(codes.Int(0), 0) << "a word that is no word of letters a-z";
        }
    }
}

TEST_F(GeneratedDatabase, HiddenWordsArePlayableAndNeverExcepted) {
    std::set<std::string> sixLetters;
    auto raw = db.Prepare("SELECT Word FROM raw6");
    while (raw.Step()) {
        sixLetters.insert(raw.Text(0));
    }
    std::set<std::string> excepted;
    auto except = db.Prepare("SELECT Word FROM \"Except\"");
    while (except.Step()) {
        excepted.insert(except.Text(0));
    }
    auto hidden = db.Prepare("SELECT Word FROM w6s");
    while (hidden.Step()) {
        const auto word = CodeToWord(static_cast<WordCodeValue>(hidden.Int(0)), 6);
        ASSERT_TRUE(sixLetters.contains(word)) << word;
        std::string upper = word;
        for (auto& c : upper) {
            c = static_cast<char>(c - 'a' + 'A');
        }
        ASSERT_FALSE(excepted.contains(upper)) << word << " can be hidden but is excepted";
    }
}

TEST_F(GeneratedDatabase, QuotationsAndOptionsAreThere) {
    EXPECT_GE(Count("SELECT COUNT(*) FROM Quotes"), 100);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Quotes WHERE Title = '' OR Source = '' OR Quote = ''"),
              0);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Options WHERE Name = 'Language' AND Value = ''"), 1);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Options WHERE Value = '?\?\?\?\?\?0'"), 10);
}

} // namespace
} // namespace lexel
