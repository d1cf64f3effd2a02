#include "Startup.h"

#include "DatabaseStartup.h"
#include "GameApplication.h"
#include "HelpViewer.h"
#include "QtMessageBoxes.h"
#include "StorageMessages.h"
#include "TerminationSignals.h"
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

namespace {

// The window's part of a run: the main window until it closes. Signals end it as a close
// without questions; a failing database ends it after telling the player.
int RunWindow(GameApplication& app, const GameServices& services, QtMessageBoxes& boxes) {
    fmMain window(services);
    boxes.SetParent(&window);
    const TerminationSignals endSignals([&] { window.EndWithoutQuestions(true); });
    app.onError = [&](const std::exception& e) {
        boxes.Show({MessageIcon::Critical, CannotGoOnMessage(QString::fromUtf8(e.what()))});
        window.EndWithoutQuestions(false);
        app.exit(EXIT_FAILURE);
    };
    window.Form_Load();
    window.show();
    const int code = app.exec();
    app.onError = nullptr;
    boxes.SetParent(nullptr);
    return code;
}

} // namespace

int RunLexel(GameApplication& app, GameFiles files) {
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
    int code = EXIT_FAILURE;
    try {
        code = RunWindow(app, {db, store, words, settings, boxes, help, random, clock, language},
                         boxes);
    } catch (const std::exception& e) { // before the window's event loop, or after it
        boxes.Show({MessageIcon::Critical, CannotGoOnMessage(QString::fromUtf8(e.what()))});
    }
    CloseDB(db);
    return code;
}

} // namespace lexel
