#pragma once

// What the game's charts share: a screen reader meets each as one chart (its data told in the
// description whoever fills it sets), and each may stand under a bold title line. Drawn by the
// program in the palette's colours, so they stay crisp at any scale and readable on a dark
// desktop.

#include <QWidget>

class QPainter;

namespace lexel {

class Chart : public QWidget {
    Q_OBJECT

public:
    explicit Chart(QWidget* parent = nullptr);
    void SetTitle(const QString& title);

    // `value` with its digits grouped as the interface language writes them: 111,111 or
    // 111.111.
    static QString Grouped(qint64 value);

protected:
    // Paints the title, if any, in the top line; returns the height it took.
    int PaintTitle(QPainter& painter) const;

private:
    QString title_;
};

} // namespace lexel
