#include "BarChart.h"

#include <QPainter>
#include <algorithm>

namespace lexel {
namespace {

constexpr qreal BarShare = 0.6; // of a bar's slot, the rest is space between bars
constexpr qreal ApartFill = 0.35;

} // namespace

BarChart::BarChart(QWidget* parent) : Chart(parent) {}

void BarChart::SetBars(std::vector<Bar> bars) {
    bars_ = std::move(bars);
    update();
}

void BarChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    PaintTitle(painter);
    painter.setPen(palette().color(QPalette::WindowText));

    // Every bar gets the same slot; a bar set apart gets room for its label and a gap before it.
    int apartWidth = 0;
    int together = 0;
    qint64 largest = 1;
    for (const auto& b : bars_) {
        apartWidth += b.apart ? metrics.horizontalAdvance(b.label) + line + line / 2 : 0;
        together += b.apart ? 0 : 1;
        largest = std::max(largest, b.value);
    }
    const int slot = std::max(1, (width() - apartWidth) / std::max(1, together));
    const int baseline = height() - line - 2;
    int left = 0;
    for (const auto& b : bars_) {
        left += b.apart ? line / 2 : 0;
        const int width = b.apart ? metrics.horizontalAdvance(b.label) + line : slot;
        // Above the baseline: a value over the tallest bar, under the title.
        const int height = static_cast<int>((baseline - 2 * line) * std::max<qint64>(b.value, 0) /
                                            static_cast<double>(largest));
        PaintBar(painter, b, QRect(left, baseline - height, width, height), slot);
        left += width;
    }
    painter.drawLine(0, baseline, left, baseline);
}

// `column`: the bar's slot from its top to the baseline; the value goes above, the label below.
void BarChart::PaintBar(QPainter& painter, const Bar& bar, const QRect& column, int slot) {
    const int line = fontMetrics().height();
    const int barWidth = std::max(2, static_cast<int>(std::min(slot, column.width()) * BarShare));
    const QRect shape(column.left() + (column.width() - barWidth) / 2, column.top(), barWidth,
                      column.height());
    QColor fill = palette().color(QPalette::Highlight);
    if (bar.apart) {
        painter.setPen(fill);
        painter.drawRect(shape.adjusted(0, 0, -1, -1));
        fill.setAlphaF(ApartFill);
    }
    painter.fillRect(shape, fill);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(column.left(), column.top() - line, column.width(), line),
                     Qt::AlignCenter, QString::number(bar.value));
    painter.drawText(QRect(column.left(), column.bottom() + 3, column.width(), line),
                     Qt::AlignCenter, bar.label);
}

} // namespace lexel
