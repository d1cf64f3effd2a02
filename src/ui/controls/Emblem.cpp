#include "Emblem.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace lexel {
namespace {

void Tile(QPainter& painter, const QRectF& box, const QString& letter) {
    painter.setPen(QPen(QColor(40, 40, 90), 2));
    painter.setBrush(QColor(250, 236, 200));
    painter.drawRoundedRect(box, 6, 6);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(30);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 255));
    painter.drawText(box, Qt::AlignCenter, letter);
}

void Dot(QPainter& painter, const QPointF& centre, const QColor& fill) {
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(fill);
    painter.drawEllipse(centre, 8, 8);
}

} // namespace

void PaintEmblem(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(area.width(), area.height());
    painter.setViewport(area.x() + (area.width() - side) / 2, area.y() + (area.height() - side) / 2,
                        side, side);
    painter.setWindow(0, 0, 100, 100);
    Tile(painter, QRectF(4, 4, 44, 44), QStringLiteral("L"));
    Tile(painter, QRectF(52, 4, 44, 44), QStringLiteral("E"));
    Tile(painter, QRectF(4, 52, 44, 44), QStringLiteral("X"));
    Dot(painter, QPointF(63, 74), Qt::black);
    Dot(painter, QPointF(85, 74), Qt::white);
    painter.restore();
}

QIcon EmblemIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        PaintEmblem(painter, pixmap.rect());
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Emblem::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintEmblem(painter, rect());
}

} // namespace lexel
