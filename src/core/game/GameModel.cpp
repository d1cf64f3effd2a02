#include "GameModel.h"

#include "GameMessages.h"
#include "PlayerWrites.h"
#include "StorageMessages.h"
#include "core/base/AsciiCase.h"
#include "core/base/PlayerSettings.h"
#include "core/base/StorageError.h"
#include "core/ports/GameRecords.h"
#include "core/ports/MessageBoxes.h"
#include "core/ports/WordSource.h"
#include "core/rules/GuessEvaluation.h"

#include <QtGlobal>

namespace lexel {
namespace {

constexpr int MaxHints = 3;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

GameModel::GameModel(const GameModelServices& services, QObject* parent)
    : QObject(parent), services_(services), timer_(services.clock), possible_(services.words) {}

std::string GameModel::HiddenWordCapitals() const {
    return AsciiUpper(game_.HiddenWord);
}

bool GameModel::CanEvaluate() const {
    return game_.GameRunning && board_.LineComplete(game_.currentLine);
}

bool GameModel::CanSolve() const {
    return game_.GameRunning && board_.SolutionComplete();
}

bool GameModel::CanHint() const {
    return game_.GameRunning && game_.aids.hints < MaxHints;
}

bool GameModel::CanSuggest() const {
    return game_.GameRunning && game_.currentLine < LastLine;
}

bool GameModel::IsLetterLocked(char letter) const {
    return marking_.IsLocked(letter, services_.settings.autoColor);
}

void GameModel::StartGame() {
    const bool only = services_.settings.onlyThisLevel;
    Begin(services_.words.PickHiddenWord(services_.settings.level, only), only, {});
}

void GameModel::Begin(const std::string& word, bool only, const std::string& dailyDate) {
    timer_.Reset();
    game_ = GameState();
    game_.GameRunning = true;
    game_.level = services_.settings.level;
    game_.onlyThisLevel = only;
    game_.dailyDate = dailyDate;
    game_.replay = AttemptedBefore(dailyDate);
    game_.HiddenWord = word;
    possible_.NewGame(game_.level, game_.onlyThisLevel);
    board_.Reset();
    board_.OpenLine(0);
    marking_.Reset();
    emit timeChanged();
    emit marksChanged();
    emit boardChanged();
}

bool GameModel::AbortGame() {
    const auto answer = services_.boxes.Show({MessageIcon::Question, GameMessages::AbortQuestion(),
                                              MessageButtons::YesNo, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) {
        return false;
    }
    // A game of the day given up tells its word, so it is that day's attempt even uncounted.
    if (game_.GameCounted || (!game_.dailyDate.empty() && !game_.replay)) {
        RecordEnd(Outcome::GivenUp, ComputeScore());
    }
    game_.outcome = Outcome::GivenUp;
    StopGame();
    ShowSolution();
    services_.boxes.Show(
        {MessageIcon::Information, GameMessages::Reveal(Text(HiddenWordCapitals()))});
    return true;
}

bool GameModel::NewGame() {
    if (game_.GameRunning && !AbortGame()) {
        return false;
    }
    StartGame();
    return true;
}

void GameModel::SetGuessCell(int cell, FieldContent content) {
    if (board_.TakesInput(cell) && board_.SetGuess(cell, content)) {
        emit boardChanged();
    }
}

void GameModel::SetSolutionCell(int position, FieldContent content) {
    if (game_.GameRunning && board_.SolutionTakesInput(position) &&
        board_.SetSolution(position, content)) {
        emit boardChanged();
    }
}

GuessOutcome GameModel::TryGuess() {
    const auto guess = board_.LineWord(game_.currentLine);
    if (!game_.GameRunning || !guess) {
        return GuessOutcome::Refused;
    }
    if (game_.currentLine == LastLine) {
        return EvaluateLastLine(*guess);
    }
    if (!AcceptGuess(*guess)) {
        return GuessOutcome::Refused;
    }
    if (!game_.GameCounted) {
        if (!CountGame(1)) {
            return GuessOutcome::Refused;
        }
        StartClock();
    }
    EvaluateLine(*guess);
    return GuessOutcome::Evaluated;
}

// Lines 1 to 8 must be words, unless the player allows cheating and accepts this one.
bool GameModel::AcceptGuess(const Word& guess) {
    if (services_.words.IsKnownWord(guess.Lower())) {
        return true;
    }
    if (!services_.settings.cheating) {
        services_.boxes.Show(
            {MessageIcon::Critical, GameMessages::NotAWordRefused(Text(guess.Upper()))});
        return false;
    }
    const auto answer = services_.boxes.Show({MessageIcon::Question,
                                              GameMessages::NotAWordQuestion(Text(guess.Upper())),
                                              MessageButtons::YesNo, MessageAnswer::Yes});
    if (answer != MessageAnswer::Yes) {
        return false;
    }
    ++game_.aids.nonWords;
    return true;
}

// The line's letters become evaluated letters of the board, with their dots.
LineResult GameModel::EvaluateCells(int line, const Word& guess) {
    for (int i = 0; i < guess.Length(); ++i) {
        marking_.ShowCellLetter(FirstField(line) + i, guess.At(i));
    }
    const auto result = EvaluateGuess(game_.HiddenWord, guess.Lower(), WindowOffset(line));
    possible_.LineEvaluating(board_);
    board_.Evaluate(line, result);
    return result;
}

void GameModel::EvaluateLine(const Word& guess) {
    const int line = game_.currentLine;
    const int reached = ReachedCells();
    const auto result = EvaluateCells(line, guess);
    if (services_.settings.autoColor) {
        marking_.AutoColor(guess, result.Good(), reached);
    }
    marking_.Used(guess, result.Good(), services_.settings.autoColor);
    game_.currentLine = line + 1;
    board_.OpenLine(game_.currentLine);
    emit marksChanged();
    emit boardChanged();
}

GuessOutcome GameModel::EvaluateLastLine(const Word& guess) {
    const auto result = EvaluateCells(LastLine, guess);
    emit marksChanged();
    emit boardChanged();
    const Score score = ComputeScore();
    const Outcome outcome = result.black == HiddenWordLength ? Outcome::Won : Outcome::Lost;
    const auto rank = RecordEnd(outcome, score);
    game_.outcome = outcome;
    ShowSolution();
    StopGame();
    return End(rank, score, GameMessages::WonOnLastLine());
}

GuessOutcome GameModel::Solve() {
    const auto solution = board_.SolutionWord();
    if (!game_.GameRunning || !solution) {
        return GuessOutcome::Refused;
    }
    if (!timer_.IsRunning()) {
        StartClock();
    }
    if (game_.currentLine == LastLine) {
        for (int i = 0; i < HiddenWordLength; ++i) {
            board_.SetGuess(FirstField(LastLine) + i, solution->At(i));
        }
        return TryGuess();
    }
    if (solution->Lower() != game_.HiddenWord) {
        if (!game_.GameCounted && !CountGame(0)) {
            return GuessOutcome::Refused;
        }
        ++game_.aids.wrongSolutions;
        possible_.Refuse(game_.currentLine, solution->Lower());
        services_.boxes.Show({MessageIcon::Critical, GameMessages::WrongSolution()});
        return GuessOutcome::Refused;
    }
    board_.CloseLine(game_.currentLine);
    game_.SolvedEarly = true;
    game_.outcome = Outcome::Won;
    ShowSolution();
    StopGame();
    const Score score = ComputeScore();
    const auto rank = RecordEnd(Outcome::Won, score);
    return End(rank, score, GameMessages::WonEarly());
}

// A won score that stayed out of the table is told with the message.
GuessOutcome GameModel::End(std::optional<int> rank, Score score, const QString& wonMessage) {
    const bool won = game_.outcome == Outcome::Won;
    const QString message = !won   ? GameMessages::Lost(Text(HiddenWordCapitals()))
                            : rank ? wonMessage
                                   : wonMessage + u'\n' + GameMessages::ScoreLine(score);
    ending_ =
        GameEnding{.outcome = game_.outcome,
                   .message = {won ? MessageIcon::Exclamation : MessageIcon::Critical, message},
                   .rank = rank,
                   .word = game_.HiddenWord};
    return won ? GuessOutcome::Won : GuessOutcome::Lost;
}

// A write that fails (a full disk) changes nothing, so the player may simply try again. The
// history row says given up after `linesUsed` lines until the game's end replaces it.
bool GameModel::CountGame(int linesUsed) {
    if (game_.replay) {
        return game_.GameCounted = true;
    }
    auto soFar = Finished(Outcome::GivenUp, 0);
    soFar.row.line = linesUsed;
    if (soFar.daily) {
        soFar.daily = AttemptOf(soFar.row);
    }
    game_.GameCounted = WriteOrTell(services_.boxes,
                                    [&] { game_.historyRow = services_.records.CountGame(soFar); });
    return game_.GameCounted;
}

// The game ends whether or not its end could be written; only the record is missing then, and
// the history keeps the row its count wrote.
std::optional<int> GameModel::RecordEnd(Outcome outcome, Score score) {
    if (game_.replay) {
        return std::nullopt;
    }
    try {
        return services_.records.RecordEnd(Finished(outcome, score));
    } catch (const StorageError& e) {
        services_.boxes.Show(
            {MessageIcon::Critical, ResultNotSavedMessage(QString::fromUtf8(e.what()))});
        return std::nullopt;
    }
}

// A game given up before its first line (counted by a wrong solution) scores 0, which never
// enters the table, so every ending may offer its score.
FinishedGame GameModel::Finished(Outcome outcome, Score score) const {
    FinishedGame ending{.row = {.finishedAt = LocalTimeOf(services_.clock.Now()),
                                .level = game_.level,
                                .word = game_.HiddenWord,
                                .line = game_.currentLine + (outcome == Outcome::GivenUp ? 0 : 1),
                                .outcome = outcome,
                                .seconds = timer_.TimerGet(),
                                .score = score,
                                .hints = game_.aids.hints,
                                .suggestionUnits = game_.aids.suggestionUnits,
                                .daily = !game_.dailyDate.empty(),
                                .dailyDate = game_.dailyDate},
                        .countAsPlayed = !game_.GameCounted,
                        .historyId = game_.historyRow};
    if (!game_.dailyDate.empty() && !game_.replay) {
        ending.daily = AttemptOf(ending.row);
    }
    return ending;
}

void GameModel::StartClock() {
    timer_.TimerStart();
    emit timeChanged();
}

void GameModel::StopGame() {
    timer_.TimerStop();
    game_.GameRunning = false;
    possible_.GameEnded(board_);
    possible_.EndedWordWas(game_.HiddenWord);
    endedWin_.reset();
    if (game_.outcome == Outcome::Won) {
        endedWin_ = ScoreInputNow();
    }
    emit timeChanged();
    emit boardChanged();
}

void GameModel::ShowSolution() {
    board_.Reveal(Word::From(game_.HiddenWord).value());
    emit boardChanged();
}

void GameModel::Tick() {
    timer_.TimerUpdate();
    emit timeChanged();
}

void GameModel::SaveRunningScore() {
    if (!game_.GameRunning || !game_.GameCounted || game_.replay) {
        return;
    }
    game_.GameRunning = false; // written once
    game_.outcome = Outcome::GivenUp;
    try { // no message box: nobody may be there to close it
        services_.records.RecordEnd(Finished(Outcome::GivenUp, ComputeScore()));
    } catch (const StorageError& e) {
        qWarning("Lexel: the score of the running game was not saved: %s", e.what());
    }
}

Score GameModel::ComputeScore() const {
    return lexel::ComputeScore(ScoreInputNow());
}

ScoreInput GameModel::ScoreInputNow() const {
    ScoreInput input{.lines = {},
                     .level = game_.level,
                     .solvedEarly = game_.SolvedEarly,
                     .currentLine = game_.currentLine,
                     .aids = game_.aids,
                     .elapsedSeconds = timer_.TimerGet()};
    for (int line = 0; line < LineCount; ++line) {
        input.lines[static_cast<std::size_t>(line)] = board_.Result(line).value_or(LineResult{});
    }
    return input;
}

} // namespace lexel
