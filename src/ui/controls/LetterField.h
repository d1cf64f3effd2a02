#pragma once

// One one-letter field of the board. It hands its key, focus, mouse and content events to the
// grid, which decides what the field holds and where the focus goes.

#include <QLineEdit>

namespace lexel {

class GuessGrid;

class LetterField : public QLineEdit {
    Q_OBJECT

public:
    enum class Kind { Guess, Solution };

    LetterField(GuessGrid& grid, Kind kind, int index, QWidget* parent);

    Kind kind() const { return kind_; }
    int index() const { return index_; }
    // Selects the character while the field has the focus; a field the focus left shows none,
    // so only one field ever looks active.
    void SelectCharacter() {
        if (hasFocus()) {
            selectAll();
        } else {
            deselect();
        }
    }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    GuessGrid& grid_;
    Kind kind_;
    int index_;
};

} // namespace lexel
