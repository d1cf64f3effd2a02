#include "HistoryPage.h"

#include "core/history/GameHistory.h"
#include "ui/controls/BarChart.h"
#include "ui/controls/Controls.h"
#include "ui/controls/LineChart.h"

#include <QLabel>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace lexel {

HistoryPage::HistoryPage(GameHistory& history, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("historyPage"));
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    currentStreak_ =
        PlaceLabel(this, QStringLiteral("currentStreakLine"), {120, 120, 3780, 255}, left);
    bestStreak_ = PlaceLabel(this, QStringLiteral("bestStreakLine"), {120, 375, 3780, 255}, left);
    winsByLine_ = Place<BarChart>(this, QStringLiteral("winsByLineChart"), {120, 660, 3780, 1200});
    earlyWins_ = PlaceLabel(this, QStringLiteral("earlyWinsLine"), {120, 1860, 3780, 240}, left);
    recentScores_ =
        Place<LineChart>(this, QStringLiteral("recentScoresChart"), {120, 2130, 4920, 1680});
    const auto totals = history.Totals();
    ShowStreaks(totals.streaks);
    ShowWinsByLine(totals.wins);
    ShowRecentScores(history);
}

void HistoryPage::ShowStreaks(const Streaks& streaks) {
    currentStreak_->setText(tr("Current winning streak: %1").arg(Chart::Grouped(streaks.current)));
    bestStreak_->setText(tr("Best winning streak: %1").arg(Chart::Grouped(streaks.best)));
}

// The wins ahead of time are also counted in the bars of their lines, so they stand apart in a
// line of text under the chart, not as a bar on its scale.
void HistoryPage::ShowWinsByLine(const LineWins& wins) {
    std::vector<BarChart::Bar> bars;
    QStringList spoken;
    for (int line = 1; line <= static_cast<int>(wins.lines.size()); ++line) {
        const auto count = wins.lines[static_cast<std::size_t>(line - 1)];
        bars.push_back({QString::number(line), count});
        spoken << tr("line %1: %2").arg(line).arg(count);
    }
    spoken << tr("won ahead of time: %1").arg(wins.early);
    //: Under the chart of games won by line; these games are counted in its bars too
    earlyWins_->setText(tr("Of these, won ahead of time: %1").arg(Chart::Grouped(wins.early)));
    const QString title = tr("Games won by line");
    winsByLine_->SetTitle(title);
    winsByLine_->SetBars(std::move(bars));
    winsByLine_->setAccessibleName(title);
    winsByLine_->setAccessibleDescription(title + QStringLiteral(": ") +
                                          spoken.join(QStringLiteral(", ")));
}

void HistoryPage::ShowRecentScores(GameHistory& history) {
    const std::pair<Level, QString> levels[] = {{Level::Beginner, tr("Beginner")},
                                                {Level::Advanced, tr("Advanced")},
                                                {Level::Expert, tr("Expert")},
                                                {Level::Guru, tr("Guru")}};
    std::vector<LineChart::Series> series;
    QStringList spoken;
    int places = 1; // the axis spans the games of the level played most
    for (const auto& [level, name] : levels) {
        const auto scores = history.RecentScores(level);
        places = std::max(places, static_cast<int>(scores.size()));
        QStringList texts;
        for (const auto score : scores) {
            texts << QString::number(score);
        }
        spoken << (texts.isEmpty()
                       ? tr("%1: no games").arg(name)
                       : name + QStringLiteral(": ") + texts.join(QStringLiteral(", ")));
        series.push_back({name, {scores.begin(), scores.end()}});
    }
    const QString title = tr("Score of the last %1 games").arg(RecentGames);
    recentScores_->SetTitle(title);
    //: Under the two ends of the score chart's axis of games
    recentScores_->SetAxis(places, tr("earlier"), tr("latest"));
    recentScores_->SetSeries(std::move(series));
    recentScores_->setAccessibleName(title);
    recentScores_->setAccessibleDescription(
        tr("Oldest first. %1").arg(spoken.join(QStringLiteral("; "))));
}

} // namespace lexel
