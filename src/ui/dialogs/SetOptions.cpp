#include "SetOptions.h"

#include "LanguageSwitch.h"
#include "OptionsDialog.h"

namespace lexel {

bool SetOptions(QWidget* parent, Settings& settings, SettingsStore& store, MessageBoxes& boxes,
                Help& help, LanguageSwitch& language) {
    const auto before = settings.language;
    OptionsDialog dialog(settings, store, boxes, help, parent);
    dialog.exec();
    if (settings.language == before) {
        return false;
    }
    language.Apply(settings.language);
    return true;
}

} // namespace lexel
