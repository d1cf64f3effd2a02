#pragma once

// A small chart of how the possible words fell: the evaluated lines along, the count of words
// up on a log scale, the line that cut the most drawn stronger.

#include "core/rules/PossibleWords.h"
#include "ui/controls/Chart.h"

#include <vector>

namespace lexel {

class PossibleWordsChart : public Chart {
    Q_OBJECT

public:
    explicit PossibleWordsChart(std::vector<LineCut> cuts, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {420, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Point {
        QString label; // "Start" or the line number
        int count = 0;
    };
    std::vector<Point> points_;
    int deepest_ = -1; // the point the deepest cut ends at
};

} // namespace lexel
