#include "Controls.h"

#include <QLabel>
#include <QPushButton>

namespace lexel {

QPushButton* PlaceButton(QWidget* parent, const QString& name, QRect twips) {
    auto* button = Place<QPushButton>(parent, name, twips);
    button->setAutoDefault(false);
    return button;
}

QLabel* PlaceLabel(QWidget* parent, const QString& name, QRect twips, Qt::Alignment alignment) {
    auto* label = Place<QLabel>(parent, name, twips);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    return label;
}

} // namespace lexel
