#include "core/store/WordStore.h"

#include "core/store/LexelFile.h"
#include "support/SampleLexelFile.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

using test::ScriptedRandom;

// w6s of the sample file by key: 1 planet (1), 2 garden (2), 3 danger (3), 4 silver (4),
// 5 bobbin (2). The draw r picks key floor(5r) + 1.
float Key(int key) {
    return test::DrawOf(key, 5);
}

class WordStoreTest : public ::testing::Test {
protected:
    test::TempDir dir;
    sql::Database db = test::OpenSampleFile(dir / "Lexel.lxl");
};

TEST_F(WordStoreTest, KnownWordsByLength) {
    ScriptedRandom random({0.0f});
    WordStore store(db, random);
    // w6 holds only words with anagrams: not jumped. A "." is no letter, not "a".
    for (const char* word : {"abc", "plan", "petal", "planet"}) {
        EXPECT_TRUE(store.IsKnownWord(word)) << word;
    }
    for (const char* word : {"jumped", "xyz", "tale.", "ab", "planets", "ABC"}) {
        EXPECT_FALSE(store.IsKnownWord(word)) << word;
    }
}

TEST_F(WordStoreTest, OnlyTheChosenLevelInTheFirstFiveDraws) {
    // Draws hit planet (1), bobbin (2) and danger (3) before garden (2).
    ScriptedRandom random({Key(1), Key(5), Key(3), Key(2)});
    WordStore store(db, random);
    EXPECT_EQ(store.PickHiddenWord(Level::Expert, false), "danger");
    EXPECT_EQ(random.draws, 3);
    ScriptedRandom levelTwo({Key(1), Key(3), Key(5)});
    WordStore again(db, levelTwo);
    EXPECT_EQ(again.PickHiddenWord(Level::Advanced, true), "bobbin");
}

TEST_F(WordStoreTest, EasierLevelsFromTheSixthDrawUnlessOnly) {
    // Five draws of planet (level 1) are refused for level 4, the sixth is taken.
    ScriptedRandom random({Key(1)});
    WordStore store(db, random);
    EXPECT_EQ(store.PickHiddenWord(Level::Guru, false), "planet");
    EXPECT_EQ(random.draws, 6);

    ScriptedRandom onlyRandom({Key(1), Key(1), Key(1), Key(1), Key(1), Key(1), Key(1), Key(4)});
    WordStore only(db, onlyRandom);
    EXPECT_EQ(only.PickHiddenWord(Level::Guru, true), "silver");
    EXPECT_EQ(onlyRandom.draws, 8);
}

TEST_F(WordStoreTest, NoWordIsHiddenTwiceUntilDrawTenThousand) {
    ScriptedRandom random({Key(4)});
    WordStore store(db, random);
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
    db.Close();
    std::filesystem::remove(dir / "Lexel.lxl");
    db = test::OpenSampleFile(dir / "Lexel.lxl", lists);
    // Keys: 1 planet (1), 2 garden (2), 3 silver (4). Level 3 has no words.
    const auto key = [](int k) { return test::DrawOf(k, 3); };
    ScriptedRandom random({key(3), key(1), key(2)});
    WordStore store(db, random);
    EXPECT_EQ(store.PickHiddenWord(Level::Expert, true), "garden"); // 2 and 4 tie: the easier one
    // Without Only easier words can be drawn, so level 3 stays: garden waits for draw 6.
    ScriptedRandom easier({key(2)});
    WordStore keepsLevel(db, easier);
    EXPECT_EQ(keepsLevel.PickHiddenWord(Level::Expert, false), "garden");
    EXPECT_EQ(easier.draws, 6);
    // A source that never hits an acceptable word still ends with one.
    ScriptedRandom stuck({key(1)});
    WordStore neverHits(db, stuck);
    EXPECT_EQ(neverHits.PickHiddenWord(Level::Guru, true), "silver");
}

TEST_F(WordStoreTest, AnagramsOfAWonWord) {
    ScriptedRandom random({0.0f});
    WordStore store(db, random);
    ASSERT_TRUE(store.FindAnagrams("planet"));
    auto* set = store.Anagrams();
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->RecordCount(), 1);
    EXPECT_EQ(set->Word(), "platen");
    set->MoveNext();
    EXPECT_TRUE(set->AtEnd());
    EXPECT_EQ(set->Word(), "");

    EXPECT_FALSE(store.FindAnagrams("silver"));
    EXPECT_EQ(store.Anagrams(), nullptr);
    ASSERT_TRUE(store.FindAnagrams("danger"));
    EXPECT_EQ(store.Anagrams()->Word(), "garden");
}

} // namespace
} // namespace lexel
