#include "core/settings/Quotes.h"

#include "support/SampleLexelFile.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

// The quotation the draw `r` picks: its title, text and source, each after a "|"; "none".
std::string Drawn(sql::Database& db, float r) {
    test::ScriptedRandom random({r});
    const auto quote = PickQuote(db, random);
    EXPECT_EQ(random.draws, quote ? 1 : 0) << r;
    return quote ? "|" + quote->Title + "|" + quote->Text + "|" + quote->Source : "none";
}

TEST(QuotesTest, TheDrawPicksRowFloorOfCountTimesRPlusOneInStoredOrder) {
    test::TempDir dir;
    auto lists = test::SampleLists();
    // Titles sort against the stored order, so a query that sorts by content fails.
    lists.quotes = {{"d", "s1", "q1"}, {"c", "s2", "q2"}, {"b", "s3", "q3"}, {"a", "s4", "q4"}};
    auto db = test::OpenSampleFile(dir / "Lexel.lxl", lists);
    const std::pair<float, const char*> cases[] = {
        {0.0f, "|d|q1|s1"},  {0.2499f, "|d|q1|s1"}, {0.25f, "|c|q2|s2"},  {0.5f, "|b|q3|s3"},
        {0.74f, "|b|q3|s3"}, {0.75f, "|a|q4|s4"},   {0.9999f, "|a|q4|s4"}};
    for (const auto& [r, quote] : cases) {
        EXPECT_EQ(Drawn(db, r), quote) << r;
    }
}

// A single row is drawn whatever the number; without a row there is no quotation.
TEST(QuotesTest, TextsComeBackExactlyAsStored) {
    test::TempDir dir;
    auto lists = test::SampleLists();
    const std::string title = "<i>Über</i> 'it'", source = "O'Brien, \"ed.\"";
    const std::string text = "She said \"don't\" & left; <b>markup</b>\nsecond line  ";
    lists.quotes = {{title, source, text}};
    auto db = test::OpenSampleFile(dir / "Lexel.lxl", lists);
    for (const float r : {0.0f, 0.5f, 0.99999994f}) {
        EXPECT_EQ(Drawn(db, r), "|" + title + "|" + text + "|" + source);
    }
    db.Execute("UPDATE Quotes SET Source = NULL");
    EXPECT_EQ(Drawn(db, 0.3f), "|" + title + "|" + text + "|");
    db.Execute("DELETE FROM Quotes");
    EXPECT_EQ(Drawn(db, 0.3f), "none");
}

} // namespace
} // namespace lexel
