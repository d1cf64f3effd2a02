#pragma once

// One game of Lexel: the hidden word, the board, the letter marking, the clock and the
// player's aids, with the player's operations on them. It tells what changed through its
// signals and asks the player its questions through the injected message boxes; the windows
// draw it and forward input to it.

#include "Board.h"
#include "GameEnding.h"
#include "GameState.h"
#include "StillPossible.h"
#include "core/rules/GameTimer.h"
#include "core/rules/LetterMarking.h"
#include "core/rules/Scoring.h"

#include <QObject>
#include <utility>
#include <vector>

namespace lexel {

class GameRecords;
class MessageBoxes;
class RandomSource;
class WordSource;
struct DailyAttempt;
struct FinishedGame;
struct HistoryRow;
struct Settings;

// What a game works with; every piece outlives it.
struct GameModelServices {
    WordSource& words;
    GameRecords& records;
    const Settings& settings;
    MessageBoxes& boxes;
    RandomSource& random;
    Clock& clock;
};

// What became of the line handed to Evaluate.
enum class GuessOutcome {
    Refused,   // incomplete, no word, or the game could not be counted: the line stays open
    Evaluated, // its dots are shown and the next line is open
    Won,       // line 9 was the hidden word
    Lost,      // line 9 was not
};

class GameModel : public QObject {
    Q_OBJECT

public:
    explicit GameModel(const GameModelServices& services, QObject* parent = nullptr);

    const GameState& State() const { return game_; }
    const Board& Cells() const { return board_; }
    const LetterMarking& Marking() const { return marking_; }
    std::int32_t ElapsedSeconds() const { return timer_.TimerGet(); }
    bool ClockRunning() const { return timer_.IsRunning(); }
    // The hidden word in capitals, as the player is told it.
    std::string HiddenWordCapitals() const;
    // A line was evaluated in the running game: leaving it offers its score.
    bool HasEvaluatedLine() const { return game_.GameRunning && game_.currentLine > 0; }
    // The running game has its history row, which a reset of the statistics keeps.
    bool RunningGameRecorded() const { return game_.GameRunning && game_.historyRow; }
    // The cells the marking reaches: every line up to the one being edited.
    int ReachedCells() const { return LastField(game_.currentLine) + 1; }

    // What the player may do now.
    bool CanEvaluate() const;
    bool CanSolve() const;
    bool CanHint() const;
    bool CanSuggest() const;
    bool CanMark() const { return game_.GameRunning; } // Reset To Gray, Save Analysis
    // The last game that ended in this session can be looked back on, whatever began since.
    bool CanReview() const { return possible_.HasEndedGame(); }
    // A letter whose colour automatic colouring keeps.
    bool IsLetterLocked(char letter) const;

    // A new game at once: the word is drawn, the board and the marking start afresh.
    void StartGame();
    // Asks before a running game is given up; false when the player keeps playing. A game
    // given up with an evaluated line offers its score; the hidden word is told.
    bool AbortGame();
    // New Game: a running game is given up first (false when the player keeps it).
    bool NewGame();
    // The game of the day at the settings' level for the clock's local date, after a running
    // game is given up like for New Game.
    bool NewDailyGame();
    // A game of the day played again after its counted attempt.
    bool IsReplay() const { return game_.replay; }
    // The result of an ended game of the day to share: no letters, so it spoils nothing. It is
    // the first attempt's, also after a replay.
    bool CanCopyResult() const {
        return !game_.dailyDate.empty() && !game_.GameRunning && game_.outcome != Outcome::Playing;
    }
    QString DailyResult() const;

    // Typing: `content` is what a field takes. Only a cell that takes input changes.
    void SetGuessCell(int cell, FieldContent content);
    void SetSolutionCell(int position, FieldContent content);

    // Evaluate: the line being edited, when it is complete.
    GuessOutcome TryGuess();
    // The solution line: a win ahead of time, a wrong solution (refused), or on line 9 its
    // evaluation.
    GuessOutcome Solve();
    // The ending of the game that the last command won or lost, once: what the player is to be
    // told and where its score went.
    std::optional<GameEnding> TakeEnding() { return std::exchange(ending_, std::nullopt); }
    // Reveals the letter of solution position `position`, while hints are left; the position
    // it filled, none when no hint was taken.
    std::optional<int> TakeHint(int position);
    // Suggest Word: fills the line being edited; returns the cells that changed.
    std::vector<int> SuggestWord();
    // What the aids would take off the score if taken now: a hint (at the first letter or
    // elsewhere) and a suggestion that finds a word.
    Score HintCost(bool firstLetter) const;
    Score SuggestionCost() const;
    // The first letter is still there for a hint to reveal.
    bool FirstLetterOpen() const { return !board_.Solution(0).fixed; }
    void SaveAnalysis();
    void ResetMarks();

    // The colour menus and the letter buttons.
    void PaintCell(int cell, LetterColor color);
    void PaintButton(Panel panel, int index, LetterColor color);
    void PressButton(Panel panel, int index, bool down);

    // One tick of the clock.
    void Tick();
    // A running game counted as played ends as given up without a word to the player (the
    // program ends where nobody can answer): its score is offered to the table and its
    // history row written.
    void SaveRunningScore();
    Score ComputeScore() const;

    // How many of the words the draw could have hidden still fit the board; none when the word
    // list cannot be read.
    std::optional<int> PossibleWordCount() { return possible_.Count(board_); }
    // How each evaluated line of the last game that ended narrowed those words down.
    std::vector<LineCut> PossibleWordCuts() { return possible_.EndedCuts(); }
    // The last game that ended, for the coach: its lines, what was known before each and the
    // words a line may hold; none when a word list cannot be read.
    std::optional<CoachGame> EndedCoachGame();
    // What the score of the last game that ended was made of, when it was won.
    const std::optional<ScoreInput>& EndedWin() const { return endedWin_; }

signals:
    void boardChanged();
    void marksChanged();
    void timeChanged();

private:
    void Begin(const std::string& word, bool only, const std::string& dailyDate);
    std::string Suggestion(const std::string& pattern, const std::string& avoid);
    void StartDailyGame();
    bool AttemptedBefore(const std::string& dailyDate) const;
    DailyAttempt AttemptOf(const HistoryRow& row) const;
    QString Dots() const;
    bool AcceptGuess(const Word& guess);
    LineResult EvaluateCells(int line, const Word& guess);
    void EvaluateLine(const Word& guess);
    GuessOutcome EvaluateLastLine(const Word& guess);
    GuessOutcome End(std::optional<int> rank, Score score, const QString& wonMessage);
    bool CountGame(int linesUsed);
    std::optional<int> RecordEnd(Outcome outcome, Score score);
    FinishedGame Finished(Outcome outcome, Score score) const;
    void StartClock();
    void StopGame();
    void ShowSolution();
    ScoreInput ScoreInputNow() const;

    GameModelServices services_;
    GameState game_;
    Board board_;
    LetterMarking marking_;
    GameTimer timer_;
    StillPossible possible_;
    std::optional<ScoreInput> endedWin_;
    std::optional<GameEnding> ending_;
};

} // namespace lexel
