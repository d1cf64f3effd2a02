#pragma once

// A ring drawn around the control that holds the focus, for controls that draw no focus of
// their own (the board's letters and dots, the letter buttons): a keyboard player sees where
// the reading is. It lies over the control and lets every click through.

#include <QWidget>

namespace lexel {

class FocusRing : public QWidget {
    Q_OBJECT

public:
    explicit FocusRing(QWidget* parent = nullptr);
    // Around `target`; none when it is null.
    void Follow(QWidget* target);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lexel
