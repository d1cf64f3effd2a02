#include "game/DatabaseStartup.h"
#include "game/QtMessageBoxes.h"

#include <QApplication>
#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    lexel::QtMessageBoxes boxes;
    const std::filesystem::path directory = QCoreApplication::applicationDirPath().toStdString();
    auto db = lexel::OpenDB(directory, boxes);
    if (!db) {
        return EXIT_FAILURE;
    }
    qInfo("Lexel.lxl is ready; the playing window is not part of this build yet.");
    lexel::CloseDB(*db);
    return EXIT_SUCCESS;
}
