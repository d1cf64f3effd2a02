#pragma once

// SIGTERM, SIGHUP and SIGINT (a session that ends, a terminal that closes, Ctrl+C) would end
// the game at once, its file open. Caught here, they reach `onSignal` on the event loop's
// thread, through a socket the signal handler writes to, so the game can end in order.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace lexel {

class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(std::function<void()> onSignal);
    // Gives the signals back their default action.
    ~TerminationSignals() override;

private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace lexel
