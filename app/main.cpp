#include "game/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The user's data directory: ~/.local/share/Morvane/Lexel.
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Lexel"));
    // The files are opened on another core while the display connection is made.
    auto files = lexel::OpenGameFilesInBackground(lexel::RunningProgramDirectory());
    QApplication app(argc, argv);
    // Matches the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("invalid.morvane.Lexel"));
    return lexel::RunLexel(app, files.get());
}
