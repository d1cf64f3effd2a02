#pragma once

// The ten best scores as a table of rank, word and score under column headers, so that a screen
// reader reads it as a table, row by row. Read only; the texts stand as stored, plain.

#include "core/settings/HighScores.h"

#include <QTableWidget>

namespace lexel {

class HighScoreTable : public QTableWidget {
    Q_OBJECT

public:
    explicit HighScoreTable(QWidget* parent = nullptr);

    void Translate();
    void Show(const std::array<HighScoreEntry, HighScoreRanks>& entries);
    // Marks the entry at `rank` (1 to 10): a game's new entry, told by the record it wrote, as
    // its word and score may stand at other ranks too.
    void HighLight(int rank);

private:
    void SetCell(int row, int column, const QString& text, Qt::Alignment alignment);
};

} // namespace lexel
