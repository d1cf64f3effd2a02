#pragma once

// The coach's part of the review: while it works a note says so; then a row a line with the
// best guess there against the player's, and how often the player matched it and how lucky the
// game was.

#include "core/rules/Coach.h"

#include <QLabel>
#include <memory>

namespace lexel {

class CoachRunner;

class CoachView : public QLabel {
    Q_OBJECT

public:
    // Starts the coach on `game`; none gives the note that it cannot work.
    explicit CoachView(std::optional<CoachGame> game, QWidget* parent = nullptr);
    ~CoachView() override;

    // The coach has given its advice.
    bool IsDone() const { return done_; }
    static QString Text(const std::vector<LineAdvice>& advice);

signals:
    void finished();

private:
    void Show(const std::vector<LineAdvice>& advice);

    std::unique_ptr<CoachRunner> runner_;
    bool done_ = false;
};

} // namespace lexel
