// The course of a game on the main window: start, evaluation of a line, the solution line,
// the end of a game.

#include "StorageMessages.h"
#include "core/rules/GuessEvaluation.h"
#include "core/rules/ResultDots.h"
#include "core/rules/Scoring.h"
#include "core/settings/HighScores.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/MessageBoxes.h"
#include "core/store/WordStore.h"
#include "fmMain.h"
#include "ui/board/GuessGrid.h"
#include "ui/controls/LineResultView.h"
#include "ui/dialogs/AnagramWindow.h"
#include "ui/dialogs/StatisticsDialog.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <initializer_list>

namespace lexel {
namespace {

const QColor LightGray(192, 192, 192);

QString Lower(const QString& text) {
    return text.toLower();
}

} // namespace

QString fmMain::HiddenWordCapitals() const {
    return QString::fromStdString(game_.HiddenWord).toUpper();
}

void fmMain::StartGame() {
    helpContext_ = HelpTopic::Playing;
    if (game_.GameRunning) {
        const auto answer = services_.boxes.Show(
            {MessageIcon::Question, texts_.abort, MessageButtons::YesNo, MessageAnswer::No});
        if (answer != MessageAnswer::Yes) {
            grid_->FocusLastField(); // the game goes on where the player typed
            return;
        }
        if (game_.iLine > 1) {
            OfferScore();
        }
        ShowSolution();
        services_.boxes.Show({MessageIcon::Information, texts_.reveal.arg(HiddenWordCapitals())});
    }
    TimerStop();
    ShowTime(QStringLiteral("00:00:00"));

    game_ = GameState();
    game_.GameRunning = true;
    game_.GameClass = services_.settings.Class;
    for (QWidget* w : std::initializer_list<QWidget*>{frToGuess, frGuess, frResult, frDots,
                                                      frUnused, frUsed, fmTimer, cbGuess}) {
        w->hide();
    }
    game_.HiddenWord =
        services_.words.PickHiddenWord(services_.settings.Class, services_.settings.Only);
    game_.iLine = 1;
    LastSuggestLine = -1;

    for (int i = 0; i < HiddenWordLength; ++i) {
        grid_->Text1(i)->setEnabled(true);
        grid_->Text1(i)->show();
        grid_->Text1(i)->setText(QStringLiteral("?"));
        grid_->lbHint(i)->clear();
        grid_->lbHint(i)->hide();
    }
    for (int k = 0; k < FieldCount; ++k) {
        auto* field = grid_->tbL1(k);
        field->setText(QStringLiteral("."));
        field->setEnabled(false);
        // A field of a later line follows the palette; only the line being entered is white.
        GuessGrid::SetFieldColor(field, palette().color(QPalette::Button),
                                 palette().color(QPalette::ButtonText));
        field->show();
        GuessGrid::SetLabelColor(grid_->lbGuess(k + 1), LightGray);
        grid_->lbGuess(k + 1)->hide();
    }
    SetInterfaceMode(InterfaceMode::EnableLine);
    for (int line = 1; line <= LineCount; ++line) {
        lbResult[line - 1]->clear();
        lineResults_[line - 1]->ShowEmpty();
        DescribeResult(line);
    }

    frToGuess->show();
    frGuess->show();
    SetInterfaceMode(InterfaceMode::DisableResult);
    for (QWidget* w :
         std::initializer_list<QWidget*>{cbGuess, frResult, frDots, frUnused, frUsed}) {
        w->show();
    }
    fmTimer->setVisible(services_.settings.Timer);

    for (QAction* action : {mnEditGrayAll, mnSave, mnPopHint}) {
        action->setEnabled(true);
    }
    cmdGray->setEnabled(true);
    cmdSave->setEnabled(true);
    SetSuggestionCommands(true);
    marking_.Reset();
    RenderLetters();
    cmdGame->setFocus();
    grid_->tbL1(0)->setFocus();
}

void fmMain::TryGuess() {
    QString guess;
    for (int k = BL(game_.iLine); k <= BH(game_.iLine); ++k) {
        guess += grid_->tbL1(k)->text();
    }
    if (game_.iLine < LineCount && !AcceptGuess(guess)) {
        return;
    }
    if (game_.iLine == LineCount) {
        EvaluateLastLine();
        return;
    }
    if (!game_.GameCounted) {
        if (!CountGame()) {
            return;
        }
        TimerStart();
    }
    SetInterfaceMode(InterfaceMode::DisableLine);
    const auto code = EvaluateGuess(game_.HiddenWord, Lower(guess).toStdString(), OF(game_.iLine));
    ShowLineResult(game_.iLine, QString::fromStdString(code));
    const int good = CountGoodLetters(code);
    if (services_.settings.Colors) {
        AutoColor(guess, good);
    }
    Used(Lower(guess), good);
    ++game_.iLine;
    if (game_.iLine == LineCount) {
        SetSuggestionCommands(false);
    }
    SetInterfaceMode(InterfaceMode::EnableLine);
    grid_->SetFocusNextGuessLine();
}

// Lines 1 to 8 must be words, unless the player allows cheating and accepts this one.
bool fmMain::AcceptGuess(const QString& guess) {
    if (services_.words.IsKnownWord(Lower(guess).toStdString())) {
        return true;
    }
    if (!services_.settings.Cheating) {
        services_.boxes.Show({MessageIcon::Critical, texts_.notAWordRefused.arg(guess)});
        return false;
    }
    const auto answer = services_.boxes.Show({MessageIcon::Question, texts_.notAWordAsk.arg(guess),
                                              MessageButtons::YesNo, MessageAnswer::Yes});
    if (answer != MessageAnswer::Yes) {
        return false;
    }
    ++game_.NonWordCount;
    return true;
}

void fmMain::EvaluateLastLine() {
    QString guess;
    for (int k = BL(LineCount); k <= BH(LineCount); ++k) {
        guess += grid_->tbL1(k)->text();
    }
    SetInterfaceMode(InterfaceMode::DisableLine);
    const auto code =
        QString::fromStdString(EvaluateGuess(game_.HiddenWord, Lower(guess).toStdString(), 0));
    ShowLineResult(LineCount, code);
    SetInterfaceMode(InterfaceMode::DisableResult);
    const Score score = ComputeScore();
    const bool won = code == QLatin1String("6000");
    const bool entered = RecordEnd({.word = game_.HiddenWord, .score = score, .won = won});
    ShowSolution();
    StopGame();
    if (!won) {
        services_.boxes.Show({MessageIcon::Critical, texts_.lost.arg(HiddenWordCapitals())});
        return;
    }
    WinEnding(texts_.wonOnLine9, entered, score);
}

void fmMain::Solve() {
    if (!timer_.IsRunning()) {
        TimerStart();
    }
    if (game_.iLine == LineCount) {
        for (int i = 0; i < HiddenWordLength; ++i) {
            grid_->tbL1(BL(LineCount) + i)->setText(grid_->Text1(i)->text());
        }
        TryGuess();
        return;
    }
    QString solution;
    for (int i = 0; i < HiddenWordLength; ++i) {
        solution += grid_->Text1(i)->text();
    }
    if (Lower(solution).toStdString() != game_.HiddenWord) {
        if (!game_.GameCounted && !CountGame()) {
            return;
        }
        ++game_.WrongSolutionCount;
        services_.boxes.Show({MessageIcon::Critical, texts_.wrongSolution});
        return;
    }
    ShowSolution();
    SetInterfaceMode(InterfaceMode::Solved);
    StopGame();
    game_.SolvedEarly = true;
    const Score score = ComputeScore();
    const bool entered = RecordEnd({.word = game_.HiddenWord,
                                    .score = score,
                                    .countAsPlayed = !game_.GameCounted,
                                    .won = true});
    WinEnding(texts_.wonEarly, entered, score);
}

void fmMain::ShowSolution() {
    const QString word = HiddenWordCapitals();
    for (int i = 0; i < HiddenWordLength; ++i) {
        grid_->RevealLetter(i, word.mid(i, 1));
        grid_->Text1(i)->hide();
    }
}

void fmMain::StopGame() {
    TimerStop();
    game_.GameRunning = false;
    mnEditGrayAll->setEnabled(false);
    cmdGray->setEnabled(false);
    SetSuggestionCommands(false);
    mnSave->setEnabled(false);
    cmdSave->setEnabled(false);
    SetSolveCommands(false);
}

void fmMain::WinEnding(const QString& message, bool entered, Score score) {
    if (entered) {
        services_.boxes.Show({MessageIcon::Exclamation, message});
        StatisticsDialog window(services_.store, services_.boxes, services_.help, false, this);
        window.HighLight(HiddenWordCapitals(), QString::number(score));
        window.exec();
    } else {
        services_.boxes.Show(
            {MessageIcon::Exclamation, message + u'\n' + texts_.scoreLine.arg(score)});
    }
    if (services_.words.FindAnagrams(game_.HiddenWord)) {
        ShowAnagrams();
    }
}

void fmMain::ShowAnagrams() {
    if (auto* anagrams = services_.words.Anagrams()) {
        AnagramWindow window(*anagrams, game_.HiddenWord, this);
        window.exec();
    }
}

// A write that fails (a full disk) changes nothing, so the player may simply try again.
bool fmMain::CountGame() {
    try {
        CountPlayedGame(services_.store);
    } catch (const sql::Error& e) {
        services_.boxes.Show(
            {MessageIcon::Critical, NothingWrittenMessage(QString::fromUtf8(e.what()))});
        return false;
    }
    game_.GameCounted = true;
    return true;
}

// The game ends whether or not its end could be written; only the record is missing then.
bool fmMain::RecordEnd(const FinishedGame& game) {
    try {
        return RecordFinishedGame(services_.store, game);
    } catch (const sql::Error& e) {
        services_.boxes.Show(
            {MessageIcon::Critical, ResultNotSavedMessage(QString::fromUtf8(e.what()))});
        return false;
    }
}

Score fmMain::ComputeScore() const {
    ScoreInput input;
    for (int line = 1; line <= LineCount; ++line) {
        input.resultCodes[line - 1] = ResultCode(line).trimmed().toStdString();
    }
    input.level = game_.GameClass;
    input.solvedEarly = game_.SolvedEarly;
    input.iLine = game_.iLine;
    input.nonWordCount = game_.NonWordCount;
    input.hintCount = game_.HintCount;
    input.firstLetterHinted = game_.FirstLetterHinted;
    input.suggestionCount = game_.SuggestionCount;
    input.wrongSolutionCount = game_.WrongSolutionCount;
    input.elapsedSeconds = TimerGet();
    return lexel::ComputeScore(input);
}

// An abandoned game with an evaluated line still offers its score; the answer is not needed.
bool fmMain::OfferScore() {
    return RecordEnd({.word = game_.HiddenWord, .score = ComputeScore()});
}

void fmMain::ShowLineResult(int line, const QString& code) {
    lbResult[line - 1]->setText(code);
    const auto dots = DotsForResult(code.toStdString());
    lineResults_[line - 1]->ShowResult(dots.black, dots.white);
    DescribeResult(line);
    DescribeLetters(); // the last line is not coloured afterwards, so its letters are told here
}

void fmMain::DescribeResult(int line) {
    auto* result = lineResults_[line - 1];
    result->setAccessibleName(
        result->evaluated()
            ? tr("Line %1: %2 black, %3 white").arg(line).arg(result->black()).arg(result->white())
            : tr("Line %1: not evaluated").arg(line));
}

void fmMain::SetSuggestionCommands(bool enabled) {
    mnSuggest->setEnabled(enabled);
    mnPopSuggestMenu->setEnabled(enabled);
    mnPopSuggest->setEnabled(enabled);
    cmdSuggest->setEnabled(enabled);
}

void fmMain::SetSolveCommands(bool enabled) {
    mnSolve->setEnabled(enabled);
    cbSolve->setEnabled(enabled);
}

} // namespace lexel
