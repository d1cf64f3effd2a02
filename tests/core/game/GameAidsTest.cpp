// The player's aids on the model: what a hint, a suggestion, the colour menus, Save Analysis and
// Reset To Gray leave on the board and in the marking, what the player may do next, and writes
// that fail.

#include "PlayedGame.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

using test::PlayedGame;

int Index(char letter) {
    return LetterMarking::LetterIndex(letter);
}

// The colours of the letters of the evaluated lines and of line 9, line by line, then of the
// visible buttons of `letters`, by initial: r, b, y, g, or "." for gray.
std::string Colours(const GameModel& model, std::string_view letters) {
    const auto& marking = model.Marking();
    std::string text;
    const auto add = [&](LetterColor color) { text += "rbyg."[static_cast<int>(color)]; };
    for (int line = 0; line < LineCount; ++line) {
        if (line >= model.State().currentLine && line != LastLine) {
            continue;
        }
        for (int cell = FirstField(line); cell <= LastField(line); ++cell) {
            add(marking.Cell(cell).color);
        }
        text += ' ';
    }
    for (const char letter : letters) {
        add(marking.Button(marking.VisiblePanel(Index(letter)), Index(letter)).color);
    }
    return text;
}

TEST(GameAids, HintsRevealUpToThreeLettersInTheSolutionLineAndLineNine) {
    PlayedGame game;
    const auto& model = game.model;
    game.Play("h2");
    EXPECT_EQ(model.Cells().SolutionText(), "??R???");
    EXPECT_TRUE(model.Cells().Solution(2).fixed);
    EXPECT_EQ(model.Cells().LineText(LastLine), "..R...");
    EXPECT_EQ(model.Cells().Guess(FirstField(LastLine) + 2).state, CellState::Hinted);
    EXPECT_EQ(Colours(model, "R"), "..g... g");
    EXPECT_EQ(model.Marking().Button(Panel::Used, Index('R')).color, LetterColor::Green);
    EXPECT_TRUE(model.IsLetterLocked('R'));
    EXPECT_FALSE(model.State().aids.firstLetterHinted);

    EXPECT_EQ(game.model.TakeHint(2), std::nullopt); // a fixed place takes no second hint
    EXPECT_EQ(game.model.TakeHint(0), 0);
    EXPECT_EQ(model.State().aids.hints, 2);
    EXPECT_TRUE(model.State().aids.firstLetterHinted);
    game.Play("h1");
    EXPECT_FALSE(model.CanHint());
    game.Play("h3");
    EXPECT_EQ(model.State().aids.hints, 3);
    EXPECT_EQ(model.Cells().SolutionText(), "GAR???");
}

TEST(GameAids, SuggestionsFillTheLineWithWordsThatKeepItsLetters) {
    PlayedGame game;
    game.Play("_a_");
    EXPECT_EQ(game.model.SuggestWord(), (std::vector<int>{0, 2})); // the cells that changed
    EXPECT_EQ(game.model.Cells().LineText(0), "PAN");
    game.Play("___ s");
    EXPECT_EQ(game.model.Cells().LineText(0), "TEN"); // DOG is never suggested
    game.Play("! dog! abc! pan! plan! tale! plane! petal!");
    EXPECT_FALSE(game.model.CanSuggest()); // not on line 9
    EXPECT_TRUE(game.model.SuggestWord().empty());
}

// What an aid would cost now, and that a suggestion then charges just that. The charges for
// every count of aids taken are AidCharges' cases; these are the model's counts reaching them.
TEST(GameAids, TheCostOfAnAidIsKnownBeforeItIsTaken) {
    const struct {
        const char* moves;
        Score hint, firstLetterHint;
        bool firstLetterOpen;
        Score suggestion;
    } cases[] = {
        {"", 20000, 40000, true, 3000},
        {"h2", 32500, 52500, true, 3000},
        {"h0", 32500, 32500, false, 3000},
        {"ten! dog!", 20000, 40000, true, 9000}, // the first suggestion on line 3
        {"ten! s", 20000, 40000, true, 3000},    // another on line 2
    };
    for (const auto& c : cases) {
        PlayedGame game;
        game.Play(c.moves);
        const auto& model = game.model;
        EXPECT_EQ(model.HintCost(false), c.hint) << c.moves;
        EXPECT_EQ(model.HintCost(true), c.firstLetterHint) << c.moves;
        EXPECT_EQ(model.FirstLetterOpen(), c.firstLetterOpen) << c.moves;
        EXPECT_EQ(model.SuggestionCost(), c.suggestion) << c.moves;
        const auto units = model.State().aids.suggestionUnits;
        game.Play("___ s");
        EXPECT_EQ((model.State().aids.suggestionUnits - units) * SuggestionUnitCharge, c.suggestion)
            << c.moves;
    }
}

// A line colours its letters, and locks them, only when all or none of them are in the hidden
// word, and only while automatic colouring is on.
TEST(GameAids, EvaluatedLinesColourThemselvesOnlyWhenAllOrNoneOfTheirLettersAreGood) {
    PlayedGame game;
    game.Play("C y xyz! ten! y ran!");
    EXPECT_EQ(Colours(game.model, "XTENRB"), "rrr ..g ggg ...... r..gg.");
    EXPECT_TRUE(game.model.IsLetterLocked('X'));
    EXPECT_TRUE(game.model.IsLetterLocked('N'));
    EXPECT_FALSE(game.model.IsLetterLocked('T'));
    game.settings.autoColor = false;
    EXPECT_FALSE(game.model.IsLetterLocked('X'));
    game.Play("y qqq!");
    EXPECT_EQ(Colours(game.model, "Q"), "rrr ..g ggg ... ...... .");
    game.Play("y N"); // a new game: every letter unused again
    EXPECT_FALSE(game.model.Marking().IsUsed(Index('X')));
}

// A colour given through the grid or a button reaches every evaluated occurrence of the letter,
// its button and its later occurrences; never a hinted letter of line 9 before line 9 is
// reached.
TEST(GameAids, AColourGivenToALetterReachesAllItsEvaluatedOccurrences) {
    PlayedGame game;
    game.Play("ten!");
    game.model.PaintCell(1, LetterColor::Yellow);
    game.Play("ten!");
    EXPECT_EQ(Colours(game.model, "TEN"), ".y. .y. ...... .y.");
    game.model.PaintCell(4, LetterColor::Blue);
    game.Play("ten!");
    EXPECT_EQ(Colours(game.model, "TEN"), ".b. .b. .b. ...... .b.");
    game.model.PaintButton(Panel::Used, Index('T'), LetterColor::Red);
    EXPECT_EQ(Colours(game.model, "TEN"), "rb. rb. rb. ...... rb.");
    game.model.PaintButton(Panel::Used, Index('T'), LetterColor::Gray);
    game.Play("ten! h4");
    EXPECT_EQ(Colours(game.model, "TEN"), ".g. .g. .g. .g. ....g. .g.");
    game.model.PaintCell(1, LetterColor::Yellow);
    // A colour menu item reached before any grid letter's menu was opened changes nothing.
    for (const int outside : {-1, 36}) {
        game.model.PaintCell(outside, LetterColor::Red);
        EXPECT_EQ(game.model.Marking().Cell(outside).caption, ' ');
    }
    EXPECT_EQ(Colours(game.model, "TEN"), ".y. .y. .y. .y. ....g. .y.");
    EXPECT_EQ(game.model.Marking().Marks().RedLetters, "");
}

TEST(GameAids, ResetToGrayKeepsWhatSaveAnalysisMadeBinding) {
    PlayedGame game;
    game.Play("C y xyz! ten!");
    game.model.PaintCell(4, LetterColor::Yellow); // the E of line 2
    game.model.PaintButton(Panel::Used, Index('T'), LetterColor::Green);
    game.model.SetSolutionCell(0, Letter('G'));
    game.Play("a");
    EXPECT_EQ(Colours(game.model, "XETG"), "rrr gy. ...... rygg");
    game.model.SetSolutionCell(0, Letter('Q')); // fixed: no more typing there
    game.model.SetSolutionCell(1, Letter('A')); // an unknown place is no conclusion
    EXPECT_EQ(game.model.Cells().SolutionText(), "GA????");
    EXPECT_TRUE(game.model.Cells().Solution(0).fixed);
    game.model.ResetMarks(); // later letters show the marks that are left
    game.Play("y gex!");
    EXPECT_EQ(Colours(game.model, "XETG"), "rrr g.. g.r ...... r.gg");
    game.model.PaintButton(Panel::Used, Index('E'), LetterColor::Yellow);
    game.Play("=garden"); // an ended game keeps its last marks
    const auto ended = Colours(game.model, "XETG");
    game.model.ResetMarks();
    EXPECT_EQ(Colours(game.model, "XETG"), ended);
}

TEST(GameAids, OnlyTheLineBeingEditedTakesLettersAndOnlyWhenCompleteIsEvaluated) {
    PlayedGame game;
    game.model.SetGuessCell(3, Letter('A')); // line 2 waits
    EXPECT_EQ(game.model.Cells().Guess(3).content, Mark::NotReached);
    game.Play("te");
    EXPECT_FALSE(game.model.CanEvaluate());
    EXPECT_EQ(game.model.TryGuess(), GuessOutcome::Refused);
    EXPECT_EQ(game.model.State().currentLine, 0);
    game.Play("ten");
    EXPECT_TRUE(game.model.CanEvaluate());
    EXPECT_EQ(game.model.TryGuess(), GuessOutcome::Evaluated);
    EXPECT_EQ(game.model.Cells().Guess(0).state, CellState::Evaluated);
    EXPECT_EQ(game.model.Cells().Guess(3).content, Mark::Open);
    game.model.SetGuessCell(0, Letter('X')); // an evaluated line keeps its letters
    EXPECT_EQ(game.model.Cells().LineText(0), "TEN");
}

// A full disk refuses every write: a line is not taken until its game can be counted, and a win
// whose end cannot be written (its messages are with the whole games) ends unrecorded.
TEST(GameAids, AFullDiskLosesNothingAndTheGameGoesOn) {
    PlayedGame game;
    game.Play("F ten!");
    EXPECT_EQ(game.Messages(), "|Lexel could not write to its database:\ndatabase or disk is "
                               "full\nNothing was changed; you can try again.");
    EXPECT_EQ(game.model.State().currentLine, 0);
    EXPECT_FALSE(game.model.ClockRunning());
    game.records.full = false;
    game.Play("!");
    EXPECT_EQ(game.model.State().currentLine, 1);
    EXPECT_EQ(game.Counters(), "1 0 ??????0");

    game.Play("F =garden");
    ASSERT_TRUE(game.ended);
    EXPECT_EQ(game.ended->outcome, Outcome::Won);
    EXPECT_FALSE(game.ended->rank);
    EXPECT_FALSE(game.model.State().GameRunning);
}

} // namespace
} // namespace lexel
