#pragma once

// The application object of the game. An exception that escapes an event handler (a database
// that fails in the middle of a game) would end the program on the spot, lock and journal left
// behind; here it goes to `onError`, which tells the player and ends the game in order.

#include <QApplication>
#include <exception>
#include <functional>

namespace lexel {

class GameApplication : public QApplication {
    Q_OBJECT

public:
    GameApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Called once, for the first exception; later ones are dropped while it runs.
    std::function<void(const std::exception&)> onError;

private:
    bool failing_ = false;
};

} // namespace lexel
