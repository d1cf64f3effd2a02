#pragma once

// A bar chart drawn by the program in the palette's colours, so it stays crisp at any scale
// and readable on a dark desktop: a title, then one bar per value with the value above it and
// its label below, all on one scale from 0. A value wider than its bar's slot is written
// smaller rather than cut. A screen reader meets it as one chart, described by whoever fills
// it.

#include "Chart.h"

#include <vector>

class QPainter;

namespace lexel {

class BarChart : public Chart {
    Q_OBJECT

public:
    struct Bar {
        QString label;
        qint64 value = 0;
    };

    explicit BarChart(QWidget* parent = nullptr);

    void SetBars(std::vector<Bar> bars);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont ValueFont(int slot) const;
    void PaintBar(QPainter& painter, const Bar& bar, const QRect& column, const QFont& valueFont);

    std::vector<Bar> bars_;
};

} // namespace lexel
