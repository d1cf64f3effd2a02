#include "DotPicture.h"

#include "core/rules/ResultDots.h"

#include <QPainter>
#include <algorithm>

namespace lexel {

DotPicture::DotPicture(QWidget* parent) : QWidget(parent) {}

void DotPicture::ShowDots(Kind kind, int count) {
    kind_ = kind;
    count_ = std::clamp(count, 0, MaxDots);
    update();
}

// Up to three dots in a row, four to six in two rows, centred in the picture.
void DotPicture::paintEvent(QPaintEvent*) {
    if (kind_ == Kind::Empty || count_ == 0) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal cell = std::min(width(), height()) / 3.0;
    const qreal radius = cell * 0.38;
    const int rows = count_ > 3 ? 2 : 1;
    const qreal top = (height() - rows * cell) / 2.0;
    // The outline takes the text colour, so black dots stay visible on a dark background.
    painter.setPen(QPen(palette().color(QPalette::WindowText), std::max(1.0, cell * 0.1)));
    painter.setBrush(kind_ == Kind::Black ? Qt::black : Qt::white);
    for (int i = 0; i < count_; ++i) {
        const int inRow = i < 3 ? std::min(count_, 3) : count_ - 3;
        const qreal left = (width() - inRow * cell) / 2.0;
        const QPointF centre(left + cell * (i % 3 + 0.5), top + cell * (i / 3 + 0.5));
        painter.drawEllipse(centre, radius, radius);
    }
}

} // namespace lexel
