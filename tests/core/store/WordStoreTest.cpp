#include "core/store/WordStore.h"

#include "support/SampleFileTest.h"
#include "support/ScriptedRandom.h"

namespace lexel {
namespace {

using test::ScriptedRandom;

// w6s of the sample file by key: 1 planet (1), 2 garden (2), 3 danger (3), 4 silver (4),
// 5 bobbin (2). The draw r picks key floor(5r) + 1.
float Key(int key) {
    return test::DrawOf(key, 5);
}

class WordStoreTest : public test::SampleFileTest {
protected:
    ScriptedRandom random{{Key(4)}};
    WordStore store{db, random};

    // The hidden word a fresh store of `file` picks from the draws `keys`, and the draws taken.
    static std::string Pick(sql::Database& file, std::deque<float> keys, Level level, bool only) {
        ScriptedRandom draws(std::move(keys));
        const auto word = WordStore(file, draws).PickHiddenWord(level, only);
        return word + " at draw " + std::to_string(draws.draws);
    }
};

TEST_F(WordStoreTest, KnownWordsByLength) {
    // w6 holds only words with anagrams: not jumped. A "." is no letter, not "a".
    for (const char* word : {"abc", "plan", "petal", "planet"}) {
        EXPECT_TRUE(store.IsKnownWord(word)) << word;
    }
    for (const char* word : {"jumped", "xyz", "tale.", "ab", "planets", "ABC"}) {
        EXPECT_FALSE(store.IsKnownWord(word)) << word;
    }
}

// The first five draws take the chosen level only, later ones an easier level too, unless
// only this level is wanted.
TEST_F(WordStoreTest, TheChosenLevelFirstThenEasierOnesUnlessOnly) {
    EXPECT_EQ(Pick(db, {Key(1), Key(5), Key(3), Key(2)}, Level::Expert, false), "danger at draw 3");
    EXPECT_EQ(Pick(db, {Key(1), Key(3), Key(5)}, Level::Advanced, true), "bobbin at draw 3");
    EXPECT_EQ(Pick(db, {Key(1)}, Level::Guru, false), "planet at draw 6");
    const auto planetSevenTimesThenSilver = {Key(1), Key(1), Key(1), Key(1),
                                             Key(1), Key(1), Key(1), Key(4)};
    EXPECT_EQ(Pick(db, planetSevenTimesThenSilver, Level::Guru, true), "silver at draw 8");
}

TEST_F(WordStoreTest, NoWordIsHiddenTwiceUntilDrawTenThousand) {
    EXPECT_EQ(store.PickHiddenWord(Level::Guru, true), "silver");
    EXPECT_TRUE(store.IsFreshWord(WordCode("danger")));
    EXPECT_FALSE(store.IsFreshWord(WordCode("silver")));
    // silver is the only level-4 word: the second game gets it again at draw 10000.
    random.draws = 0;
    EXPECT_EQ(store.PickHiddenWord(Level::Guru, true), "silver");
    EXPECT_EQ(random.draws, 10000);
    EXPECT_EQ(store.UsedWords(), (std::vector<std::string>{"silver", "silver"}));

    ScriptedRandom two({Key(2), Key(2), Key(5)});
    WordStore second(db, two);
    EXPECT_EQ(second.PickHiddenWord(Level::Advanced, true), "garden");
    EXPECT_EQ(second.PickHiddenWord(Level::Advanced, true), "bobbin");
}

TEST_F(WordStoreTest, ALevelThatCannotBeDrawnFallsBackToTheNearest) {
    auto lists = test::SampleLists();
    lists.sixLetters = {{"planet", "1"}, {"garden", "2"}, {"silver", "4"}};
    auto other = test::OpenSampleFile(dir / "Other.lxl", lists);
    // Keys: 1 planet (1), 2 garden (2), 3 silver (4). Level 3 has no words: 2 and 4 tie, and the
    // easier one is taken.
    const auto key = [](int k) { return test::DrawOf(k, 3); };
    EXPECT_EQ(Pick(other, {key(3), key(1), key(2)}, Level::Expert, true), "garden at draw 3");
    // Without Only easier words can be drawn, so level 3 stays: garden waits for draw 6.
    EXPECT_EQ(Pick(other, {key(2)}, Level::Expert, false), "garden at draw 6");
    // A source that never hits an acceptable word still ends with one.
    EXPECT_TRUE(Pick(other, {key(1)}, Level::Guru, true).starts_with("silver "));
}

// The anagrams leave the won word out; a word without any has none to show.
TEST_F(WordStoreTest, AnagramsOfAWonWord) {
    ASSERT_TRUE(store.FindAnagrams("planet"));
    EXPECT_EQ(store.Anagrams()->RecordCount(), 1);
    EXPECT_EQ(store.Anagrams()->Word(), "platen");
    EXPECT_FALSE(store.FindAnagrams("silver"));
    EXPECT_EQ(store.Anagrams(), nullptr);
}

} // namespace
} // namespace lexel
