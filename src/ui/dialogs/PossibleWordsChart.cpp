#include "PossibleWordsChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace lexel {
namespace {

constexpr int Margin = 12;
constexpr int LeftAxis = 48;   // room for the counts
constexpr int BottomAxis = 24; // room for the line numbers

double LogOf(int count) {
    return std::log10(std::max(count, 1));
}

} // namespace

PossibleWordsChart::PossibleWordsChart(std::vector<LineCut> cuts, QWidget* parent) : Chart(parent) {
    setObjectName(QStringLiteral("possibleWordsChart"));
    setMinimumSize(sizeHint());
    if (!cuts.empty()) {
        points_.push_back({tr("Start"), cuts.front().before});
    }
    const auto* deepest = DeepestCut(cuts);
    QStringList described;
    for (const auto& cut : cuts) {
        if (&cut == deepest) {
            deepest_ = static_cast<int>(points_.size());
        }
        points_.push_back({QString::number(cut.shown.line + 1), cut.after});
    }
    for (const auto& point : points_) {
        described << tr("%1: %2").arg(point.label).arg(point.count);
    }
    setAccessibleName(tr("Possible words by line"));
    setAccessibleDescription(described.join(QStringLiteral("; ")));
}

void PossibleWordsChart::paintEvent(QPaintEvent*) {
    if (points_.empty()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot(LeftAxis, Margin, width() - LeftAxis - Margin,
                      height() - Margin - BottomAxis);
    const auto& pal = palette();
    painter.setPen(QPen(pal.color(QPalette::WindowText), 1));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    // Powers of ten up to the first count, so 1, 10, 100 and 1000 sit where a reader expects.
    const int decades = std::max(1, static_cast<int>(std::ceil(LogOf(points_.front().count))));
    const auto yOf = [&](int count) {
        return plot.bottom() - LogOf(count) / decades * plot.height();
    };
    const double step = points_.size() > 1 ? plot.width() / (points_.size() - 1) : 0;
    const auto xOf = [&](std::size_t i) { return plot.left() + step * i; };
    painter.setPen(QPen(pal.color(QPalette::PlaceholderText), 1, Qt::DotLine));
    for (int d = 0; d <= decades; ++d) {
        const int value = static_cast<int>(std::pow(10, d));
        const double y = yOf(value);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.save();
        painter.setPen(pal.color(QPalette::WindowText));
        painter.drawText(QRectF(0, y - 8, LeftAxis - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(value));
        painter.restore();
    }

    QPainterPath path;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const QPointF at(xOf(i), yOf(points_[i].count));
        i == 0 ? path.moveTo(at) : path.lineTo(at);
        painter.setPen(pal.color(QPalette::WindowText));
        painter.drawText(QRectF(at.x() - 30, plot.bottom() + 4, 60, BottomAxis - 4),
                         Qt::AlignHCenter | Qt::AlignTop, points_[i].label);
    }
    painter.setPen(QPen(pal.color(QPalette::Highlight), 2));
    painter.drawPath(path);
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const QPointF at(xOf(i), yOf(points_[i].count));
        const bool deepest = static_cast<int>(i) == deepest_;
        if (deepest) {
            painter.setPen(QPen(pal.color(QPalette::Highlight), 4));
            painter.drawLine(QPointF(xOf(i - 1), yOf(points_[i - 1].count)), at);
        }
        painter.setBrush(pal.color(QPalette::Highlight));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(at, deepest ? 5 : 3.5, deepest ? 5 : 3.5);
        painter.setPen(pal.color(QPalette::WindowText));
        painter.drawText(QRectF(at.x() + 4, at.y() - 18, 60, 16), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(points_[i].count));
    }
}

} // namespace lexel
