#pragma once

// The main window's client area in twips.

namespace lexel {

inline constexpr int MainClientWidth = 7035;
inline constexpr int MainClientHeight = 5930;
inline constexpr int PossibleWordsHeight = 300; // the optional line under the board

} // namespace lexel
