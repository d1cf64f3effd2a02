#pragma once

// Window layouts are given in twips, 1/1440 inch: 15 twips are one pixel at 96 dpi with the
// font the layouts were made for. Sizes follow the screen's logical dpi, and grow with a
// system font that is wider than that one, so every caption still fits its control; Qt's
// device pixel ratio then takes care of 2x screens.

#include <QFont>
#include <QRect>

namespace lexel {

int Twips(int twips);
QRect TwipsRect(int left, int top, int width, int height);

// The system's font at the size the layouts were made for (8 points).
QFont LayoutFont();

} // namespace lexel
