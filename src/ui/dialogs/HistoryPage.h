#pragma once

// The statistics window's History page: the current and the best winning streak, a chart of
// the games won by line with the wins ahead of time under it, and one of the scores of the last
// games at each level, as the game history holds them when the window opens.

#include <QWidget>

class QLabel;

namespace lexel {

class BarChart;
class GameHistory;
class LineChart;
struct LineWins;
struct Streaks;

class HistoryPage : public QWidget {
    Q_OBJECT

public:
    explicit HistoryPage(GameHistory& history, QWidget* parent = nullptr);

private:
    void ShowStreaks(const Streaks& streaks);
    void ShowWinsByLine(const LineWins& wins);
    void ShowRecentScores(GameHistory& history);

    QLabel* currentStreak_ = nullptr;
    QLabel* bestStreak_ = nullptr;
    BarChart* winsByLine_ = nullptr;
    QLabel* earlyWins_ = nullptr;
    LineChart* recentScores_ = nullptr;
};

} // namespace lexel
