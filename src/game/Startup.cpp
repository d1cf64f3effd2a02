#include "Startup.h"

#include "DatabaseStartup.h"
#include "HelpViewer.h"
#include "QtMessageBoxes.h"
#include "fmMain.h"
#include "settings/LanguageSwitch.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "settings/fmLang.h"
#include "store/WordStore.h"

#include <QApplication>
#include <cstdlib>

namespace lexel {

std::string ChooseLanguage(SettingsStore& store) {
    auto language = store.ReadOption("Language");
    if (language != "E" && language != "D") {
        fmLang window(store);
        window.exec();
        language = store.ReadOption("Language");
    }
    return language == "D" ? "D" : "E";
}

int RunLexel(QApplication& app, GameFiles files) {
    auto random = SeededRandom::FromClock();
    QtMessageBoxes boxes;
    files.notices.ShowAll(boxes);
    if (!files.Ready()) {
        return EXIT_FAILURE;
    }
    auto& db = *files.db;
    SettingsStore store(db);
    LanguageSwitch language;
    Settings settings = ReadSettings(store);
    settings.Language = ChooseLanguage(store);
    language.Apply(settings.Language);

    HelpFiles help(files.places.helpDirectory, language, boxes);
    WordStore words(db, random);
    SystemClock clock;
    fmMain window({db, store, words, settings, boxes, help, random, clock, language});
    boxes.SetParent(&window);
    window.Form_Load();
    window.show();
    const int code = app.exec();
    CloseDB(db);
    return code;
}

} // namespace lexel
