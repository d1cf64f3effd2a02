#include "game/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return lexel::RunLexel(app, QCoreApplication::applicationDirPath().toStdString());
}
