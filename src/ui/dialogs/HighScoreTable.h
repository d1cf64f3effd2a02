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
    // Marks the first row whose word is `word` and score is `score`, both exactly.
    void HighLight(const QString& word, const QString& score);

private:
    void SetCell(int row, int column, const QString& text, Qt::Alignment alignment);
};

} // namespace lexel
