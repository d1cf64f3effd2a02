#include "LineResultView.h"

#include "Twips.h"
#include "core/base/LineResult.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>

namespace lexel {
namespace {

// Up to three dots in a row, four to six in two rows, centred in `square`.
void PaintDots(QPainter& painter, const QRectF& square, int count) {
    const qreal cell = std::min(square.width(), square.height()) / 3.0;
    const qreal radius = cell * 0.38;
    const int rows = count > 3 ? 2 : 1;
    const qreal top = square.top() + (square.height() - rows * cell) / 2.0;
    for (int i = 0; i < count; ++i) {
        const int inRow = i < 3 ? std::min(count, 3) : count - 3;
        const qreal left = square.left() + (square.width() - inRow * cell) / 2.0;
        painter.drawEllipse(QPointF(left + cell * (i % 3 + 0.5), top + cell * (i / 3 + 0.5)),
                            radius, radius);
    }
}

// A screen reader reads the outcome as text, not as an anonymous filler.
QAccessibleInterface* LineResultInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("lexel::LineResultView") && object != nullptr &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    }
    return nullptr;
}

} // namespace

LineResultView::LineResultView(QWidget* parent) : QWidget(parent) {
    static const bool described = (QAccessible::installFactory(LineResultInterface), true);
    (void)described;
}

void LineResultView::ShowResult(int black, int white) {
    evaluated_ = true;
    black_ = std::clamp(black, 0, MaxDots);
    white_ = std::clamp(white, 0, MaxDots);
    update();
}

void LineResultView::ShowEmpty() {
    evaluated_ = false;
    black_ = white_ = 0;
    update();
}

void LineResultView::paintEvent(QPaintEvent*) {
    if (!evaluated_) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = height();
    // The outline takes the text colour, so black dots stay visible on a dark background.
    painter.setPen(QPen(palette().color(QPalette::WindowText), std::max(1.0, side / 30.0)));
    painter.setBrush(Qt::black);
    PaintDots(painter, QRectF(0, 0, side, side), black_);
    painter.setBrush(Qt::white);
    // The white square's offset as a share of the width, so the dots follow the scale.
    const qreal whiteLeft = width() * static_cast<qreal>(WhiteDotsLeft - BlackDotsLeft) /
                            (WhiteDotsLeft + DotsSquare - BlackDotsLeft);
    PaintDots(painter, QRectF(whiteLeft, 0, side, side), white_);
}

} // namespace lexel
