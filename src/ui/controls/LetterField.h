#pragma once

// One one-letter field of the board. It hands its key, focus, mouse and content events on (to
// the board's input), which tells the game what the field should hold and moves the focus; the
// field shows what the game holds.

#include <QLineEdit>

namespace lexel {

class LetterFieldEvents;

class LetterField : public QLineEdit {
    Q_OBJECT

public:
    enum class Kind { Guess, Solution };

    LetterField(LetterFieldEvents& input, Kind kind, int index, QWidget* parent);

    Kind kind() const { return kind_; }
    int index() const { return index_; }
    // Shows `content` as the game holds it; no content event follows.
    void ShowContent(const QString& content);

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
    LetterFieldEvents& input_;
    Kind kind_;
    int index_;
};

} // namespace lexel
