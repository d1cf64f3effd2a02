#include "LetterButtonView.h"

#include "MarkSymbol.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lexel {
namespace {

constexpr int Pixels = 25; // the button as designed: 25 x 25 pixels
const QColor White(255, 255, 255);
const QColor Dark(64, 64, 64);
const QColor Shade(128, 128, 128);

QColor ToColor(Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

// What a screen reader meets: a button named after its letter, with a press action that does
// what a left click does.
class LetterButtonAccessible : public QAccessibleWidget {
public:
    explicit LetterButtonAccessible(LetterButtonView* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            static_cast<LetterButtonView*>(widget())->Press();
        }
    }
};

QAccessibleInterface* LetterButtonInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("lexel::LetterButtonView") && object != nullptr &&
        object->isWidgetType()) {
        return new LetterButtonAccessible(static_cast<LetterButtonView*>(object));
    }
    return nullptr;
}

} // namespace

Rgb FaceColor(LetterColor color) {
    switch (color) {
    case LetterColor::Green:
        return {64, 240, 64};
    case LetterColor::Gray:
        return {212, 208, 200};
    default:
        return ColorValue(color);
    }
}

LetterButtonView::LetterButtonView(Panel panel, int index, QWidget* parent)
    : QWidget(parent), panel_(panel), index_(index) {
    setObjectName(
        QStringLiteral("%1_%2")
            .arg(panel == Panel::Used ? QLatin1String("usedLetter") : QLatin1String("unusedLetter"))
            .arg(index));
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The letter is painted, not a text of the widget: a screen reader learns it from here.
    setAccessibleName(QString(letter()));
    static const bool described = (QAccessible::installFactory(LetterButtonInterface), true);
    (void)described;
}

void LetterButtonView::Press() {
    const QPoint centre = mapToGlobal(rect().center());
    emit pressed(Qt::LeftButton, centre);
    emit released(Qt::LeftButton);
}

void LetterButtonView::SetLook(const LetterButton& button) {
    if (button.color != look_.color || button.sunken != look_.sunken) {
        look_ = button;
        update();
    }
}

// The design's pixels scaled to the widget: one design pixel is width / 25 on each side.
void LetterButtonView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal unit = static_cast<qreal>(width()) / Pixels;
    const auto pixels = [&](int x, int y, int w, int h, const QColor& color) {
        painter.fillRect(QRectF(x * unit, y * unit, w * unit, h * unit), color);
    };
    const QColor face = ToColor(FaceColor(look_.color));
    const int n = Pixels;
    pixels(0, 0, n, n, face);
    if (look_.sunken) {
        pixels(0, 0, n, 1, Dark);
        pixels(0, 0, 1, n, Dark);
        pixels(1, 1, n - 2, 1, Shade);
        pixels(1, 1, 1, n - 2, Shade);
        pixels(0, n - 1, n, 1, White);
        pixels(n - 1, 0, 1, n, White);
    } else {
        pixels(0, 0, n - 1, 1, White); // the top-right pixel stays dark
        pixels(0, 0, 1, n, White);
        pixels(0, n - 1, n, 1, Dark);
        pixels(n - 1, 0, 1, n, Dark);
        pixels(1, n - 2, n - 2, 1, Shade);
        pixels(n - 2, 1, 1, n - 2, Shade);
    }
    QFont font = this->font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const qreal shift = look_.sunken ? unit : 0.0; // the face moves one pixel right and down
    painter.drawText(QRectF(shift, shift, width(), height()), Qt::AlignCenter, QString(letter()));
    if (symbols_) {
        DrawMarkSymbol(painter, QRectF(shift, shift, width(), height()), look_.color);
    }
}

void LetterButtonView::SetSymbols(bool on) {
    if (on != symbols_) {
        symbols_ = on;
        update();
    }
}

void LetterButtonView::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->globalPosition().toPoint());
}

void LetterButtonView::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button());
}

// The keys of a right and a left click.
void LetterButtonView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        emit pressed(Qt::RightButton, mapToGlobal(rect().center()));
    } else if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        Press();
    } else {
        QWidget::keyPressEvent(event);
    }
}

} // namespace lexel
