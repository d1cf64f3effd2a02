#pragma once

// The "Used Time" box: the time spent on the game, hh:mm:ss.

#include <QObject>
#include <cstdint>

class QGroupBox;
class QLabel;
class QWidget;

namespace lexel {

class TimerBox : public QObject {
    Q_OBJECT

public:
    TimerBox(QWidget* client, QObject* parent);
    void Translate();
    void Show(std::int32_t seconds);
    void setVisible(bool visible);

private:
    QGroupBox* box_ = nullptr;
    QLabel* time_ = nullptr;
};

} // namespace lexel
