#include "MarkSymbol.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace lexel {

// Drawn in black at a size relative to the cell, so it stays crisp at any scale; the corner
// shapes sit top right, clear of the letter.
void DrawMarkSymbol(QPainter& painter, const QRectF& cell, LetterColor color) {
    const qreal s = std::min(cell.width(), cell.height());
    const QRectF corner(cell.right() - 0.36 * s, cell.top() + 0.08 * s, 0.28 * s, 0.28 * s);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(
        QPen(Qt::black, std::max<qreal>(1.5, s / 14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::black);
    switch (color) {
    case LetterColor::Red:
        painter.drawLine(QPointF(cell.left() + 0.15 * s, cell.bottom() - 0.15 * s),
                         QPointF(cell.right() - 0.15 * s, cell.top() + 0.15 * s));
        break;
    case LetterColor::Green: {
        QPainterPath tick(QPointF(corner.left(), corner.center().y()));
        tick.lineTo(corner.left() + 0.35 * corner.width(), corner.bottom());
        tick.lineTo(corner.topRight());
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
        break;
    }
    case LetterColor::Yellow:
        painter.drawPolygon(QPolygonF{QPointF(corner.center().x(), corner.top()),
                                      corner.bottomRight(), corner.bottomLeft()});
        break;
    case LetterColor::Blue:
        painter.drawRect(corner.adjusted(0.1 * corner.width(), 0.1 * corner.height(),
                                         -0.1 * corner.width(), -0.1 * corner.height()));
        break;
    case LetterColor::Gray:
        break;
    }
    painter.restore();
}

void MarkedLabel::SetMark(std::optional<LetterColor> mark) {
    if (mark != mark_) {
        mark_ = mark;
        update();
    }
}

void MarkedLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (mark_) {
        QPainter painter(this);
        DrawMarkSymbol(painter, contentsRect(), *mark_);
    }
}

} // namespace lexel
