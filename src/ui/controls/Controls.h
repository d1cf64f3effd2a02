#pragma once

// The windows' controls, placed in twips under the name by which tests, shortcuts and screen
// readers find them.

#include "LayoutScale.h"
#include "Twips.h"

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace lexel {

template <typename Control> Control* Place(QWidget* parent, const QString& name, QRect twips) {
    auto* control = new Control(parent);
    control->setObjectName(name);
    PlaceInTwips(control, twips);
    return control;
}

// A push button that Enter never presses: in these windows Enter belongs to the default action.
QPushButton* PlaceButton(QWidget* parent, const QString& name, QRect twips);

// A label that shows stored text as it is, never as markup.
QLabel* PlaceLabel(QWidget* parent, const QString& name, QRect twips, Qt::Alignment alignment);

} // namespace lexel
