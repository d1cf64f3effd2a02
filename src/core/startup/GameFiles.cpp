#include "GameFiles.h"

#include "DatabaseStartup.h"
#include "PrivateFiles.h"
#include "StartupMessages.h"

namespace lexel {

std::optional<InstanceLock> LockSingleInstance(const std::filesystem::path& directory,
                                               MessageBoxes& boxes) {
    try {
        auto lock = InstanceLock::TryAcquire(directory / "Lexel.lock");
        if (!lock) {
            boxes.Show({MessageIcon::Information, AlreadyRunningMessage()});
        }
        return lock;
    } catch (const FileError& e) {
        boxes.Show({MessageIcon::Critical, LockFailedMessage(QString::fromLocal8Bit(e.what()))});
        return std::nullopt;
    }
}

// The lock comes before the copy of the template: two first starts would otherwise copy at
// once, and the one whose copy was taken over would miss its file.
GameFiles OpenGameFiles(const std::filesystem::path& programDirectory,
                        const std::filesystem::path& userDataDirectory) {
    GameFiles files;
    try {
        files.places = FindGamePlaces(programDirectory, userDataDirectory);
        files.instance = LockSingleInstance(files.places.dataDirectory, files.notices);
        if (!files.instance) {
            return files;
        }
        ProvideUserFile(files.places);
    } catch (const FileError& e) {
        files.instance.reset();
        files.notices.Show(
            {MessageIcon::Critical, DataFolderFailedMessage(QString::fromLocal8Bit(e.what()))});
        return files;
    }
    files.db = OpenDB(files.places.dataDirectory, files.notices);
    return files;
}

std::future<GameFiles> OpenGameFilesInBackground(const std::filesystem::path& programDirectory) {
    return std::async(std::launch::async, [programDirectory] {
        return OpenGameFiles(programDirectory, UserDataDirectory());
    });
}

} // namespace lexel
