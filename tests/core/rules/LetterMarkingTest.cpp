#include "core/rules/LetterMarking.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

constexpr int Line2 = 6; // cells 0..5: lines 1 and 2

int Index(char c) {
    return LetterMarking::LetterIndex(c);
}

// Lines 1 and 2 evaluated as "TEN" and "NET", all letters moved to the Used panel.
LetterMarking TwoLines() {
    LetterMarking m;
    m.Reset();
    const char* letters = "TENNET";
    for (int cell = 0; cell < 6; ++cell) {
        m.ShowCellLetter(cell, letters[cell]);
    }
    m.Used("ten", 2, true);
    return m;
}

TEST(LetterMarking, ALetterIsPaintedEverywhereAtOnce) {
    auto m = TwoLines();
    m.GuessColor(1, LetterColor::Yellow, Line2); // the E of line 1
    EXPECT_EQ(m.Cell(1).color, LetterColor::Yellow);
    EXPECT_EQ(m.Cell(4).color, LetterColor::Yellow); // the E of line 2
    EXPECT_EQ(m.Cell(0).color, LetterColor::Gray);
    EXPECT_EQ(m.Button(Panel::Used, Index('E')).color, LetterColor::Yellow);
    EXPECT_EQ(m.Marks().YellowLetters, "E");

    m.GuessColor(4, LetterColor::Yellow, Line2); // the same colour again: no change
    EXPECT_EQ(m.Marks().YellowLetters, "E");
    m.GuessColor(4, LetterColor::Blue, Line2);
    EXPECT_EQ(m.Marks().YellowLetters, "");
    EXPECT_EQ(m.Marks().BlueLetters, "E");
    m.GuessColor(1, LetterColor::Gray, Line2);
    EXPECT_EQ(m.Marks().BlueLetters, "");
    EXPECT_EQ(m.Cell(4).color, LetterColor::Gray);

    // A colour menu item reached before any grid letter's menu was opened changes nothing.
    const auto marks = m.Marks().YellowLetters + m.Marks().RedLetters;
    m.GuessColor(-1, LetterColor::Red, Line2);
    m.GuessColor(36, LetterColor::Red, Line2);
    EXPECT_EQ(m.Marks().YellowLetters + m.Marks().RedLetters, marks);
    EXPECT_EQ(m.Cell(-1).caption, ' ');
}

TEST(LetterMarking, AutomaticColouringOnlyForAllOrNothing) {
    LetterMarking m;
    m.Reset();
    for (int cell = 0; cell < 3; ++cell) {
        m.ShowCellLetter(cell, "XYZ"[cell]);
    }
    m.AutoColor("XYZ", 0, 3);
    m.Used("xyz", 0, true);
    EXPECT_EQ(m.Marks().SavedRed, "XYZ");
    EXPECT_EQ(m.Marks().RedLetters, "XYZ");
    EXPECT_EQ(m.Cell(2).color, LetterColor::Red);
    EXPECT_EQ(m.Button(Panel::Used, Index('Y')).color, LetterColor::Red);
    EXPECT_TRUE(m.IsLocked('X', true));
    EXPECT_FALSE(m.IsLocked('X', false));
    EXPECT_FALSE(m.IsLocked('A', true));

    auto some = TwoLines(); // "TEN" with 2 good letters: no colour anywhere
    some.AutoColor("TEN", 2, 3);
    EXPECT_EQ(some.Cell(0).color, LetterColor::Gray);
    EXPECT_EQ(some.Button(Panel::Used, Index('T')).color, LetterColor::Gray);
    some.AutoColor("TEN", 3, 3);
    EXPECT_EQ(some.Marks().SavedGreen, "TEN");
    EXPECT_EQ(some.Cell(3).color, LetterColor::Gray); // line 2 is past the evaluated line
    EXPECT_EQ(some.Button(Panel::Used, Index('N')).color, LetterColor::Green);
}

TEST(LetterMarking, WithoutAutomaticColouringLettersKeepTheirColourWhenUsed) {
    LetterMarking m;
    m.Reset();
    m.ButtonColor(Panel::Unused, Index('Q'), LetterColor::Blue);
    m.Used("qat", 0, false);
    EXPECT_EQ(m.VisiblePanel(Index('Q')), Panel::Used);
    EXPECT_EQ(m.Button(Panel::Used, Index('Q')).color, LetterColor::Blue);
    EXPECT_EQ(m.Button(Panel::Used, Index('A')).color, LetterColor::Gray);
    EXPECT_FALSE(m.IsUsed(Index('B')));
}

TEST(LetterMarking, ResetToGrayKeepsOnlyTheSavedLetters) {
    auto m = TwoLines();
    m.ButtonColor(Panel::Unused, Index('X'), LetterColor::Red);
    m.ButtonColor(Panel::Unused, Index('Z'), LetterColor::Red);
    m.ButtonColor(Panel::Used, Index('E'), LetterColor::Green);
    m.SaveButtonColors(); // X and Z red, E green: binding now
    m.GuessColor(0, LetterColor::Yellow, Line2);
    m.GuessColor(1, LetterColor::Green, Line2);
    m.ButtonColor(Panel::Unused, Index('B'), LetterColor::Blue);
    m.GrayAll(Line2);
    EXPECT_EQ(m.Marks().YellowLetters, "");
    EXPECT_EQ(m.Marks().GreenLetters, "E");
    EXPECT_EQ(m.Marks().RedLetters, "XZ");
    EXPECT_EQ(m.Cell(0).color, LetterColor::Gray);
    EXPECT_EQ(m.Cell(1).color, LetterColor::Green);
    EXPECT_EQ(m.Button(Panel::Unused, Index('X')).color, LetterColor::Red);
    EXPECT_EQ(m.Button(Panel::Unused, Index('B')).color, LetterColor::Gray);
    EXPECT_EQ(m.Button(Panel::Used, Index('T')).color, LetterColor::Gray);
}

TEST(LetterMarking, SyncRepaintsTheGridFromTheVisibleButtons) {
    auto m = TwoLines();
    m.GuessColor(0, LetterColor::Red, Line2);                    // T red everywhere
    m.ButtonColor(Panel::Used, Index('N'), LetterColor::Yellow); // the button menu
    m.ButtonColor(Panel::Used, Index('T'), LetterColor::Gray);
    m.SyncColors(Line2);
    EXPECT_EQ(m.Marks().RedLetters, "");
    EXPECT_EQ(m.Marks().YellowLetters, "N");
    EXPECT_EQ(m.Cell(0).color, LetterColor::Gray);
    EXPECT_EQ(m.Cell(2).color, LetterColor::Yellow);
    EXPECT_EQ(m.Cell(3).color, LetterColor::Yellow);
    m.UnusedAll();
    for (int i = 0; i < AlphabetSize; ++i) {
        ASSERT_FALSE(m.IsUsed(i));
        ASSERT_EQ(m.Button(Panel::Unused, i).color, LetterColor::Gray);
    }
}

} // namespace
} // namespace lexel
