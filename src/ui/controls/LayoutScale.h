#pragma once

// A window drawn at more than one scale: each control keeps the twips rectangle it was placed
// at, and the window's layout is drawn again from those rectangles at a new scale, fonts
// included, so text and shapes stay sharp at every size.

#include <QRect>

class QWidget;

namespace lexel {

// Places `control` at `twips` at the zoom and keeps the rectangle for later scales.
void PlaceInTwips(QWidget* control, QRect twips);
QRect PlacedTwips(const QWidget* control);

// Every control under `root` placed in twips goes to its place at `scale`; the root's text and
// every font set on a control of its own grow and shrink with it.
void ScaleLayout(QWidget* root, double scale);

} // namespace lexel
