#include "HighScoreTable.h"

#include <QHeaderView>

namespace lexel {
namespace {

enum Column { RankColumn, WordColumn, ScoreColumn, Columns };

const QColor HighLightBlue(0, 0, 255);

void Emphasise(QTableWidgetItem* item, bool bold, const QColor& color) {
    QFont font = item->font();
    font.setBold(bold);
    item->setFont(font);
    item->setForeground(color);
}

} // namespace

HighScoreTable::HighScoreTable(QWidget* parent) : QTableWidget(HighScoreRanks, Columns, parent) {
    setObjectName(QStringLiteral("highScoreTable"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setShowGrid(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabKeyNavigation(false); // Tab goes on to the buttons; the arrows move in the table
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setHighlightSections(false);
    for (int row = 0; row < HighScoreRanks; ++row) {
        SetCell(row, RankColumn, QString::number(row + 1), Qt::AlignRight);
    }
}

void HighScoreTable::Translate() {
    setHorizontalHeaderLabels({tr("Rank"), tr("Word"), tr("Score")});
}

void HighScoreTable::SetCell(int row, int column, const QString& text, Qt::Alignment alignment) {
    auto* cell = new QTableWidgetItem(text);
    cell->setTextAlignment(alignment | Qt::AlignVCenter);
    cell->setFlags(Qt::ItemIsEnabled);
    setItem(row, column, cell);
}

void HighScoreTable::Show(const std::array<HighScoreEntry, HighScoreRanks>& entries) {
    for (int row = 0; row < HighScoreRanks; ++row) {
        const auto& entry = entries[static_cast<std::size_t>(row)];
        SetCell(row, WordColumn, QString::fromStdString(entry.word), Qt::AlignLeft);
        SetCell(row, ScoreColumn, QString::fromStdString(entry.score), Qt::AlignRight);
    }
}

void HighScoreTable::HighLight(int rank) {
    const int row = rank - 1;
    if (row < 0 || row >= HighScoreRanks) {
        return;
    }
    Emphasise(item(row, WordColumn), true, HighLightBlue);
    Emphasise(item(row, ScoreColumn), item(row, ScoreColumn)->font().bold(), HighLightBlue);
}

} // namespace lexel
