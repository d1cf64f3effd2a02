#pragma once

// The colours of the board's fields and labels.

#include "core/rules/LetterMarks.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>

namespace lexel {

inline const QColor RevealedGreen(0, 255, 0); // revealed letters stand on green

inline QColor ToColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The background of a field (white for the line being entered) and its text colour; set only
// when it changes, as a new palette restyles the field.
inline void SetFieldColor(QLineEdit* field, const QColor& color, const QColor& text = Qt::black) {
    QPalette palette = field->palette();
    if (palette.color(QPalette::Base) == color && palette.color(QPalette::Text) == text &&
        palette.isBrushSet(QPalette::Active, QPalette::Base)) {
        return;
    }
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Text, text);
    field->setPalette(palette);
}

inline void SetLabelColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    if (palette.color(QPalette::Window) == color &&
        palette.isBrushSet(QPalette::Active, QPalette::Window)) {
        return;
    }
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

} // namespace lexel
