#pragma once

#include "core/settings/Settings.h"
#include "core/startup/GameFiles.h"

#include <string>

namespace lexel {

class GameApplication;
class LanguageSwitch;
class MessageBoxes;
class SettingsStore;

// Runs the game with the files start-up opened: shows their notices, then, when the instance
// lock and the database are there, asks for the language and opens the main window. Returns
// the program's exit code.
int RunLexel(GameApplication& app, GameFiles files);

// The stored language, asked for with the language window when none is stored, and applied.
// A window closed without OK stores nothing: this run is in English and the next start asks
// again. A choice that cannot be stored is told, used for this run and asked for again.
InterfaceLanguage ChooseLanguage(SettingsStore& store, MessageBoxes& boxes,
                                 LanguageSwitch& language);

} // namespace lexel
