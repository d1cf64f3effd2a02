#pragma once

// The column of dots beside the guess lines: each evaluated line's black and white dots.

#include <QObject>
#include <array>

class QGroupBox;
class QWidget;

namespace lexel {

class Board;
class LineResultView;

class DotColumn : public QObject {
    Q_OBJECT

public:
    DotColumn(QWidget* client, QObject* parent);

    LineResultView* Line(int line) const { return lines_.at(static_cast<std::size_t>(line)); }
    void Draw(const Board& board);
    // Names each line's dots after its outcome, for screen readers.
    void Describe();
    // That name: "Line 2: 1 black, 2 white".
    QString Outcome(int line) const;

private:
    QGroupBox* frame_ = nullptr;
    std::array<LineResultView*, 9> lines_{};
};

} // namespace lexel
