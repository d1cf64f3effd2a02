#include "LetterField.h"

#include "LetterFieldEvents.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace lexel {

LetterField::LetterField(LetterFieldEvents& input, Kind kind, int index, QWidget* parent)
    : QLineEdit(parent), input_(input), kind_(kind), index_(index) {
    setAlignment(Qt::AlignCenter);
    // Only the game's own popup menus may open on a right click.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // Text that arrives other than by typing (pasted, dropped) goes to the game as well.
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& content) { input_.ContentArrived(*this, content); });
}

void LetterField::ShowContent(const QString& content) {
    const QSignalBlocker quiet(this);
    setText(content);
    SelectCharacter();
}

// The window's shortcuts (F2, Ctrl+S, ...) win over the field's own editing keys; only paste
// stays with the field, and the change rules clean what it brings.
bool LetterField::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->matches(QKeySequence::Paste)) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void LetterField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        if (text().size() == 1) {
            input_.LetterMenuKey(text()[0], mapToGlobal(rect().center()));
        }
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const bool consumed = input_.KeyDown(*this, event->key());
    // The key's character goes to this field, even when the key moved the focus away.
    const QString text = event->text();
    if (!text.isEmpty() && (text[0].isPrint() || text[0] == QChar(0x08))) {
        input_.KeyPress(*this, text[0]);
    } else if (!consumed && text.isEmpty()) {
        QLineEdit::keyPressEvent(event); // keys without a character: Home, End, ...
    }
}

void LetterField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    input_.GotFocus(*this);
}

void LetterField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    input_.LostFocus(*this);
}

void LetterField::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        input_.RightButtonDown(*this, event->globalPosition().toPoint());
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void LetterField::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        SelectCharacter();
    }
}

} // namespace lexel
