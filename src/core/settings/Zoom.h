#pragma once

// The player's zoom of every window, in whole percent: 100 is the layout as it was drawn. The
// zoom keys step through the levels a web browser offers; a window that would not fit on the
// screen at the chosen zoom is shown at the largest zoom that fits.

#include "core/base/PlayerSettings.h"

#include <QSize>
#include <string>

namespace lexel {

inline constexpr int MinZoom = 50;
inline constexpr int MaxZoom = 300;
inline constexpr const char* ZoomKey = "Zoom"; // its row in the Options table

// The next level above or below `percent`; at the ends the zoom stays where it is.
int ZoomIn(int percent);
int ZoomOut(int percent);

// The zoom a window `layout` pixels large at 100 % is shown at on a screen with `available`
// pixels: `chosen`, or less where the window would not fit, but never below MinZoom.
int FittingZoom(QSize layout, QSize available, int chosen);

// The stored decimal text as a zoom: anything else than a whole number is 100, and a number
// outside MinZoom to MaxZoom is taken to the nearer end.
int ZoomOf(const std::string& stored);

} // namespace lexel
