#include "game/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The user's data directory: ~/.local/share/Morvane/Lexel.
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Lexel"));
    // Matches the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("invalid.morvane.Lexel"));
    return lexel::RunLexel(app, QCoreApplication::applicationDirPath().toStdString());
}
