#pragma once

// A shape for each marking colour, for players who do not tell the colours apart: a stroke
// through a red letter (absent), a tick on a green one (present), a triangle on yellow and a
// square on blue. Gray carries none.

#include "core/rules/LetterMarks.h"

#include <QLabel>
#include <optional>

class QPainter;

namespace lexel {

void DrawMarkSymbol(QPainter& painter, const QRectF& cell, LetterColor color);

// An evaluated letter of the board, with the symbol of its colour when one is set.
class MarkedLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
    void SetMark(std::optional<LetterColor> mark);
    std::optional<LetterColor> mark() const { return mark_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<LetterColor> mark_;
};

} // namespace lexel
