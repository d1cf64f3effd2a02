#include "core/startup/SourceLists.h"

#include "DatabaseGenerator.h"
#include "core/store/LexelFile.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <tuple>

namespace lexel {
namespace {

namespace fs = std::filesystem;

class SourceListsTest : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path file = dir / "Lexel.lxl";

    void SetUp() override { WriteLists(); }

    void WriteLists() {
        fs::create_directories(dir / "words");
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

// One list changed at a time (none: the list is missing).
TEST_F(SourceListsTest, MalformedListsAreNamedByFileAndLine) {
    const struct {
        const char *name, *text, *failure;
    } cases[] = {
        {"words/raw3.txt", "abc\nDog\n", "raw3.txt:2: 'Dog' is not a word of 3 letters a-z"},
        {"words/raw3.txt", "abc\nabc\n", "raw3.txt:2: 'abc' is listed twice"},
        {"words/raw6.txt", "planet\t5\n", "raw6.txt:1: level '5' is not 1 to 4"},
        {"quotes.tsv", "Title\tSource\tQuote\nno tabs here\n", "quotes.tsv:2:"},
        {"quotes.tsv", "Title\tSource\tQuote\nPatience\t\tSlow and steady.\n", "quotes.tsv:2:"},
        {"quotes.tsv", nullptr, "quotes.tsv: cannot be read"},
        {"words/except.txt", "dog\ngarden\n",
         "raw6.txt: 'garden' has a level but is on the except list"},
        {"words/except.txt", "dog\nplaten\n", "accepted"}}; // platen has no level
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failure);
        WriteLists();
        c.text ? Write(c.name, c.text) : static_cast<void>(fs::remove(dir / c.name));
        EXPECT_NE(Failure().find(c.failure), std::string::npos) << Failure();
    }
}

// A file is made whole or not at all, and never over an existing one.
TEST_F(SourceListsTest, CreateFillsEveryTableOrMakesNoFile) {
    const auto counts = CreateDatabase(dir.path(), file);
    // w6: planet, platen; w6s: planet, garden.
    EXPECT_EQ((std::tuple{counts.w3, counts.w6, counts.w6s}), (std::tuple{2, 2, 2}));
    {
        auto db = OpenLexelFile(file);
        // The defaults (the zoom among them) and the lists' fingerprint.
        EXPECT_EQ(sql::QueryInt(db, "SELECT COUNT(*) FROM Options"), 22);
        EXPECT_EQ(sql::QueryInt(db, "SELECT COUNT(*) FROM \"Except\" WHERE Word = 'DOG'"), 1);
        EXPECT_EQ(sql::QueryInt(db, "SELECT CountOfAlpha FROM raw6 WHERE Word = 'planet'"), 2);
        EXPECT_EQ(sql::QueryInt(db, "SELECT COUNT(*) FROM raw6 WHERE Class IS NULL"), 1);
    }
    const auto before = test::FileBytes(file);
    EXPECT_THROW(CreateDatabase(dir.path(), file), std::runtime_error);
    EXPECT_EQ(test::FileBytes(file), before);

    auto lists = test::SampleLists();
    lists.guesses[0].push_back("abc"); // a duplicate stops the table build
    EXPECT_THROW(CreateDatabase(lists, dir / "other.lxl"), BuildError);
    EXPECT_FALSE(fs::exists(dir / "other.lxl"));
    EXPECT_FALSE(fs::exists(dir / "other.lxl.new"));
}

TEST_F(SourceListsTest, SyncRefreshesWordsAndKeepsThePlayersRows) {
    SyncDatabase(dir.path(), file); // creates
    OpenLexelFileForMaintenance(file).Execute(
        "UPDATE Options SET Value = '7' WHERE Name = 'GamesPlayed';"
        "DELETE FROM Options WHERE Name = 'HighScore10'");
    Write("words/raw3.txt", "abc\ndog\nten\n");
    EXPECT_EQ(SyncDatabase(dir.path(), file).w3, 3);
    auto db = OpenLexelFile(file);
    EXPECT_EQ(test::StoredOption(db, "GamesPlayed"), "7");
    EXPECT_EQ(test::StoredOption(db, "HighScore10"), "??????0");
}

} // namespace
} // namespace lexel
