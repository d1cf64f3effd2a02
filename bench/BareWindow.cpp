// The yardstick for the game's start-up time: a plain Qt Widgets window and nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.resize(480, 400);
    window.show();
    return app.exec();
}
