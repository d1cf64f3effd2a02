#pragma once

// The settings record: read once at start-up, changed by the options dialog.

#include "core/rules/Level.h"
#include "core/settings/Zoom.h"

#include <string>
#include <string_view>

namespace lexel {

class SettingsStore;

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

// Stored booleans are "Y"/"N"; only exactly "N" reads as off.
bool IsOn(const std::string& stored);
const char* YesNo(bool on);

// What the Defaults button of the options dialog offers.
Settings DefaultSettings();

Settings ReadSettings(SettingsStore& store);

// Writes every settings row, changed or not, in the order Class, Only, Cheating, Colors, Timer,
// Language, PossibleWords, Symbols, Zoom, in one transaction.
void SaveSettings(SettingsStore& store, const Settings& settings);

// The language the first start offers first: German for a German system locale ("de",
// "de_AT.UTF-8"), else English.
InterfaceLanguage LanguageOfLocale(std::string_view localeName);

// The stored language alone, as the first start's language window reads and writes it.
InterfaceLanguage ReadLanguage(SettingsStore& store);
void SaveLanguage(SettingsStore& store, InterfaceLanguage language);

} // namespace lexel
