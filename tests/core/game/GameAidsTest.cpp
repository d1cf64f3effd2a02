// The player's aids on the model: what a hint, a suggestion, Save Analysis and Reset To Gray
// leave on the board and in the marking, what the player may do next, and writes that fail.

#include "PlayedGame.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

using test::PlayedGame;

int Index(char letter) {
    return LetterMarking::LetterIndex(letter);
}

LetterColor Visible(const LetterMarking& marking, char letter) {
    return marking.Button(marking.VisiblePanel(Index(letter)), Index(letter)).color;
}

TEST(GameAids, HintsRevealUpToThreeLettersInTheSolutionLineAndLineNine) {
    PlayedGame game;
    const auto& model = game.model;
    game.Play("h2");
    EXPECT_EQ(model.Cells().Solution(2).content, 'R');
    EXPECT_TRUE(model.Cells().Solution(2).fixed);
    const int cell = FirstField(LastLine) + 2;
    EXPECT_EQ(model.Cells().Guess(cell).content, 'R');
    EXPECT_EQ(model.Cells().Guess(cell).state, CellState::Hinted);
    EXPECT_EQ(model.Marking().Cell(cell).color, LetterColor::Green);
    EXPECT_EQ(model.Marking().Button(Panel::Used, Index('R')).color, LetterColor::Green);
    EXPECT_EQ(model.Marking().Button(Panel::Unused, Index('R')).color, LetterColor::Green);
    EXPECT_FALSE(model.State().FirstLetterHinted);

    game.Play("h2 h0"); // a fixed place takes no second hint
    EXPECT_EQ(model.State().HintCount, 2);
    EXPECT_TRUE(model.State().FirstLetterHinted);
    game.Play("h1");
    EXPECT_FALSE(model.CanHint());
    game.Play("h3");
    EXPECT_EQ(model.State().HintCount, 3);
    EXPECT_FALSE(model.Cells().Solution(3).fixed);
}

TEST(GameAids, AHintOnTheLastOpenPlaceCompletesTheSolution) {
    PlayedGame game;
    for (int i = 0; i < 5; ++i) {
        game.model.SetSolutionCell(i, "GARDE"[i]);
    }
    EXPECT_FALSE(game.model.CanSolve());
    game.Play("h5");
    EXPECT_TRUE(game.model.CanSolve());
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

TEST(GameAids, AllAbsentAndAllPresentGuessesColourAndLockTheirLetters) {
    PlayedGame game;
    game.settings.cheating = true;
    game.Play("y xyz! y ran!"); // nothing of "garden", then all three letters of it
    const auto& marking = game.model.Marking();
    EXPECT_EQ(marking.Cell(0).color, LetterColor::Red);
    EXPECT_EQ(Visible(marking, 'Y'), LetterColor::Red);
    EXPECT_EQ(marking.Cell(3).color, LetterColor::Green);
    EXPECT_EQ(Visible(marking, 'N'), LetterColor::Green);
    EXPECT_TRUE(game.model.IsLetterLocked('X'));
    EXPECT_FALSE(game.model.IsLetterLocked('B'));
    game.settings.autoColor = false;
    EXPECT_FALSE(game.model.IsLetterLocked('X'));
}

TEST(GameAids, ResetToGrayKeepsWhatSaveAnalysisMadeBinding) {
    PlayedGame game;
    game.settings.cheating = true;
    game.Play("y xyz! ten!");
    game.model.PaintCell(4, LetterColor::Yellow); // the E of line 2
    game.model.SetSolutionCell(0, 'G');
    game.Play("a");
    const auto& marking = game.model.Marking();
    EXPECT_TRUE(game.model.Cells().Solution(0).fixed);
    EXPECT_EQ(Visible(marking, 'G'), LetterColor::Green);
    EXPECT_EQ(Visible(marking, 'E'), LetterColor::Yellow);
    game.model.SetSolutionCell(0, 'Q'); // fixed: no more typing there
    EXPECT_EQ(game.model.Cells().Solution(0).content, 'G');

    game.model.ResetMarks();
    EXPECT_EQ(Visible(marking, 'E'), LetterColor::Gray);
    EXPECT_EQ(marking.Cell(4).color, LetterColor::Gray);
    EXPECT_EQ(Visible(marking, 'X'), LetterColor::Red);
    EXPECT_EQ(marking.Cell(0).color, LetterColor::Red);
    EXPECT_EQ(Visible(marking, 'G'), LetterColor::Green);
}

TEST(GameAids, AColourChosenOnAButtonReachesEveryEvaluatedLetter) {
    PlayedGame game;
    game.Play("ten! ten!");
    game.model.PaintButton(Panel::Used, Index('E'), LetterColor::Yellow);
    EXPECT_EQ(game.model.Marking().Cell(1).color, LetterColor::Yellow);
    EXPECT_EQ(game.model.Marking().Cell(4).color, LetterColor::Yellow);
    game.model.PaintCell(4, LetterColor::Blue);
    EXPECT_EQ(Visible(game.model.Marking(), 'E'), LetterColor::Blue);
}

TEST(GameAids, OnlyTheLineBeingEditedTakesLettersAndOnlyWhenCompleteIsEvaluated) {
    PlayedGame game;
    game.model.SetGuessCell(3, 'A'); // line 2 waits
    EXPECT_EQ(game.model.Cells().Guess(3).content, '.');
    game.Play("te");
    EXPECT_FALSE(game.model.CanEvaluate());
    game.model.TryGuess();
    EXPECT_EQ(game.model.State().currentLine, 0);
    game.Play("ten");
    EXPECT_TRUE(game.model.CanEvaluate());
    game.Play("!");
    EXPECT_EQ(game.model.Cells().Guess(0).state, CellState::Evaluated);
    EXPECT_EQ(game.model.Cells().Guess(3).content, '_');
    game.model.SetGuessCell(0, 'X'); // an evaluated line keeps its letters
    EXPECT_EQ(game.model.Cells().LineText(0), "TEN");
}

// A full disk refuses every write: a line is not taken until its game can be counted, and a win
// whose end cannot be written still ends as a win, unrecorded.
TEST(GameAids, AFullDiskLosesNothingAndTheGameGoesOn) {
    PlayedGame game;
    const auto diskFull = [&](bool full) {
        game.db.Execute(full ? "CREATE TRIGGER FullInsert BEFORE INSERT ON Options BEGIN "
                               "SELECT RAISE(ABORT, 'database or disk is full'); END;"
                               "CREATE TRIGGER FullUpdate BEFORE UPDATE ON Options BEGIN "
                               "SELECT RAISE(ABORT, 'database or disk is full'); END;"
                             : "DROP TRIGGER FullInsert; DROP TRIGGER FullUpdate;");
    };
    diskFull(true);
    game.Play("ten!");
    EXPECT_EQ(game.Messages().back(), "Lexel could not write to its database:\ndatabase or disk "
                                      "is full\nNothing was changed; you can try again.");
    EXPECT_EQ(game.model.State().currentLine, 0);
    EXPECT_FALSE(game.model.ClockRunning());
    diskFull(false);
    game.Play("!");
    EXPECT_EQ(game.model.State().currentLine, 1);
    EXPECT_EQ(game.Stored("GamesPlayed"), "1");

    diskFull(true);
    bool won = false;
    QObject::connect(&game.model, &GameModel::gameWon, [&](bool entered, Score) {
        won = true;
        EXPECT_FALSE(entered);
    });
    game.Play("=garden");
    const auto messages = game.Messages();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[messages.size() - 2],
              "The result of this game could not be saved:\ndatabase or disk is full");
    EXPECT_EQ(messages.back(), "Great!  You found the hidden word ahead of time.\nYou scored "
                               "415200 points.");
    EXPECT_TRUE(won);
    EXPECT_FALSE(game.model.State().GameRunning);
    EXPECT_EQ(game.Stored("GamesWon"), "0");
    EXPECT_EQ(game.Stored("HighScore1"), "??????0");
}

} // namespace
} // namespace lexel
