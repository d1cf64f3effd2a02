#include "BarChart.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>

namespace lexel {
namespace {

constexpr qreal BarShare = 0.6; // of a bar's slot, the rest is space between bars
constexpr qreal ApartFill = 0.35;

QAccessibleInterface* ChartInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("lexel::BarChart") && object != nullptr &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    }
    return nullptr;
}

} // namespace

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
    static const bool described = (QAccessible::installFactory(ChartInterface), true);
    (void)described;
}

void BarChart::SetTitle(const QString& title) {
    title_ = title;
    update();
}

void BarChart::SetBars(std::vector<Bar> bars) {
    bars_ = std::move(bars);
    update();
}

void BarChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const QColor text = palette().color(QPalette::WindowText);
    const QColor bar = palette().color(QPalette::Highlight);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(text);
    painter.drawText(QRect(0, 0, width(), line), Qt::AlignLeft | Qt::AlignVCenter, title_);
    painter.setFont(font());
    if (bars_.empty()) {
        return;
    }

    // Every bar gets the same slot; a bar set apart gets room for its label and a gap before it.
    int apartWidth = 0;
    int together = 0;
    for (const auto& b : bars_) {
        apartWidth += b.apart ? metrics.horizontalAdvance(b.label) + line + line / 2 : 0;
        together += b.apart ? 0 : 1;
    }
    const int slot = std::max(1, (width() - apartWidth) / std::max(1, together));
    const int baseline = height() - line - 2;
    const int top = 2 * line; // the title and a value above the tallest bar
    qint64 largest = 1;
    for (const auto& b : bars_) {
        largest = std::max(largest, b.value);
    }
    int left = 0;
    for (const auto& b : bars_) {
        const int width = b.apart ? metrics.horizontalAdvance(b.label) + line : slot;
        left += b.apart ? line / 2 : 0;
        const int barWidth = std::max(2, static_cast<int>(std::min(slot, width) * BarShare));
        const int height = static_cast<int>((baseline - top) * std::max<qint64>(b.value, 0) /
                                            static_cast<double>(largest));
        const QRect shape(left + (width - barWidth) / 2, baseline - height, barWidth, height);
        QColor fill = bar;
        if (b.apart) {
            fill.setAlphaF(ApartFill);
            painter.setPen(bar);
            painter.drawRect(shape.adjusted(0, 0, -1, -1));
        }
        painter.fillRect(shape, fill);
        painter.setPen(text);
        painter.drawText(QRect(left, shape.top() - line, width, line), Qt::AlignCenter,
                         QString::number(b.value));
        painter.drawText(QRect(left, baseline + 2, width, line), Qt::AlignCenter, b.label);
        left += width;
    }
    painter.drawLine(0, baseline, left, baseline);
}

} // namespace lexel
