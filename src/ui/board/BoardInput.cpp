#include "BoardInput.h"

#include "BoardView.h"
#include "core/game/GameModel.h"
#include "core/rules/FieldInput.h"
#include "ui/controls/LetterField.h"

namespace lexel {
namespace {

constexpr QChar Backspace(0x08);

} // namespace

BoardInput::BoardInput(GameModel& model, QObject* parent) : QObject(parent), model_(model) {}

bool BoardInput::GuessFree(int k) const {
    const auto state = model_.Cells().Guess(k).state;
    return state != CellState::Hinted && state != CellState::Evaluated;
}

bool BoardInput::SolutionFree(int position) const {
    return !model_.Cells().Solution(position).fixed;
}

int BoardInput::NextFreeSolution(int start, Direction direction) const {
    return FindNextFree(0, HiddenWordLength - 1, start, direction,
                        [this](int i) { return SolutionFree(i); });
}

int BoardInput::NextFreeLine9Field(int start, Direction direction) const {
    return FindNextFree(FirstField(LastLine), lexel::LastField(LastLine), start, direction,
                        [this](int k) { return GuessFree(k); });
}

// Focus moves ignore a field that cannot take the focus (disabled or hidden).
void BoardInput::FocusGuess(int field) {
    view_->GuessField(field)->setFocus(Qt::OtherFocusReason);
}

void BoardInput::FocusSolution(int position) {
    view_->SolutionField(position)->setFocus(Qt::OtherFocusReason);
}

void BoardInput::FocusFirstField() {
    FocusGuess(0);
}

void BoardInput::FocusNextGuessLine() {
    const int first = FirstField(model_.State().currentLine);
    if (!GuessFree(first)) {
        if (const int j = NextFreeLine9Field(FirstField(LastLine), Direction::Right); j > -1) {
            FocusGuess(j);
        }
        return;
    }
    FocusGuess(first);
}

LetterField* BoardInput::LastField() const {
    return lastWasSolution_ ? view_->SolutionField(lastIndex_) : view_->GuessField(lastIndex_);
}

void BoardInput::FocusLastField() {
    LastField()->setFocus(Qt::OtherFocusReason);
}

void BoardInput::FocusAfterHint(int position) {
    if (const int j = NextFreeSolution(position, Direction::Right); j >= 0) {
        FocusSolution(j);
    }
}

void BoardInput::FocusAfterFill(const std::vector<int>& changed) {
    if (!changed.empty()) {
        AfterGuessChange(changed.back(), false);
    }
}

void BoardInput::TypeIntoLastField(QChar letter) {
    auto* field = LastField();
    field->setFocus(Qt::OtherFocusReason);
    field->SelectCharacter();
    KeyPress(*field, letter);
}

bool BoardInput::KeyDown(LetterField& field, int key) {
    field.SelectCharacter();
    return field.kind() == LetterField::Kind::Guess ? GuessKeyDown(field.index(), key)
                                                    : SolutionKeyDown(field.index(), key);
}

bool BoardInput::GuessKeyDown(int k, int key) {
    const int first = FirstField(model_.State().currentLine);
    const int last = lexel::LastField(model_.State().currentLine);
    switch (key) {
    case Qt::Key_Delete:
        model_.SetGuessCell(k, Mark::Open);
        view_->GuessField(k)->SelectCharacter();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Left: {
        const int target = k <= first ? last : k - 1;
        if (GuessFree(target)) {
            FocusGuess(target);
        } else if (const int j = NextFreeLine9Field(k <= first ? lexel::LastField(LastLine) : k,
                                                    Direction::Left);
                   j != -1) {
            FocusGuess(j);
        }
        return true;
    }
    case Qt::Key_Right:
        if (k >= last) {
            FocusNextGuessLine();
        } else if (GuessFree(k + 1)) {
            FocusGuess(k + 1);
        } else if (const int j = NextFreeLine9Field(k, Direction::Right); j != -1) {
            FocusGuess(j);
        }
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    case Qt::Key_Escape:
        if (const int j = NextFreeSolution(HiddenWordLength - 1, Direction::Right); j > -1) {
            FocusSolution(j);
        }
        return true;
    default:
        return false;
    }
}

bool BoardInput::SolutionKeyDown(int k, int key) {
    switch (key) {
    case Qt::Key_Delete:
        model_.SetSolutionCell(k, Mark::Unknown);
        view_->SolutionField(k)->SelectCharacter();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const auto direction = key == Qt::Key_Right ? Direction::Right : Direction::Left;
        if (const int j = NextFreeSolution(k, direction); j >= 0) {
            FocusSolution(j);
        }
        return true;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    case Qt::Key_Escape:
        FocusNextGuessLine();
        return true;
    default:
        return false;
    }
}

// Typing the letter a field already holds still counts: the focus moves on. Backspace empties
// the field it was pressed in (the focus has moved left already) and moves nothing more.
void BoardInput::KeyPress(LetterField& field, QChar typed) {
    const bool guess = field.kind() == LetterField::Kind::Guess;
    const auto content = guess ? TypedGuessContent(typed) : TypedSolutionContent(typed);
    if (!content) {
        return;
    }
    const bool stay = typed == Backspace;
    if (guess) {
        model_.SetGuessCell(field.index(), *content);
        AfterGuessChange(field.index(), stay);
    } else {
        model_.SetSolutionCell(field.index(), *content);
        AfterSolutionChange(field.index(), stay);
    }
}

// A pasted or dropped text: what a field may keep is kept and moves the focus on; anything
// else leaves an open place where the focus stays.
void BoardInput::ContentArrived(LetterField& field, const QString& content) {
    const bool guess = field.kind() == LetterField::Kind::Guess;
    const auto kept = guess ? ArrivedGuessContent(content) : ArrivedSolutionContent(content);
    const bool valid = kept.has_value();
    if (guess) {
        model_.SetGuessCell(field.index(), kept.value_or(Mark::Open));
    } else {
        model_.SetSolutionCell(field.index(), kept.value_or(Mark::Unknown));
    }
    // The field shows the game's content again, whatever arrived and whatever the game took.
    const auto& cells = model_.Cells();
    const FieldContent shown =
        guess ? cells.Guess(field.index()).content : cells.Solution(field.index()).content;
    field.ShowContent(QString(QChar::fromLatin1(shown.Shown())));
    if (guess) {
        AfterGuessChange(field.index(), !valid);
    } else {
        AfterSolutionChange(field.index(), !valid);
    }
}

void BoardInput::AfterGuessChange(int k, bool stay) {
    if (view_->GuessField(k)->isHidden() || !model_.Cells().TakesInput(k)) {
        return;
    }
    if (stay) {
        view_->GuessField(k)->SelectCharacter();
        return;
    }
    if (k >= lexel::LastField(model_.State().currentLine)) {
        FocusNextGuessLine();
    } else if (GuessFree(k + 1)) {
        FocusGuess(k + 1);
    } else if (const int j = NextFreeLine9Field(k, Direction::Right); j > -1) {
        FocusGuess(j);
    }
}

void BoardInput::AfterSolutionChange(int k, bool stay) {
    if (!SolutionFree(k)) {
        return;
    }
    if (stay) {
        view_->SolutionField(k)->SelectCharacter();
    } else if (const int j = NextFreeSolution(k, Direction::Right); j > -1) {
        FocusSolution(j);
    }
}

void BoardInput::GotFocus(LetterField& field) {
    lastIndex_ = field.index();
    field.SelectCharacter();
    lastWasSolution_ = field.kind() == LetterField::Kind::Solution;
    if (lastWasSolution_) {
        hintPosition_ = field.index();
    }
    if (solutionFocused_ != lastWasSolution_) {
        solutionFocused_ = lastWasSolution_;
        emit solutionFocusChanged(solutionFocused_);
    }
}

void BoardInput::LostFocus(LetterField& field) {
    if (field.kind() == LetterField::Kind::Solution && solutionFocused_) {
        solutionFocused_ = false;
        emit solutionFocusChanged(false);
    }
}

void BoardInput::RightButtonDown(LetterField& field, QPoint globalPosition) {
    if (field.kind() == LetterField::Kind::Guess) {
        emit guessMenuRequested(globalPosition);
        return;
    }
    hintPosition_ = field.index();
    emit solutionMenuRequested(globalPosition);
}

} // namespace lexel
