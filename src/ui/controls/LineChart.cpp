#include "LineChart.h"

#include "core/rules/AxisTicks.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace lexel {
namespace {

constexpr std::array<Qt::PenStyle, 4> Dashes{Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                             Qt::DashDotLine};
constexpr qreal LineWidth = 1.5;
constexpr qreal MarkerRadius = 2.5;
// Fewer value steps than text lines fit beside the axis, so the values stand apart.
constexpr int LinesPerTick = 2;

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

// A circle, a square, a triangle and a diamond, by series, around `at`.
void PaintMarker(QPainter& painter, std::size_t index, QPointF at) {
    const qreal r = MarkerRadius;
    switch (index % 4) {
    case 0:
        painter.drawEllipse(at, r, r);
        break;
    case 1:
        painter.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
        break;
    case 2:
        painter.drawPolygon(QPolygonF{{at.x(), at.y() - r - 0.5},
                                      {at.x() + r + 0.5, at.y() + r},
                                      {at.x() - r - 0.5, at.y() + r}});
        break;
    default:
        painter.drawPolygon(QPolygonF{{at.x(), at.y() - r - 1},
                                      {at.x() + r + 1, at.y()},
                                      {at.x(), at.y() + r + 1},
                                      {at.x() - r - 1, at.y()}});
        break;
    }
}

} // namespace

LineChart::LineChart(QWidget* parent) : Chart(parent) {}

void LineChart::SetAxis(int places, const QString& first, const QString& last) {
    places_ = std::max(1, places);
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
    const int plotHeight = height() - 3 * line - line / 2 - 2;
    const auto ticks = AxisTicks(largest, std::max(1, plotHeight / (LinesPerTick * line)));
    // Without a value above 0 the axis bears only its 0.
    const QRect plot = PaintAxes(painter, line, largest > 0 ? ticks : decltype(ticks){0});
    PaintSeries(painter, plot, ticks.back());
}

// The axes with the round values beside the y axis, each with a faint line across, and the two
// captions under the x axis; returns the area inside them.
QRect LineChart::PaintAxes(QPainter& painter, int line, const std::vector<std::int64_t>& ticks) {
    int labelWidth = 0;
    for (const auto tick : ticks) {
        labelWidth = std::max(labelWidth, fontMetrics().horizontalAdvance(Grouped(tick)));
    }
    const int left = labelWidth + line / 2;
    const QRect plot(left, 2 * line + line / 2, width() - left - 2,
                     height() - 3 * line - line / 2 - 2);
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const QPen text = painter.pen();
    for (const auto tick : ticks) {
        const int y =
            plot.bottom() -
            static_cast<int>(std::lround(plot.height() * tick / static_cast<double>(ticks.back())));
        painter.setPen(text);
        painter.drawText(QRect(0, y - line / 2, left - line / 4, line), right, Grouped(tick));
        painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
        painter.drawLine(plot.left(), y, plot.right(), y);
    }
    painter.setPen(text);
    const QRect under(left, plot.bottom() + 2, plot.width(), line);
    painter.drawText(under, Qt::AlignLeft | Qt::AlignVCenter, first_);
    painter.drawText(under, right, last_);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    return plot;
}

// Places stand a marker's width inside the axes, so no marker is cut; a single place stands in
// the middle.
qreal LineChart::PlaceX(const QRect& plot, int place) const {
    const qreal inset = 2 * MarkerRadius + LineWidth;
    if (places_ == 1) {
        return plot.left() + plot.width() / 2.0;
    }
    return plot.left() + inset + (plot.width() - 2 * inset) * place / (places_ - 1);
}

void LineChart::PaintSeries(QPainter& painter, const QRect& plot, qint64 top) {
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < series_.size(); ++i) {
        const auto& values = series_[i].values;
        const auto shown = static_cast<int>(std::min(values.size(), std::size_t(places_)));
        std::vector<QPointF> points;
        QPainterPath path;
        for (int k = 0; k < shown; ++k) {
            const auto value = std::max<qint64>(values[values.size() - shown + k], 0);
            points.emplace_back(PlaceX(plot, places_ - shown + k),
                                plot.bottom() - plot.height() * value / static_cast<qreal>(top));
            k == 0 ? path.moveTo(points.back()) : path.lineTo(points.back());
        }
        const QPen pen = SeriesPen(palette(), i);
        painter.strokePath(path, pen);
        painter.setPen(QPen(pen.color(), 1));
        painter.setBrush(pen.color());
        for (const auto& point : points) {
            PaintMarker(painter, i, point);
        }
    }
}

// One row under the title: a short stretch of each series' line with its marker, then its
// name.
void LineChart::PaintLegend(QPainter& painter, int line) {
    const int sample = line * 3 / 2;
    int left = 0;
    for (std::size_t i = 0; i < series_.size(); ++i) {
        const int middle = line + line / 2;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        const QPen pen = SeriesPen(palette(), i);
        painter.setPen(pen);
        painter.drawLine(QPointF(left, middle), QPointF(left + sample, middle));
        painter.setPen(QPen(pen.color(), 1));
        painter.setBrush(pen.color());
        PaintMarker(painter, i, QPointF(left + sample / 2.0, middle));
        painter.restore();
        left += sample + line / 4;
        const int nameWidth = painter.fontMetrics().horizontalAdvance(series_[i].name);
        painter.drawText(QRect(left, line, nameWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                         series_[i].name);
        left += nameWidth + line / 2 + line / 4;
    }
}

} // namespace lexel
