#include "Settings.h"

#include "SettingsStore.h"
#include "Zoom.h"

namespace lexel {

bool IsOn(const std::string& stored) {
    return stored != "N";
}

const char* YesNo(bool on) {
    return on ? "Y" : "N";
}

namespace {

// Stored as "1".."4"; anything else is the default level, as the options dialog shows it.
Level LevelOf(const std::string& stored) {
    if (stored.size() == 1 && stored[0] >= '1' && stored[0] <= '4') {
        return static_cast<Level>(stored[0] - '0');
    }
    return DefaultLevel;
}

// Stored as "E" or "D"; anything else has not been chosen yet.
const char* LanguageText(InterfaceLanguage language) {
    switch (language) {
    case InterfaceLanguage::English:
        return "E";
    case InterfaceLanguage::German:
        return "D";
    case InterfaceLanguage::Unchosen:
        break;
    }
    return "";
}

} // namespace

InterfaceLanguage LanguageOfLocale(std::string_view localeName) {
    const bool german = localeName == "de" || localeName.starts_with("de_") ||
                        localeName.starts_with("de.") || localeName.starts_with("de@");
    return german ? InterfaceLanguage::German : InterfaceLanguage::English;
}

InterfaceLanguage ReadLanguage(SettingsStore& store) {
    const auto stored = store.ReadOption("Language");
    return stored == "E"   ? InterfaceLanguage::English
           : stored == "D" ? InterfaceLanguage::German
                           : InterfaceLanguage::Unchosen;
}

void SaveLanguage(SettingsStore& store, InterfaceLanguage language) {
    store.WriteOption("Language", LanguageText(language));
}

Settings ReadSettings(SettingsStore& store) {
    Settings settings;
    settings.language = ReadLanguage(store);
    settings.level = LevelOf(store.ReadOption("Class"));
    settings.onlyThisLevel = IsOn(store.ReadOption("Only"));
    settings.cheating = IsOn(store.ReadOption("Cheating"));
    settings.autoColor = IsOn(store.ReadOption("Colors"));
    settings.showTime = IsOn(store.ReadOption("Timer"));
    settings.showPossibleWords = IsOn(store.ReadOption("PossibleWords"));
    settings.markSymbols = IsOn(store.ReadOption("Symbols"));
    settings.zoom = ZoomOf(store.ReadOption(ZoomKey));
    return settings;
}

void SaveSettings(SettingsStore& store, const Settings& settings) {
    // All or none: a save cut short must not leave Expert with Cheating on.
    sql::Transaction transaction(store.database());
    store.WriteOption("Class", std::to_string(LevelNumber(settings.level)));
    store.WriteOption("Only", YesNo(settings.onlyThisLevel));
    store.WriteOption("Cheating", YesNo(settings.cheating));
    store.WriteOption("Colors", YesNo(settings.autoColor));
    store.WriteOption("Timer", YesNo(settings.showTime));
    SaveLanguage(store, settings.language);
    store.WriteOption("PossibleWords", YesNo(settings.showPossibleWords));
    store.WriteOption("Symbols", YesNo(settings.markSymbols));
    store.WriteOption(ZoomKey, std::to_string(settings.zoom));
    transaction.Commit();
}

} // namespace lexel
