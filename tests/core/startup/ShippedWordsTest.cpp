// A player's file against the word lists the game ships: refreshed when they differ, in one
// go, keeping everything of the player's; left byte for byte alone when they are the same or
// the refresh cannot be done.

#include "core/startup/ShippedWords.h"

#include "core/startup/WordDataVersion.h"
#include "support/SampleLexelFile.h"
#include "support/SampleWordLists.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

// What an upgrade brings: a new guess, a word with another level, a new exception, a quotation.
SourceLists UpgradedLists() {
    auto lists = test::SampleLists();
    lists.guesses[2].push_back("sheep");
    lists.sixLetters[1].wordClass = "2";
    lists.except.push_back("PAN");
    lists.quotes.push_back({"Haste", "A Proverb", "More haste, less speed."});
    return lists;
}

// Lists the refresh must refuse: no three-letter guess is left to check a line with.
SourceLists ListsWithoutGuesses() {
    auto lists = UpgradedLists();
    lists.guesses[0].clear();
    return lists;
}

std::string Rows(sql::Database& db, std::string_view query) {
    std::string rows;
    for (auto select = db.Prepare(query); select.Step();) {
        rows += select.Text(0) + '\n';
    }
    return rows;
}

// The shipped word data of a file, the games of the day (w6s) among it.
std::string Words(sql::Database& db) {
    std::string words;
    for (const auto* query :
         {"SELECT Word FROM w3", "SELECT Word FROM w4", "SELECT Word FROM w5",
          "SELECT Word || ' ' || Alpha FROM w6",
          "SELECT Key || ' ' || Word || ' ' || Class FROM w6s", "SELECT Word FROM \"Except\"",
          "SELECT Title || '|' || Source || '|' || Quote FROM Quotes",
          "SELECT Word || ' ' || COALESCE(Class, '-') FROM raw6"}) {
        words += Rows(db, query) + "--\n";
    }
    return words;
}

// The player's own: options, counters and high scores (Options rows), history, daily results.
std::string Kept(sql::Database& db) {
    return Rows(db, "SELECT Name || '=' || COALESCE(Value, '') FROM Options "
                    "WHERE Name <> 'WordData' ORDER BY Name") +
           Rows(db, "SELECT Id || ' ' || Word || ' ' || Outcome || ' ' || Score FROM GameHistory") +
           Rows(db, "SELECT DailyDate || ' ' || Level || ' ' || Dots FROM DailyResults");
}

void Play(sql::Database& db) {
    db.Execute(R"sql(
        UPDATE Options SET Value = 'D' WHERE Name = 'Language';
        UPDATE Options SET Value = '7' WHERE Name = 'GamesPlayed';
        INSERT OR REPLACE INTO Options (Name, Value) VALUES ('HighScore1', 'GARDEN 340');
        INSERT INTO GameHistory (FinishedAt, Level, Word, Line, Outcome, Seconds, Score, Hints,
                                 SuggestionUnits, Daily, DailyDate)
            VALUES ('2026-12-01T10:00:00', 2, 'GARDEN', 4, 'won', 61, 340, 0, 0, 1, '2026-12-01');
        INSERT INTO DailyResults VALUES ('2026-12-01', 2, 'won', 4, 340, 'xx');
    )sql");
}

enum class Stored { None, Older, Current }; // the fingerprint a file holds

struct RefreshCase {
    const char* name;
    SourceLists madeFrom;
    Stored stored;
    SourceLists shipped; // written as an installation ships them
    WordRefresh expected;
};

TEST(ShippedWords, AFileIsRefreshedOnlyWhenItsWordsDifferAndKeepsThePlayersOwn) {
    const RefreshCase cases[] = {
        {"file from before the fingerprint", UpgradedLists(), Stored::None, UpgradedLists(),
         WordRefresh::Refreshed},
        {"file with the fingerprint of parsed lists", UpgradedLists(), Stored::Older,
         UpgradedLists(), WordRefresh::Refreshed},
        {"file of older lists", test::SampleLists(), Stored::Current, UpgradedLists(),
         WordRefresh::Refreshed},
        {"file of the same lists", UpgradedLists(), Stored::Current, UpgradedLists(),
         WordRefresh::Current},
        {"lists the refresh refuses", test::SampleLists(), Stored::Current, ListsWithoutGuesses(),
         WordRefresh::Refused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const auto file = dir / "Lexel.lxl", fresh = dir / "fresh.lxl", share = dir / "share";
        test::CreateSampleFile(fresh, c.shipped);
        test::WriteWordLists(share, c.shipped);
        std::string keptBefore;
        {
            auto db = test::OpenSampleFile(file, c.madeFrom);
            Play(db);
            if (c.stored == Stored::None) {
                db.Execute("DELETE FROM Options WHERE Name = 'WordData'");
            } else if (c.stored == Stored::Older) {
                db.Execute("UPDATE Options SET Value = '3f0c5e1a9b27d864' WHERE Name = 'WordData'");
            }
            keptBefore = Kept(db);
        }
        const auto bytesBefore = test::FileBytes(file);
        {
            auto db = OpenLexelFile(file);
            EXPECT_EQ(RefreshShippedWords(db, share), c.expected);
            if (c.expected == WordRefresh::Refreshed) {
                EXPECT_EQ(Kept(db), keptBefore);
                auto freshDb = OpenLexelFile(fresh);
                EXPECT_EQ(Words(db), Words(freshDb)); // the same games of the day as a new player
                EXPECT_EQ(StoredWordDataVersion(db), ShippedWordsVersion(share));
            }
        }
        if (c.expected != WordRefresh::Refreshed) { // and so its words and the player's own
            EXPECT_TRUE(test::FileBytes(file) == bytesBefore) << "the file was written";
        }
    }
}

// The committed lists, comments and all, as an installation ships them: the file a first start
// makes from them holds their fingerprint, so the next start writes nothing.
TEST(ShippedWords, AFileMadeFromTheShippedListsIsCurrentWithThem) {
    test::TempDir dir;
    const auto file = dir / "Lexel.lxl";
    CreateFileFromShippedWords(LEXEL_DATA_DIR, file);
    const auto bytesBefore = test::FileBytes(file);
    {
        auto db = OpenLexelFile(file);
        EXPECT_EQ(StoredWordDataVersion(db), ShippedWordsVersion(LEXEL_DATA_DIR));
        EXPECT_EQ(RefreshShippedWords(db, LEXEL_DATA_DIR), WordRefresh::Current);
    }
    EXPECT_TRUE(test::FileBytes(file) == bytesBefore) << "the file was written";
}

} // namespace
} // namespace lexel
