#pragma once

// The player's choices: read once at start-up, changed by the options dialog.

#include "Level.h"

namespace lexel {

// The zoom of the layout as the game was drawn for, in percent.
inline constexpr int DefaultZoom = 100;

enum class InterfaceLanguage { Unchosen, English, German };

struct Settings {
    InterfaceLanguage language = InterfaceLanguage::Unchosen; // asked for at the first start
    Level level = DefaultLevel;                               // of the hidden word
    bool onlyThisLevel = false;     // hidden words only of that level, not of easier ones too
    bool cheating = false;          // guesses that are no words are accepted
    bool autoColor = true;          // letters are coloured automatically
    bool showTime = true;           // the used time is shown
    bool showPossibleWords = false; // the count of words that still fit the board is shown
    bool markSymbols = false;       // marked letters carry a shape for their colour too
    int zoom = DefaultZoom;         // of every window, in percent

    bool operator==(const Settings&) const = default;
};

// What the Defaults button of the options dialog offers.
inline Settings DefaultSettings() {
    return Settings{.language = InterfaceLanguage::English};
}

} // namespace lexel
