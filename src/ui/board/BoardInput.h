#pragma once

// What the board's fields do with the player's keys, clicks and focus: a typed or pasted
// character goes to the game model as the field's new content, and the focus travels through
// the line being edited and the solution line as the player expects.

#include "ui/controls/LetterFieldEvents.h"

#include <QObject>
#include <QPoint>
#include <vector>

namespace lexel {

class BoardView;
class GameModel;
class LetterField;
enum class Direction;

class BoardInput : public QObject, public LetterFieldEvents {
    Q_OBJECT

public:
    explicit BoardInput(GameModel& model, QObject* parent = nullptr);
    // The fields whose events arrive here; set once, before the first event.
    void Attach(const BoardView& view) { view_ = &view; }

    // The focus moves, as the window needs them after the player's commands.
    void FocusFirstField();
    void FocusNextGuessLine();
    // Gives the focus back to the field that had it last, as after a click on a button.
    void FocusLastField();
    // After a hint: the next solution field still open, right of `position`.
    void FocusAfterHint(int position);
    // After a suggestion: on from the last cell it changed, as if typed.
    void FocusAfterFill(const std::vector<int>& changed);
    // Types `letter` into the field that had the focus last, as its key would.
    void TypeIntoLastField(QChar letter);

    // The solution position a hint goes to: the last solution field focused or right-clicked.
    int HintPosition() const { return hintPosition_; }
    bool SolutionHasFocus() const { return solutionFocused_; }

    // The field events.
    bool KeyDown(LetterField& field, int key) override;
    void KeyPress(LetterField& field, QChar typed) override;
    void ContentArrived(LetterField& field, const QString& content) override;
    void GotFocus(LetterField& field) override;
    void LostFocus(LetterField& field) override;
    void RightButtonDown(LetterField& field, QPoint globalPosition) override;
    void LetterMenuKey(QChar letter, QPoint globalPosition) override {
        emit letterMenuRequested(letter, globalPosition);
    }

signals:
    void solutionFocusChanged(bool focused);
    void guessMenuRequested(QPoint globalPosition);
    void solutionMenuRequested(QPoint globalPosition);
    // The keyboard's menu key (or Shift+F10) in a field: the colour menu of its letter.
    void letterMenuRequested(QChar letter, QPoint globalPosition);

private:
    bool GuessKeyDown(int k, int key);
    bool SolutionKeyDown(int k, int key);
    // The content is in the game: the focus moves on, or stays when `stay`.
    void AfterGuessChange(int k, bool stay);
    void AfterSolutionChange(int k, bool stay);
    bool GuessFree(int k) const;
    bool SolutionFree(int position) const;
    int NextFreeSolution(int start, Direction direction) const;
    int NextFreeLine9Field(int start, Direction direction) const;
    void FocusGuess(int field);
    void FocusSolution(int position);
    LetterField* LastField() const;

    GameModel& model_;
    const BoardView* view_ = nullptr;
    bool lastWasSolution_ = false;
    int lastIndex_ = 0;
    int hintPosition_ = 0;
    bool solutionFocused_ = false;
};

} // namespace lexel
