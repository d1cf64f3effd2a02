#include "Startup.h"

#include "GameApplication.h"
#include "MainWindow.h"
#include "TerminationSignals.h"
#include "core/game/StorageMessages.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/CrashReport.h"
#include "core/startup/DatabaseStartup.h"
#include "core/store/WordStore.h"
#include "ui/controls/QtMessageBoxes.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/dialogs/LanguageDialog.h"
#include "ui/dialogs/LanguageSwitch.h"

#include <QApplication>
#include <cstdlib>
#include <functional>
#include <utility>

namespace lexel {

InterfaceLanguage ChooseLanguage(SettingsStore& store) {
    if (ReadLanguage(store) == InterfaceLanguage::Unchosen) {
        LanguageDialog window(store);
        window.exec();
    }
    return ReadLanguage(store) == InterfaceLanguage::German ? InterfaceLanguage::German
                                                            : InterfaceLanguage::English;
}

namespace {

// Qt ends the process with exit() when the display connection breaks; what a close would do
// for the files is done from the exit handler then.
std::function<void()> forcedEnd;

void RunForcedEnd() {
    if (auto end = std::exchange(forcedEnd, nullptr)) {
        end();
    }
}

// Lets the file go as closing it does: back to normal locking, which a read puts into effect,
// ending the exclusive hold and removing the journal; then the instance lock.
void ReleaseFiles(sql::Database& db, GameFiles& files) {
    try {
        db.Execute("PRAGMA locking_mode = NORMAL");
        sql::QueryInt(db, "SELECT COUNT(*) FROM Options");
    } catch (const sql::Error&) {
        // Nothing more can be done for the file; the lock still goes.
    }
    files.instance.reset();
}

// The window's part of a run: the main window until it closes. Signals end it as a close
// without questions; a failing database ends it after telling the player.
int RunWindow(GameApplication& app, const GameServices& services, QtMessageBoxes& boxes,
              const std::function<void()>& releaseFiles) {
    MainWindow window(services);
    // However the window's run ends, nothing that outlives it may still reach the window:
    // the message boxes' parent, the error handler, the exit handler.
    struct WindowScope {
        GameApplication& app;
        QtMessageBoxes& boxes;
        ~WindowScope() {
            forcedEnd = nullptr;
            app.onError = nullptr;
            boxes.SetParent(nullptr);
        }
    } const scope{app, boxes};
    boxes.SetParent(&window);
    static const bool registered = std::atexit(RunForcedEnd) == 0;
    if (registered) {
        forcedEnd = [&] {
            window.Model().SaveRunningScore();
            releaseFiles();
        };
    }
    const TerminationSignals endSignals([&] { window.EndWithoutQuestions(true); });
    app.onError = [&](const std::exception& e) {
        boxes.Show({MessageIcon::Critical, CannotGoOnMessage(QString::fromUtf8(e.what()))});
        window.EndWithoutQuestions(false);
        app.exit(EXIT_FAILURE);
    };
    window.Start();
    window.show();
    return app.exec();
}

} // namespace

int RunLexel(GameApplication& app, GameFiles files) {
    auto random = SeededRandom::FromClock();
    QtMessageBoxes boxes;
    files.notices.ShowAll(boxes);
    if (!files.Ready()) {
        return EXIT_FAILURE;
    }
    InstallCrashReport(files.places.dataDirectory);
    auto& db = *files.db;
    SettingsStore store(db);
    LanguageSwitch language;
    Settings settings = ReadSettings(store);
    settings.language = ChooseLanguage(store);
    language.Apply(settings.language);

    HelpFiles help(files.places.helpDirectory, language, boxes);
    WordStore words(db, random);
    SystemClock clock;
    int code = EXIT_FAILURE;
    try {
        code = RunWindow(app, {db, store, words, settings, boxes, help, random, clock, language},
                         boxes, [&] { ReleaseFiles(db, files); });
    } catch (const std::exception& e) { // before the window's event loop, or after it
        boxes.Show({MessageIcon::Critical, CannotGoOnMessage(QString::fromUtf8(e.what()))});
    }
    CloseDB(db);
    return code;
}

} // namespace lexel
