#include "CoachRunner.h"

#include <QMetaObject>
#include <QObject>

namespace lexel {

// The receiver outlives the thread (the destructor joins it), and a queued call to a receiver
// deleted later is dropped with it, so `done` never meets a dead window.
CoachRunner::CoachRunner(CoachGame game, QObject* receiver, Done done)
    : thread_([game = std::move(game), receiver, done = std::move(done)](std::stop_token stop) {
          auto advice = CoachLines(game, stop);
          if (stop.stop_requested()) {
              return;
          }
          QMetaObject::invokeMethod(
              receiver, [done, advice = std::move(advice)] { done(advice); }, Qt::QueuedConnection);
      }) {}

CoachRunner::~CoachRunner() {
    thread_.request_stop();
    thread_.join();
}

} // namespace lexel
