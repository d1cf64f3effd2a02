#pragma once

// A won game's score as the sum of its parts: one row a part, costs negative, and the score
// they add up to.

#include "core/rules/ScoreParts.h"

#include <QWidget>

namespace lexel {

class ScorePartsView : public QWidget {
    Q_OBJECT

public:
    explicit ScorePartsView(const ScoreInput& game, QWidget* parent = nullptr);

    static QString PartName(ScorePart part);
};

} // namespace lexel
