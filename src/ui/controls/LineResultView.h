#pragma once

// The result of one guess line: its black dots (right letter, right place) in the left square
// and its white dots (the letter occurs elsewhere) in the right one, 0..6 each, drawn by the
// program so they stay crisp at any scale; empty for a line not evaluated yet. One widget, so
// a screen reader meets one object per line, named after the outcome.

#include <QWidget>

namespace lexel {

// Where the two squares sit in the dots frame, in twips: the widget spans both.
inline constexpr int BlackDotsLeft = 90;
inline constexpr int WhiteDotsLeft = 600;
inline constexpr int DotsSquare = 450;

class LineResultView : public QWidget {
    Q_OBJECT

public:
    explicit LineResultView(QWidget* parent = nullptr);

    void ShowResult(int black, int white);
    void ShowEmpty();
    bool evaluated() const { return evaluated_; }
    int black() const { return black_; }
    int white() const { return white_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool evaluated_ = false;
    int black_ = 0;
    int white_ = 0;
};

} // namespace lexel
