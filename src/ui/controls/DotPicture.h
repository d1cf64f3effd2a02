#pragma once

// The dots of an evaluated line, drawn by the program so they stay crisp at any scale:
// n black or n white dots (0..6), or the empty picture of a line not evaluated yet.

#include <QWidget>

namespace lexel {

class DotPicture : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Empty, Black, White };

    explicit DotPicture(QWidget* parent = nullptr);

    void ShowDots(Kind kind, int count);
    void ShowEmpty() { ShowDots(Kind::Empty, 0); }
    Kind kind() const { return kind_; }
    int count() const { return count_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_ = Kind::Empty;
    int count_ = 0;
};

} // namespace lexel
