#include "GameApplication.h"

#include "ui/controls/Emblem.h"
#include "ui/controls/FrameScaleStyle.h"

#include <QDebug>

namespace lexel {

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setWindowIcon(EmblemIcon());   // every window's, for the desktop's title bars and task lists
    setStyle(new FrameScaleStyle); // taken over by the application
}

bool GameApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        qCritical("Lexel: %s", e.what());
        if (!failing_) {
            failing_ = true;
            onError ? onError(e) : QCoreApplication::exit(EXIT_FAILURE);
        }
    }
    return false;
}

} // namespace lexel
