#pragma once

// The review of an ended game: how the possible words fell line by line, and the guess that
// cut the most.

#include "core/rules/PossibleWords.h"

#include <QDialog>
#include <vector>

namespace lexel {

class ReviewDialog : public QDialog {
    Q_OBJECT

public:
    explicit ReviewDialog(std::vector<LineCut> cuts, QWidget* parent = nullptr);

    // The text under the chart, a row per evaluated line and one for the deepest cut.
    static QString Summary(const std::vector<LineCut>& cuts);
};

} // namespace lexel
