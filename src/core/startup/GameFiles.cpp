#include "GameFiles.h"

#include "DatabaseStartup.h"
#include "PrivateFiles.h"
#include "ShippedWords.h"
#include "StartupMessages.h"
#include "SystemText.h"

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
        boxes.Show({MessageIcon::Critical, LockFailedMessage(FromSystemText(e.what()))});
        return std::nullopt;
    }
}

namespace {

// Runs a step of the start, or shows why it failed: `notOwnMessage` for a place that is not the
// player's own, the data folder's message for anything else.
template <typename Step>
bool Succeeds(Step step, QString (*notOwnMessage)(const QString&), MessageBoxes& boxes) {
    try {
        step();
        return true;
    } catch (const NotOwnError& e) {
        boxes.Show({MessageIcon::Critical, notOwnMessage(FromSystemText(e.what()))});
    } catch (const FileError& e) {
        boxes.Show({MessageIcon::Critical, DataFolderFailedMessage(FromSystemText(e.what()))});
    }
    return false;
}

} // namespace

// The lock comes before the player's file is made: two first starts would otherwise make it at
// once, and the one whose file was taken over would miss its file. Installed, the words of the
// file are then brought to those shipped with the game; when that cannot be written (a full
// disk), the game goes on with the words the file has: they are whole and playable, and the
// next start tries again.
GameFiles OpenGameFiles(const std::filesystem::path& programDirectory,
                        const std::filesystem::path& userDataDirectory) {
    KeepStandardStreamsOpen();
    GameFiles files;
    if (!Succeeds([&] { files.places = FindGamePlaces(programDirectory, userDataDirectory); },
                  DataFolderNotOwnMessage, files.notices)) {
        return files;
    }
    files.instance = LockSingleInstance(files.places.dataDirectory, files.notices);
    if (files.instance &&
        !Succeeds([&] { ProvideUserFile(files.places); }, DatabaseNotOwnMessage, files.notices)) {
        files.instance.reset();
    }
    if (files.instance) {
        files.db = OpenDB(files.places.dataDirectory, files.notices);
    }
    if (files.db && !files.places.wordLists.empty()) {
        RefreshShippedWords(*files.db, files.places.wordLists);
    }
    return files;
}

std::future<GameFiles> OpenGameFilesInBackground(const std::filesystem::path& programDirectory) {
    KeepStandardStreamsOpen(); // before the thread: no other file of this start is open yet
    return std::async(std::launch::async, [programDirectory] {
        return OpenGameFiles(programDirectory, UserDataDirectory());
    });
}

} // namespace lexel
