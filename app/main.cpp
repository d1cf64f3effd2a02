#include "core/startup/CommandLine.h"
#include "core/startup/StandardStreams.h"
#include "ui/controls/FontWarmUp.h"
#include "ui/main/GameApplication.h"
#include "ui/main/Startup.h"

#include <cstdio>
#include <exception>
#include <iostream>

int main(int argc, char** argv) try {
    // Before any file is opened: a lock or a database must never become standard error.
    lexel::KeepStandardStreamsOpen();
    if (const auto answered = lexel::AnswerCommandLine(argc, argv, std::cout, std::cerr)) {
        return *answered;
    }
    // Names the program to the desktop (window class, session bus).
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Lexel"));
    // Fonts and files are read on other cores while the display connection is made.
    const lexel::FontWarmUp fonts;
    auto files = lexel::OpenGameFilesInBackground(lexel::RunningProgramDirectory());
    lexel::GameApplication app(argc, argv);
    // Matches the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("invalid.morvane.Lexel"));
    return lexel::RunLexel(app, files.get());
} catch (const std::exception& e) { // the last guard: no abort, whatever went wrong
    std::fprintf(stderr, "Lexel: %s\n", e.what());
    return EXIT_FAILURE;
}
