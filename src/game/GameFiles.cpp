#include "GameFiles.h"

#include "DatabaseStartup.h"

#include <QStandardPaths>

namespace lexel {

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

GameFiles OpenGameFiles(const std::filesystem::path& programDirectory,
                        const std::filesystem::path& userDataDirectory) {
    GameFiles files;
    files.places = FindGamePlaces(programDirectory, userDataDirectory);
    files.instance = LockSingleInstance(files.places.dataDirectory, files.notices);
    if (files.instance) {
        files.db = OpenDB(files.places.dataDirectory, files.notices);
    }
    return files;
}

std::future<GameFiles> OpenGameFilesInBackground(const std::filesystem::path& programDirectory) {
    const auto userData =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    return std::async(std::launch::async, OpenGameFiles, programDirectory, userData);
}

} // namespace lexel
