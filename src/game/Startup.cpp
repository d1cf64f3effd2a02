#include "Startup.h"

#include "DatabaseStartup.h"
#include "GamePlaces.h"
#include "HelpViewer.h"
#include "QtMessageBoxes.h"
#include "fmMain.h"
#include "settings/LanguageSwitch.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "settings/fmLang.h"
#include "store/WordStore.h"

#include <QApplication>
#include <QLockFile>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>

namespace lexel {
namespace {} // namespace

std::unique_ptr<QLockFile> LockSingleInstance(const std::filesystem::path& directory,
                                              MessageBoxes& boxes) {
    auto lock =
        std::make_unique<QLockFile>(QString::fromStdString((directory / "Lexel.lock").string()));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        return lock;
    }
    boxes.Show({MessageIcon::Information,
                QString::fromUtf8("Lexel is already running.\nLexel läuft bereits.")});
    return nullptr;
}

std::string ChooseLanguage(SettingsStore& store) {
    auto language = store.ReadOption("Language");
    if (language != "E" && language != "D") {
        fmLang window(store);
        window.exec();
        language = store.ReadOption("Language");
    }
    return language == "D" ? "D" : "E";
}

int RunLexel(QApplication& app, const std::filesystem::path& programDirectory) {
    auto random = SeededRandom::FromClock();
    QtMessageBoxes boxes;
    const auto places = FindGamePlaces(
        programDirectory,
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    const auto& directory = places.dataDirectory;
    const auto instance = LockSingleInstance(directory, boxes);
    if (!instance) {
        return EXIT_FAILURE;
    }
    auto db = OpenDB(directory, boxes);
    if (!db) {
        return EXIT_FAILURE;
    }
    SettingsStore store(*db);
    LanguageSwitch language;
    Settings settings = ReadSettings(store);
    settings.Language = ChooseLanguage(store);
    language.Apply(settings.Language);

    HelpFiles help(places.helpDirectory, language, boxes);
    WordStore words(*db, random);
    SystemClock clock;
    fmMain window({*db, store, words, settings, boxes, help, random, clock, language});
    boxes.SetParent(&window);
    window.Form_Load();
    window.show();
    const int code = app.exec();
    CloseDB(*db);
    return code;
}

} // namespace lexel
