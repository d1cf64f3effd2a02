#include "LineChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace lexel {
namespace {

constexpr std::array<Qt::PenStyle, 4> Dashes{Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                             Qt::DashDotLine};
constexpr qreal LineWidth = 1.5;

// The highlight colour's hue turned a quarter further for each series, dark on a light window
// and light on a dark one.
QPen SeriesPen(const QPalette& palette, std::size_t index) {
    const QColor highlight = palette.color(QPalette::Highlight);
    const bool darkWindow = palette.color(QPalette::Window).lightnessF() < 0.5;
    const qreal hue = std::fmod(std::max<qreal>(highlight.hslHueF(), 0) + 0.25 * index, 1.0);
    QPen pen(QColor::fromHslF(hue, 0.8, darkWindow ? 0.68 : 0.38), LineWidth);
    pen.setStyle(Dashes[index % Dashes.size()]);
    return pen;
}

} // namespace

LineChart::LineChart(QWidget* parent) : Chart(parent) {}

void LineChart::SetAxis(int places, const QString& first, const QString& last) {
    places_ = std::max(2, places);
    first_ = first;
    last_ = last;
    update();
}

void LineChart::SetSeries(std::vector<Series> series) {
    series_ = std::move(series);
    update();
}

void LineChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int line = fontMetrics().height();
    PaintTitle(painter);
    painter.setPen(palette().color(QPalette::WindowText));
    PaintLegend(painter, line);
    qint64 largest = 0;
    for (const auto& s : series_) {
        for (const auto value : s.values) {
            largest = std::max(largest, value);
        }
    }
    const QRect plot = PaintAxes(painter, line, largest);
    PaintSeries(painter, plot, std::max<qint64>(largest, 1));
}

// The axes with 0 and `largest` beside the y axis (nothing there without a value) and the two
// captions under the x axis; returns the area inside them.
QRect LineChart::PaintAxes(QPainter& painter, int line, qint64 largest) {
    const QString top = largest > 0 ? QString::number(largest) : QString();
    const int left = fontMetrics().horizontalAdvance(top) + line / 2;
    const QRect plot(left, 2 * line + line / 2, width() - left - 2,
                     height() - 3 * line - line / 2 - 2);
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    painter.drawText(QRect(0, plot.top() - line / 2, left - line / 4, line), right, top);
    painter.drawText(QRect(0, plot.bottom() - line / 2, left - line / 4, line), right,
                     QStringLiteral("0"));
    const QRect under(left, plot.bottom() + 2, plot.width(), line);
    painter.drawText(under, Qt::AlignLeft | Qt::AlignVCenter, first_);
    painter.drawText(under, right, last_);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    painter.drawLine(plot.topLeft(), plot.topRight());
    return plot;
}

void LineChart::PaintSeries(QPainter& painter, const QRect& plot, qint64 largest) {
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal step = plot.width() / static_cast<qreal>(places_ - 1);
    for (std::size_t i = 0; i < series_.size(); ++i) {
        const auto& values = series_[i].values;
        const std::size_t shown = std::min(values.size(), static_cast<std::size_t>(places_));
        QPainterPath path;
        for (std::size_t k = 0; k < shown; ++k) {
            const auto value = std::max<qint64>(values[values.size() - shown + k], 0);
            const QPointF point(plot.right() - step * (shown - 1 - k),
                                plot.bottom() -
                                    plot.height() * value / static_cast<qreal>(largest));
            k == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        const QPen pen = SeriesPen(palette(), i);
        painter.strokePath(path, pen);
        if (shown > 0) { // the latest game stands out, and a lone one shows at all
            painter.setPen(Qt::NoPen);
            painter.setBrush(pen.color());
            painter.drawEllipse(path.currentPosition(), LineWidth * 1.5, LineWidth * 1.5);
        }
    }
}

// One row under the title: a short stretch of each series' line, then its name.
void LineChart::PaintLegend(QPainter& painter, int line) {
    const int sample = line * 3 / 2;
    int left = 0;
    for (std::size_t i = 0; i < series_.size(); ++i) {
        const int middle = line + line / 2;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(SeriesPen(palette(), i));
        painter.drawLine(QPointF(left, middle), QPointF(left + sample, middle));
        painter.restore();
        left += sample + line / 4;
        const int nameWidth = painter.fontMetrics().horizontalAdvance(series_[i].name);
        painter.drawText(QRect(left, line, nameWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                         series_[i].name);
        left += nameWidth + line / 2 + line / 4;
    }
}

} // namespace lexel
