#pragma once

// A letter button of the "Used Letters" and "Unused Letters" panels: a square drawn raised or
// sunken in its marking colour, with its letter on it. Drawn by the program, so it stays sharp
// at any scale. A click leaves the focus in the input field and types there; Tab reaches the
// button, Space then types its letter and the menu key opens its colour menu.

#include "core/rules/LetterMarking.h"

#include <QWidget>

namespace lexel {

class LetterButtonView : public QWidget {
    Q_OBJECT

public:
    LetterButtonView(Panel panel, int index, QWidget* parent);

    Panel panel() const { return panel_; }
    int index() const { return index_; }
    QChar letter() const { return QChar('A' + index_); }
    void SetLook(const LetterButton& button);
    const LetterButton& look() const { return look_; }
    // The symbol of the colour on the button too.
    void SetSymbols(bool on);
    bool symbols() const { return symbols_; }
    // A left click without the mouse, as assistive technology presses a button.
    void Press();

signals:
    void pressed(Qt::MouseButton button, QPoint globalPosition);
    void released(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Panel panel_;
    int index_;
    LetterButton look_;
    bool symbols_ = false;
};

// The colour drawn inside a button of `color` (it differs from the stored value for green and
// gray).
Rgb FaceColor(LetterColor color);

} // namespace lexel
