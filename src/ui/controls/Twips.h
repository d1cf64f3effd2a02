#pragma once

// Window layouts are given in twips, 1/1440 inch: 15 twips are one pixel at 96 dpi with the
// font the layouts were made for. Sizes follow the screen's logical dpi, and grow with a
// system font that is wider than that one, so every caption still fits its control; Qt's
// device pixel ratio then takes care of 2x screens. On top of that every window is drawn at
// the player's zoom, a scale of 1.0 being the layout as it was made.

#include <QFont>
#include <QRect>

namespace lexel {

// The scale windows are built at from now on.
void SetLayoutZoom(double scale);
double LayoutZoom();

int Twips(int twips);
QRect TwipsRect(int left, int top, int width, int height);
// The same at a scale of its own, for a window that scales to its size.
int Twips(int twips, double scale);
QRect TwipsRect(QRect twips, double scale);

inline constexpr double LayoutTextPoints = 8.0; // the size of the layouts' text

// The system's font at `points` of the layouts, at the zoom.
QFont LayoutFont(double points = LayoutTextPoints);
QFont LayoutFont(double points, double scale);

} // namespace lexel
