#pragma once

// The settings record as the Options rows hold it: read once at start-up, written by the
// options dialog.

#include "core/base/PlayerSettings.h"
#include "core/settings/Zoom.h"

#include <string>
#include <string_view>

namespace lexel {

class SettingsStore;

// Stored booleans are "Y"/"N"; only exactly "N" reads as off.
bool IsOn(const std::string& stored);
const char* YesNo(bool on);

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
