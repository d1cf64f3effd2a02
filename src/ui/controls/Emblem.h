#pragma once

// The game's emblem: three letter tiles and a black and a white result dot, drawn on a 100 x 100
// grid scaled to where it goes, so it stays sharp at any size. The about box shows it, and it is
// every window's icon.

#include <QIcon>
#include <QWidget>

class QPainter;

namespace lexel {

// Draws the emblem into the largest square centred in `area`.
void PaintEmblem(QPainter& painter, const QRect& area);

// The emblem at the sizes a desktop asks for.
QIcon EmblemIcon();

class Emblem : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lexel
