#include "TimerBox.h"

#include "core/rules/GameTimer.h"
#include "ui/controls/Controls.h"

#include <QGroupBox>
#include <QLabel>

namespace lexel {

TimerBox::TimerBox(QWidget* client, QObject* parent) : QObject(parent) {
    box_ = Place<QGroupBox>(client, QStringLiteral("timerBox"), {4290, 450, 2685, 675});
    time_ = PlaceLabel(box_, QStringLiteral("timeLabel"), {75, 225, 2490, 315}, Qt::AlignCenter);
    Show(0);
}

void TimerBox::Translate() {
    box_->setTitle(tr("Used Time"));
    time_->setAccessibleName(tr("Used time"));
}

// The label's name says what it counts, so the time itself goes to the description; it
// changes once a second, not at every tick that tells a screen reader about it.
void TimerBox::Show(std::int32_t seconds) {
    const auto text = QString::fromStdString(FormatElapsed(seconds));
    if (time_->text() != text) {
        time_->setText(text);
    }
    if (time_->accessibleDescription() != text) {
        time_->setAccessibleDescription(text);
    }
}

void TimerBox::setVisible(bool visible) {
    box_->setVisible(visible);
}

} // namespace lexel
