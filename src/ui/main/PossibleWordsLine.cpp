#include "PossibleWordsLine.h"

#include "MainLayout.h"
#include "ui/controls/Controls.h"

#include <QLabel>

namespace lexel {

PossibleWordsLine::PossibleWordsLine(QWidget* client, QObject* parent) : QObject(parent) {
    label_ = PlaceLabel(client, QStringLiteral("possibleWordsLabel"),
                        {120, MainClientHeight, MainClientWidth - 240, PossibleWordsHeight},
                        Qt::AlignLeft | Qt::AlignVCenter);
    label_->setFocusPolicy(Qt::TabFocus); // Tab reaches the count, for a screen reader
    label_->hide();
}

void PossibleWordsLine::Translate() {
    Show(count_);
}

void PossibleWordsLine::Show(std::optional<int> count) {
    count_ = count;
    label_->setText(count ? tr("Possible words: %1").arg(*count) : QString());
}

void PossibleWordsLine::setVisible(bool visible) {
    visible_ = visible;
    label_->setVisible(visible);
}

int PossibleWordsLine::LayoutHeight() const {
    return MainClientHeight + (visible_ ? PossibleWordsHeight : 0);
}

} // namespace lexel
