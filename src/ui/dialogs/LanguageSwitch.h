#pragma once

// The interface language: English texts are in the code, German ones come from the compiled
// translation file, installed on the application while German is chosen. A small English file
// adds the English forms for one of the texts that count.

#include "core/settings/Settings.h"

#include <QTranslator>
#include <memory>
#include <string>

namespace lexel {

class LanguageSwitch {
public:
    LanguageSwitch();
    ~LanguageSwitch();
    LanguageSwitch(const LanguageSwitch&) = delete;
    LanguageSwitch& operator=(const LanguageSwitch&) = delete;

    // German, or English for anything else. Windows pick it up at their next Translate.
    void Apply(InterfaceLanguage language);
    bool IsGerman() const { return installed_; }

private:
    void LoadGerman();

    std::unique_ptr<QTranslator> german_;
    std::unique_ptr<QTranslator> germanQt_; // the texts of Qt's own buttons ("&Ja", "&Nein")
    std::unique_ptr<QTranslator> english_;
    bool installed_ = false;
    bool applied_ = false;
};

} // namespace lexel
