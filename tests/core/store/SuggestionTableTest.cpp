#include "core/store/SuggestionTable.h"

#include "core/rules/SuggestWord.h"
#include "support/SampleFileTest.h"
#include "support/ScriptedRandom.h"
#include "support/TemporaryLocale.h"

#include <cstring>

namespace lexel {
namespace {

using test::ScriptedRandom;

// w3 of the sample file in stored (code) order: 1 ABC, 2 DOG, 3 PAN, 4 TEN; DOG is excepted.
// The draw r picks record floor(4r) + 1.
float Record(int record) {
    return test::DrawOf(record, 4);
}

using SuggestionTableTest = test::SampleFileTest;

TEST_F(SuggestionTableTest, ExceptKeysCountWhateverTheirCase) {
    db.Execute("INSERT INTO \"Except\" (Word) VALUES ('pan'), ('Ten'), ('bit')");
    EXPECT_EQ(ReadSuggestionTable(db, 3).except, (ExceptKeys{"BIT", "DOG", "PAN", "TEN"}));
    // A Turkish locale's capital of "i" is no I: an excepted word would slip through.
    for (const char* locale : {"tr_TR.UTF-8", "tr_TR.ISO-8859-9"}) {
        const test::TemporaryLocale turkish(locale);
        EXPECT_TRUE(ReadSuggestionTable(db, 3).IsExcepted("BIT")) << locale;
    }
}

// With no untried letters, words without red ones tie: the first met from the draw on wins.
TEST_F(SuggestionTableTest, TheDrawPicksTheStartAndDogIsNeverSuggested) {
    ScriptedRandom random({Record(1), Record(2), Record(3), Record(4), Record(2)});
    SuggestionTables tables(db);
    const struct {
        const char *pattern, *red, *expected;
    } cases[] = {{"???", "", "ABC"},      {"???", "", "PAN"}, {"???", "", "PAN"},
                 {"???", "", "TEN"},      {"D??", "", ""},    {"?O?", "", ""},
                 {"???", "ACENPT", "ABC"}}; // DOG would score best
    for (const auto& c : cases) {
        EXPECT_EQ(SuggestWord(tables.Table(static_cast<int>(std::strlen(c.pattern))), random,
                              c.pattern, c.red, ""),
                  c.expected)
            << "draw " << random.draws;
    }
    EXPECT_EQ(random.draws, 7);
}

} // namespace
} // namespace lexel
