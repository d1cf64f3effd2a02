#pragma once

// The statistics window: a first page with the games won out of played, the ten best scores and
// Reset; a second page with the game history.

#include "HelpDialog.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace lexel {

class HighScoreTable;
class MessageBoxes;
class SettingsStore;

class StatisticsDialog : public HelpDialog {
    Q_OBJECT

public:
    // `runningGameCounted`: a game is in progress and has an evaluated line, so it already
    // counts as played.
    StatisticsDialog(SettingsStore& store, MessageBoxes& boxes, Help& help, bool runningGameCounted,
                     QWidget* parent = nullptr);

    // Marks the table's entry at `rank` (1 to 10).
    void HighLight(int rank);

private:
    QWidget* CreateHighScoresPage();
    QWidget* CreateHistoryPage();
    void Translate();
    void ShowHighScores();
    QString GamesWonLine();

    void ResetStatistics();

    SettingsStore& store_;
    MessageBoxes& boxes_;
    bool runningGameCounted_;

    QTabWidget* pages_ = nullptr;
    QLabel* gamesWonLine_ = nullptr;
    QGroupBox* highScoreGroup_ = nullptr;
    HighScoreTable* highScores_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* historyCloseButton_ = nullptr;
};

} // namespace lexel
