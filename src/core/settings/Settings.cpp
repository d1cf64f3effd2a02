#include "Settings.h"

#include "SettingsStore.h"

namespace lexel {

bool IsOn(const std::string& stored) {
    return stored != "N";
}

const char* YesNo(bool on) {
    return on ? "Y" : "N";
}

Settings DefaultSettings() {
    return Settings{.Language = "E"};
}

Settings ReadSettings(SettingsStore& store) {
    Settings settings;
    settings.Language = store.ReadOption("Language");
    settings.Class = store.ReadOption("Class");
    settings.Only = IsOn(store.ReadOption("Only"));
    settings.Cheating = IsOn(store.ReadOption("Cheating"));
    settings.Colors = IsOn(store.ReadOption("Colors"));
    settings.Timer = IsOn(store.ReadOption("Timer"));
    return settings;
}

void SaveSettings(SettingsStore& store, const Settings& settings) {
    // All six or none: a save cut short must not leave Expert with Cheating on.
    sql::Transaction transaction(store.database());
    store.WriteOption("Class", settings.Class);
    store.WriteOption("Only", YesNo(settings.Only));
    store.WriteOption("Cheating", YesNo(settings.Cheating));
    store.WriteOption("Colors", YesNo(settings.Colors));
    store.WriteOption("Timer", YesNo(settings.Timer));
    store.WriteOption("Language", settings.Language);
    transaction.Commit();
}

} // namespace lexel
