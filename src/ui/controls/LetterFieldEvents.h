#pragma once

// What a letter field hands on: its keys, content, focus and clicks. The board implements it and
// decides what the game makes of them.

#include <QChar>
#include <QPoint>
#include <QString>

namespace lexel {

class LetterField;

class LetterFieldEvents {
public:
    virtual ~LetterFieldEvents() = default;

    // A key went down; true when it was used up (a move of the focus, say).
    virtual bool KeyDown(LetterField& field, int key) = 0;
    // The character a key typed.
    virtual void KeyPress(LetterField& field, QChar typed) = 0;
    // Text that arrived other than by typing (pasted, dropped).
    virtual void ContentArrived(LetterField& field, const QString& content) = 0;
    virtual void GotFocus(LetterField& field) = 0;
    virtual void LostFocus(LetterField& field) = 0;
    virtual void RightButtonDown(LetterField& field, QPoint globalPosition) = 0;
    // The keyboard's menu key (or Shift+F10) on a field holding `letter`.
    virtual void LetterMenuKey(QChar letter, QPoint globalPosition) = 0;
};

} // namespace lexel
