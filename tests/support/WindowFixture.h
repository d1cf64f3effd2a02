#pragma once

// What a window test needs: its own Lexel file in a temporary directory, the settings store
// over it, fake message boxes and help, and the language it expects.

#include "FakeHelp.h"
#include "FakeMessageBoxes.h"
#include "SampleLexelFile.h"
#include "TempDir.h"
#include "core/settings/SettingsStore.h"
#include "ui/dialogs/LanguageSwitch.h"

#include <QWidget>

namespace lexel::test {

// The language of a test by its stored letter: "D" German, "E" English.
inline InterfaceLanguage LanguageOf(const std::string& letter) {
    return letter == "D" ? InterfaceLanguage::German : InterfaceLanguage::English;
}

struct WindowFixture {
    explicit WindowFixture(const std::string& language) {
        languageSwitch.Apply(LanguageOf(language));
    }

    std::string Stored(const std::string& key) { return StoredOption(db, key); }

    TempDir dir;
    sql::Database db = OpenSampleFile(dir / "Lexel.lxl");
    SettingsStore store{db};
    FakeMessageBoxes boxes;
    FakeHelp help;
    LanguageSwitch languageSwitch;
};

// The control named `name`; the test stops at once when the window has none.
template <typename T> T* Child(QWidget& window, const QString& name) {
    auto* child = window.findChild<T*>(name);
    if (child == nullptr) {
        qFatal("no control named %s", qPrintable(name));
    }
    return child;
}

} // namespace lexel::test
