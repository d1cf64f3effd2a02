#include "BarChart.h"

#include <QPainter>
#include <algorithm>

namespace lexel {
namespace {

constexpr qreal BarShare = 0.6; // of a bar's slot, the rest is space between bars
constexpr int ValueGap = 2;     // pixels between the values of neighbouring bars
constexpr qreal ShrinkStep = 0.9;
constexpr qreal MinimumPoints = 3;

} // namespace

BarChart::BarChart(QWidget* parent) : Chart(parent) {}

void BarChart::SetBars(std::vector<Bar> bars) {
    bars_ = std::move(bars);
    update();
}

void BarChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int line = fontMetrics().height();
    PaintTitle(painter);
    painter.setPen(palette().color(QPalette::WindowText));
    qint64 largest = 1;
    for (const auto& b : bars_) {
        largest = std::max(largest, b.value);
    }
    const int slot = std::max(1, width() / std::max<int>(1, static_cast<int>(bars_.size())));
    const QFont valueFont = ValueFont(slot);
    const int baseline = height() - line - 2;
    int left = 0;
    for (const auto& b : bars_) {
        // Above the baseline: a value over the tallest bar, under the title.
        const int height = static_cast<int>((baseline - 2 * line) * std::max<qint64>(b.value, 0) /
                                            static_cast<double>(largest));
        PaintBar(painter, b, QRect(left, baseline - height, slot, height), valueFont);
        left += slot;
    }
    painter.drawLine(0, baseline, left, baseline);
}

// The widget's font, made smaller until the widest value fits its slot: every value the same
// size, so none looks more important.
QFont BarChart::ValueFont(int slot) const {
    QFont font = this->font();
    const auto widest = [&] {
        int most = 0;
        for (const auto& b : bars_) {
            most = std::max(most, QFontMetrics(font).horizontalAdvance(Grouped(b.value)));
        }
        return most;
    };
    while (widest() > slot - ValueGap && font.pointSizeF() > MinimumPoints) {
        font.setPointSizeF(std::max(MinimumPoints, font.pointSizeF() * ShrinkStep));
    }
    return font;
}

// `column`: the bar's slot from its top to the baseline; the value goes above, the label below.
void BarChart::PaintBar(QPainter& painter, const Bar& bar, const QRect& column,
                        const QFont& valueFont) {
    const int line = fontMetrics().height();
    const int barWidth = std::max(2, static_cast<int>(column.width() * BarShare));
    const QRect shape(column.left() + (column.width() - barWidth) / 2, column.top(), barWidth,
                      column.height());
    painter.fillRect(shape, palette().color(QPalette::Highlight));
    painter.save();
    painter.setFont(valueFont);
    painter.drawText(QRect(column.left(), column.top() - line, column.width(), line),
                     Qt::AlignHCenter | Qt::AlignBottom, Grouped(bar.value));
    painter.restore();
    painter.drawText(QRect(column.left(), column.bottom() + 3, column.width(), line),
                     Qt::AlignCenter, bar.label);
}

} // namespace lexel
