#include "FocusRing.h"

#include <QPainter>

namespace lexel {
namespace {

constexpr int Width = 2;
constexpr int Margin = 2; // outside the control, so its letter stays clear

} // namespace

FocusRing::FocusRing(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::Follow(QWidget* target) {
    if (target == nullptr || target->parentWidget() == nullptr) {
        hide();
        return;
    }
    if (parentWidget() != target->parentWidget()) {
        setParent(target->parentWidget());
    }
    setGeometry(target->geometry().adjusted(-Margin, -Margin, Margin, Margin));
    raise();
    show();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), Width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(Width / 2.0, Width / 2.0, -Width / 2.0, -Width / 2.0));
}

} // namespace lexel
