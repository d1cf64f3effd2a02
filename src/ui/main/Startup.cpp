#include "Startup.h"

#include "GameApplication.h"
#include "MainWindow.h"
#include "TerminationSignals.h"
#include "core/game/PlayerWrites.h"
#include "core/game/StorageMessages.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/CrashReport.h"
#include "core/startup/DatabaseStartup.h"
#include "core/startup/FileServices.h"
#include "ui/controls/QtMessageBoxes.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/dialogs/LanguageDialog.h"
#include "ui/dialogs/LanguageSwitch.h"

#include <QApplication>
#include <QLocale>
#include <cstdlib>
#include <functional>
#include <optional>
#include <utility>

namespace lexel {

InterfaceLanguage ChooseLanguage(SettingsStore& store, MessageBoxes& boxes,
                                 LanguageSwitch& language) {
    const auto stored = ReadLanguage(store);
    std::optional<InterfaceLanguage> picked;
    if (stored == InterfaceLanguage::Unchosen) {
        LanguageDialog window(LanguageOfLocale(QLocale::system().name().toStdString()));
        if (window.exec() == QDialog::Accepted) {
            picked = window.Chosen();
        }
    }
    const auto chosen =
        picked.value_or(stored == InterfaceLanguage::German ? stored : InterfaceLanguage::English);
    language.Apply(chosen); // first, so that a failed write is told in the language chosen
    if (picked) {
        WriteOrTell(boxes, [&] { SaveLanguage(store, *picked); });
    }
    return chosen;
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

// A run ended before its main window closes. A signal (a session that ends, a terminal that
// closes, Ctrl+C) or a database that cannot go on ends it from wherever it is, a question or
// the goodbye quotation included: every event loop that runs ends, which closes every modal
// window, and none opens after it.
struct EarlyEnd {
    std::optional<int> code;
    // Set while the main window runs: ends it, offering a counted game's score when asked.
    std::function<void(bool offerScore)> endWindow;

    void End(int exitCode, bool offerScore) {
        if (code) {
            return;
        }
        code = exitCode;
        if (endWindow) {
            endWindow(offerScore);
        }
        QCoreApplication::exit(exitCode);
    }
};

// The window's part of a run: the main window until it closes.
int RunWindow(GameApplication& app, const GameServices& services, QtMessageBoxes& boxes,
              EarlyEnd& early, const std::function<void()>& releaseFiles) {
    MainWindow window(services);
    // However the window's run ends, nothing that outlives it may still reach the window:
    // the message boxes' parent, the early end, the exit handler.
    struct WindowScope {
        EarlyEnd& early;
        QtMessageBoxes& boxes;
        ~WindowScope() {
            forcedEnd = nullptr;
            early.endWindow = nullptr;
            boxes.SetParent(nullptr);
        }
    } const scope{early, boxes};
    boxes.SetParent(&window);
    static const bool registered = std::atexit(RunForcedEnd) == 0;
    if (registered) {
        forcedEnd = [&] {
            window.Model().SaveRunningScore();
            releaseFiles();
        };
    }
    early.endWindow = [&](bool offerScore) { window.EndWithoutQuestions(offerScore); };
    window.Start();
    if (early.code) { // during a question of the first game's start
        return *early.code;
    }
    window.show();
    return app.exec();
}

// A run with the files open: the language, then the main window. An exception that escapes an
// event handler is a database that cannot go on: the player is told and the run ends.
int RunWithFiles(GameApplication& app, GameFiles& files, QtMessageBoxes& boxes) {
    EarlyEnd early;
    const TerminationSignals endSignals([&] { early.End(EXIT_SUCCESS, true); });
    struct ErrorScope {
        GameApplication& app;
        ~ErrorScope() { app.onError = nullptr; }
    } const errorScope{app};
    app.onError = [&](const std::exception& e) {
        boxes.Show({MessageIcon::Critical, CannotGoOnMessage(QString::fromUtf8(e.what()))});
        early.End(EXIT_FAILURE, false);
    };
    auto random = SeededRandom::FromClock();
    auto& db = *files.db;
    SettingsStore store(db);
    LanguageSwitch language;
    Settings settings = ReadSettings(store);
    settings.language = ChooseLanguage(store, boxes, language);
    if (early.code) {
        return *early.code;
    }
    if (const auto report = NewCrashReport(files.places.dataDirectory)) {
        boxes.Show({MessageIcon::Information, CrashReportMessage(*report)});
    }
    HelpFiles help(files.places.helpDirectory, language, boxes);
    FileServices data(store, random);
    SystemClock clock;
    return RunWindow(
        app, {store, data.words, data.records, settings, boxes, help, random, clock, language},
        boxes, early, [&] { ReleaseFiles(db, files); });
}

} // namespace

int RunLexel(GameApplication& app, GameFiles files) {
    QtMessageBoxes boxes;
    files.notices.ShowAll(boxes);
    if (!files.Ready()) {
        return EXIT_FAILURE;
    }
    InstallCrashReport(files.places.dataDirectory);
    int code = EXIT_FAILURE;
    try {
        code = RunWithFiles(app, files, boxes);
    } catch (const std::exception& e) { // outside any event handler: reading the settings, say
        boxes.Show({MessageIcon::Critical, CannotGoOnMessage(QString::fromUtf8(e.what()))});
    }
    CloseDB(*files.db);
    return code;
}

} // namespace lexel
