#pragma once

// A line chart drawn by the program in colours taken from the palette, so it stays crisp at any
// scale and readable on a dark desktop: a title with a legend beside it, then one line per
// series over a common x axis of evenly spaced places, each series ending on the right with its
// last value. Every value is marked, so equal values on a straight line still show one by one.
// The y axis runs from 0 in round steps to the first step above the largest value. Series
// differ in colour, dash and marker, for readers who cannot tell the colours apart. A screen
// reader meets it as one chart, described by whoever fills it.

#include "Chart.h"

#include <cstdint>
#include <vector>

class QPainter;

namespace lexel {

class LineChart : public Chart {
    Q_OBJECT

public:
    struct Series {
        QString name;
        std::vector<qint64> values;
    };

    explicit LineChart(QWidget* parent = nullptr);

    // `places`: the positions on the x axis, the last values of a longer series shown.
    // `first` and `last` are written under the two ends of the axis.
    void SetAxis(int places, const QString& first, const QString& last);
    void SetSeries(std::vector<Series> series);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintLegend(QPainter& painter, int line);
    QRect PaintAxes(QPainter& painter, int line, const std::vector<std::int64_t>& ticks);
    void PaintSeries(QPainter& painter, const QRect& plot, qint64 top);
    qreal PlaceX(const QRect& plot, int place) const;

    QString first_;
    QString last_;
    int places_ = 1;
    std::vector<Series> series_;
};

} // namespace lexel
