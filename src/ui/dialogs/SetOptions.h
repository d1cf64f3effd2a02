#pragma once

class QWidget;

namespace lexel {

class Help;
class LanguageSwitch;
class MessageBoxes;
class SettingsStore;
struct Settings;

// Shows the options dialog over `parent`, then switches the interface language when it was
// changed. True in that case: the caller re-captions its window.
bool SetOptions(QWidget* parent, Settings& settings, SettingsStore& store, MessageBoxes& boxes,
                Help& help, LanguageSwitch& language);

} // namespace lexel
