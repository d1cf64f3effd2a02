#include "SourceLists.h"

#include "DatabaseGenerator.h"
#include "core/store/LexelFile.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace lexel {
namespace {

namespace fs = std::filesystem;

class SourceListsTest : public ::testing::Test {
protected:
    test::TempDir dir;

    void SetUp() override {
        fs::create_directory(dir / "words");
        Write("words/raw3.txt", "abc\ndog\n");
        Write("words/raw4.txt", "plan\n");
        Write("words/raw5.txt", "plane\n");
        Write("words/raw6.txt", "planet\t1\nplaten\ngarden\t2\n");
        Write("words/except.txt", "# never suggested\ndog\n");
        Write("quotes.tsv", "Title\tSource\tQuote\nPatience\tA Proverb\tSlow and steady.\n");
    }

    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
    }

    std::string Failure() {
        try {
            ReadSourceLists(dir.path());
        } catch (const SourceError& e) {
            return e.what();
        }
        return "accepted";
    }
};

TEST_F(SourceListsTest, MalformedLinesAreNamedByFileAndLine) {
    Write("words/raw3.txt", "abc\nDog\n");
    EXPECT_NE(Failure().find("raw3.txt:2: 'Dog' is not a word of 3 letters a-z"),
              std::string::npos);
    Write("words/raw3.txt", "abc\nabc\n");
    EXPECT_NE(Failure().find("raw3.txt:2: 'abc' is listed twice"), std::string::npos);
    Write("words/raw3.txt", "abc\n");
    Write("words/raw6.txt", "planet\t5\n");
    EXPECT_NE(Failure().find("raw6.txt:1: level '5' is not 1 to 4"), std::string::npos);
    Write("words/raw6.txt", "planet\n");
    Write("quotes.tsv", "Title\tSource\tQuote\nno tabs here\n");
    EXPECT_NE(Failure().find("quotes.tsv:2:"), std::string::npos);
    fs::remove(dir / "quotes.tsv");
    EXPECT_NE(Failure().find("quotes.tsv: cannot be read"), std::string::npos);
}

TEST_F(SourceListsTest, AnExceptedWordWithALevelIsRefused) {
    EXPECT_EQ(Failure(), "accepted");
    Write("words/except.txt", "# never suggested\ndog\ngarden\n");
    EXPECT_NE(Failure().find("raw6.txt: 'garden' has a level but is on the except list"),
              std::string::npos);
    Write("words/except.txt", "# never suggested\ndog\nplaten\n"); // no level: fine
    EXPECT_EQ(Failure(), "accepted");
}

TEST_F(SourceListsTest, CreateFillsEveryTableAndRefusesToOverwrite) {
    const auto file = dir / "Lexel.lxl";
    const auto counts = CreateDatabase(dir.path(), file);
    EXPECT_EQ(counts.w3, 2);
    EXPECT_EQ(counts.w6, 2);  // planet, platen
    EXPECT_EQ(counts.w6s, 2); // planet, garden
    {
        auto db = OpenLexelFile(file);
        EXPECT_EQ(sql::QueryInt(db, "SELECT COUNT(*) FROM Options"), 20);
        EXPECT_EQ(sql::QueryInt(db, "SELECT COUNT(*) FROM \"Except\" WHERE Word = 'DOG'"), 1);
        EXPECT_EQ(sql::QueryInt(db, "SELECT CountOfAlpha FROM raw6 WHERE Word = 'planet'"), 2);
        EXPECT_EQ(sql::QueryInt(db, "SELECT COUNT(*) FROM raw6 WHERE Class IS NULL"), 1);
    }
    const auto before = test::FileBytes(file);
    EXPECT_THROW(CreateDatabase(dir.path(), file), std::runtime_error);
    EXPECT_EQ(test::FileBytes(file), before);
}

TEST_F(SourceListsTest, SyncRefreshesWordsAndKeepsThePlayersRows) {
    const auto file = dir / "Lexel.lxl";
    SyncDatabase(dir.path(), file); // creates
    {
        auto db = OpenLexelFileForMaintenance(file);
        db.Execute("UPDATE Options SET Value = '7' WHERE Name = 'GamesPlayed';"
                   "DELETE FROM Options WHERE Name = 'HighScore10'");
    }
    Write("words/raw3.txt", "abc\ndog\nten\n");
    EXPECT_EQ(SyncDatabase(dir.path(), file).w3, 3);
    auto db = OpenLexelFile(file);
    auto value = db.Prepare("SELECT Value FROM Options WHERE Name = ?");
    value.Bind(1, "GamesPlayed");
    ASSERT_TRUE(value.Step());
    EXPECT_EQ(value.Text(0), "7");
    value.Reset();
    value.Bind(1, "HighScore10");
    ASSERT_TRUE(value.Step());
    EXPECT_EQ(value.Text(0), "??????0");
}

TEST_F(SourceListsTest, AFailedCreateLeavesNoFile) {
    auto lists = test::SampleLists();
    lists.guesses[0].push_back("abc"); // a duplicate stops the table build
    EXPECT_THROW(CreateDatabase(lists, dir / "Lexel.lxl"), BuildError);
    EXPECT_FALSE(fs::exists(dir / "Lexel.lxl"));
    EXPECT_FALSE(fs::exists(dir / "Lexel.lxl.new"));
}

} // namespace
} // namespace lexel
