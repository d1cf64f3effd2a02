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

// Titles sort against the stored order, so a query that sorts by content fails; the texts come
// back exactly as stored, quotes, markup, line breaks and trailing blanks too. Without a row
// there is no quotation.
TEST(QuotesTest, TheDrawPicksRowFloorOfCountTimesRPlusOneInStoredOrder) {
    test::TempDir dir;
    auto lists = test::SampleLists();
    lists.quotes = {{"d", "s1", "q1"},
                    {"c", "O'Brien, \"ed.\"", "She said \"don't\" & left; <b>b</b>\nline  "},
                    {"b", "s3", "q3"},
                    {"<i>Über</i> 'a'", "s4", "q4"}};
    auto db = test::OpenSampleFile(dir / "Lexel.lxl", lists);
    const std::pair<float, std::string> cases[] = {
        {0.0f, "|d|q1|s1"},
        {0.2499f, "|d|q1|s1"},
        {0.25f, "|c|She said \"don't\" & left; <b>b</b>\nline  |O'Brien, \"ed.\""},
        {0.74f, "|b|q3|s3"},
        {0.75f, "|<i>Über</i> 'a'|q4|s4"},
        {0.99999994f, "|<i>Über</i> 'a'|q4|s4"}};
    for (const auto& [r, quote] : cases) {
        EXPECT_EQ(Drawn(db, r), quote) << r;
    }
    db.Execute("UPDATE Quotes SET Source = NULL");
    EXPECT_EQ(Drawn(db, 0.0f), "|d|q1|");
    db.Execute("DELETE FROM Quotes");
    EXPECT_EQ(Drawn(db, 0.3f), "none");
}

} // namespace
} // namespace lexel
