#pragma once

// The review of an ended game: how the possible words fell line by line, the guess that cut the
// most, after a win the score's parts, and the coach's best guesses, which fill in once weighed.

#include "core/rules/Coach.h"
#include "core/rules/PossibleWords.h"
#include "core/rules/Scoring.h"

#include <QDialog>
#include <optional>
#include <vector>

namespace lexel {

class ReviewDialog : public QDialog {
    Q_OBJECT

public:
    // `win`: what a won game's score was made of; `coach`: the game for the coach, none when its
    // words could not be read.
    ReviewDialog(std::vector<LineCut> cuts, const std::optional<ScoreInput>& win,
                 std::optional<CoachGame> coach, QWidget* parent = nullptr);

    // The text under the chart, a row per evaluated line and one for the deepest cut.
    static QString Summary(const std::vector<LineCut>& cuts);
};

} // namespace lexel
