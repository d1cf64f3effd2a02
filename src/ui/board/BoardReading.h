#pragma once

// Reading the board by keyboard, without changing it: the letters of the evaluated lines, their
// dots and the letters revealed in the solution line take the focus (by Tab, or Ctrl+Up from the
// line being typed into the last evaluated line), and the arrow keys move between them, so a
// screen reader speaks each with its colour or outcome. Escape, or Down below the last evaluated
// line, goes back to typing; the menu key opens a letter's colour menu.

#include <QObject>
#include <QPointer>

class QWidget;

namespace lexel {

class BoardInput;
class BoardView;
class DotColumn;
class FocusRing;
class GameModel;

class BoardReading : public QObject {
    Q_OBJECT

public:
    // The Ctrl+Up key is added to `window`.
    BoardReading(const GameModel& model, BoardView& view, const DotColumn& dots, BoardInput& input,
                 QWidget* window);

    // The first letter of the last evaluated line, when there is one.
    void ReadLines();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool LetterKey(int cell, int key);
    bool DotsKey(int line, int key);
    bool RevealedKey(int position, int key);
    int EvaluatedLines() const;
    // The letter of `line` nearest to `column`.
    bool FocusLetter(int line, int column);
    bool FocusDots(int line);
    void BackToTyping();
    void FocusChanged(QWidget* now);

    const GameModel& model_;
    BoardView& view_;
    const DotColumn& dots_;
    BoardInput& input_;
    QPointer<FocusRing> ring_; // a child of the control it surrounds, which may go first
};

} // namespace lexel
