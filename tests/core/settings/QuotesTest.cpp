#include "core/settings/Quotes.h"

#include "support/SampleLexelFile.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <vector>

namespace lexel {
namespace {

using test::ScriptedRandom;

SourceLists WithQuotes(std::vector<QuoteSource> quotes) {
    auto lists = test::SampleLists();
    lists.quotes = std::move(quotes);
    return lists;
}

void ExpectQuote(const std::optional<Quote>& quote, const std::string& title,
                 const std::string& text, const std::string& source) {
    ASSERT_TRUE(quote.has_value());
    EXPECT_EQ(quote->Title, title);
    EXPECT_EQ(quote->Text, text);
    EXPECT_EQ(quote->Source, source);
}

TEST(QuotesTest, TheDrawPicksRowFloorOfCountTimesRPlusOneInStoredOrder) {
    test::TempDir dir;
    // Titles sort against the stored order, so a query that sorts by content fails.
    auto db = test::OpenSampleFile(
        dir / "Lexel.lxl",
        WithQuotes({{"d", "s1", "q1"}, {"c", "s2", "q2"}, {"b", "s3", "q3"}, {"a", "s4", "q4"}}));
    const struct {
        float r;
        const char* title;
    } cases[] = {{0.0f, "d"},  {0.2499f, "d"}, {0.25f, "c"},  {0.5f, "b"},
                 {0.74f, "b"}, {0.75f, "a"},   {0.9999f, "a"}};
    for (const auto& c : cases) {
        ScriptedRandom random({c.r});
        const auto quote = PickQuote(db, random);
        ASSERT_TRUE(quote.has_value()) << c.r;
        EXPECT_EQ(quote->Title, c.title) << c.r;
        EXPECT_EQ(random.draws, 1);
    }
}

// A single row is drawn whatever the number; without a row there is no quotation.
TEST(QuotesTest, TextsComeBackExactlyAsStored) {
    test::TempDir dir;
    const std::string text = "She said \"don't\" & left; <b>markup</b>\nsecond line  ";
    auto db = test::OpenSampleFile(dir / "Lexel.lxl",
                                   WithQuotes({{"<i>Über</i> 'it'", "O'Brien, \"ed.\"", text}}));
    for (const float r : {0.0f, 0.5f, 0.99999994f}) {
        ScriptedRandom random({r});
        ExpectQuote(PickQuote(db, random), "<i>Über</i> 'it'", text, "O'Brien, \"ed.\"");
    }
    ScriptedRandom random({0.3f});
    db.Execute("UPDATE Quotes SET Source = NULL");
    ExpectQuote(PickQuote(db, random), "<i>Über</i> 'it'", text, "");
    db.Execute("DELETE FROM Quotes");
    EXPECT_EQ(PickQuote(db, random), std::nullopt);
}

} // namespace
} // namespace lexel
