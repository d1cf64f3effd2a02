#pragma once

#include <QLockFile>
#include <filesystem>
#include <memory>
#include <string>

class QApplication;

namespace lexel {

class MessageBoxes;
class SettingsStore;

// Runs the game installed or built in `programDirectory`: one instance, its database, the
// language, the main window. Returns the program's exit code.
int RunLexel(QApplication& app, const std::filesystem::path& programDirectory);

// Holds the lock that keeps a second instance from starting, or says that one is running and
// gives nothing. A lock left by a killed process names a process that no longer runs and is
// taken over.
std::unique_ptr<QLockFile> LockSingleInstance(const std::filesystem::path& directory,
                                              MessageBoxes& boxes);

// The stored language, asked for with the language window when none is stored. A window
// closed without OK stores nothing: this run is in English and the next start asks again.
std::string ChooseLanguage(SettingsStore& store);

} // namespace lexel
