#include "SetOptions.h"

#include "LanguageSwitch.h"
#include "OptionsDialog.h"

namespace lexel {

bool SetOptions(QWidget* parent, Settings& settings, SettingsStore& store, Help& help,
                LanguageSwitch& language) {
    const auto before = settings.Language;
    OptionsDialog dialog(settings, store, help, parent);
    dialog.exec();
    if (settings.Language == before) {
        return false;
    }
    language.Apply(settings.Language);
    return true;
}

} // namespace lexel
