#pragma once

// The statistics window's History page: the current and the best winning streak, a chart of
// the games won by line and one of the scores of the last games at each level, as the game
// history holds them when the window opens.

#include <QWidget>

class QLabel;

namespace lexel {

class BarChart;
class GameHistory;
class LineChart;

class HistoryPage : public QWidget {
    Q_OBJECT

public:
    explicit HistoryPage(GameHistory& history, QWidget* parent = nullptr);

private:
    void ShowStreaks(GameHistory& history);
    void ShowWinsByLine(GameHistory& history);
    void ShowRecentScores(GameHistory& history);

    QLabel* currentStreak_ = nullptr;
    QLabel* bestStreak_ = nullptr;
    BarChart* winsByLine_ = nullptr;
    LineChart* recentScores_ = nullptr;
};

} // namespace lexel
