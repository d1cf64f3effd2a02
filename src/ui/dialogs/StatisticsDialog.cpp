#include "StatisticsDialog.h"

#include "HighScoreTable.h"
#include "HistoryPage.h"
#include "core/game/PlayerWrites.h"
#include "core/history/GameHistory.h"
#include "core/history/RecordedGames.h"
#include "core/ports/MessageBoxes.h"
#include "core/settings/HighScores.h"
#include "core/settings/NumericText.h"
#include "core/settings/SettingsStore.h"
#include "ui/controls/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace lexel {
namespace {

constexpr int ClientWidth = 5160;
constexpr int ClientHeight = 3900;
constexpr int TableLeft = 60;
constexpr int TableTop = 150;
constexpr int TableWidth = 3600;
constexpr int TableHeight = 3090;
constexpr int ButtonLeft = 4020;

// tr() picks a plural form by an int; a stored count beyond it reads as many.
int PluralCount(std::int64_t count) {
    return static_cast<int>(std::clamp<std::int64_t>(count, 0, INT_MAX));
}

QLabel* Label(QWidget* parent, const QString& name, QRect twips, Qt::Alignment alignment) {
    return PlaceLabel(parent, name, twips, alignment | Qt::AlignVCenter);
}

QPushButton* Button(QWidget* parent, const QString& name, int top) {
    return PlaceButton(parent, name, {ButtonLeft, top, 972, 372});
}

} // namespace

StatisticsDialog::StatisticsDialog(SettingsStore& store, MessageBoxes& boxes, Help& help,
                                   bool runningGameCounted, QWidget* parent)
    : HelpDialog(help, HelpTopic::Statistics, parent), store_(store), boxes_(boxes),
      runningGameCounted_(runningGameCounted) {
    setObjectName(QStringLiteral("StatisticsDialog"));
    setFont(LayoutFont());
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("statisticsPages"));
    pages_->addTab(CreateHighScoresPage(), QString());
    pages_->addTab(CreateHistoryPage(), QString());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(pages_);
    Translate();
    ShowHighScores();
}

QWidget* StatisticsDialog::CreateHighScoresPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("highScoresPage"));
    page->setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    gamesWonLine_ =
        Label(page, QStringLiteral("gamesWonLine"), {120, 120, 4920, 300}, Qt::AlignLeft);
    highScoreGroup_ =
        Place<QGroupBox>(page, QStringLiteral("highScoreGroup"), {120, 480, 3720, 3300});
    highScores_ = new HighScoreTable(highScoreGroup_);
    highScores_->setGeometry(TwipsRect(TableLeft, TableTop, TableWidth, TableHeight));
    closeButton_ = Button(page, QStringLiteral("closeButton"), 570);
    resetButton_ = Button(page, QStringLiteral("resetButton"), 1020);
    helpButton_ = Button(page, QStringLiteral("helpButton"), 1470);
    connect(closeButton_, &QPushButton::clicked, this, &StatisticsDialog::reject);
    connect(resetButton_, &QPushButton::clicked, this, &StatisticsDialog::ResetStatistics);
    connect(helpButton_, &QPushButton::clicked, this, &StatisticsDialog::ShowHelp);
    return page;
}

// The history as it stands when the window opens; a reset closes the window.
QWidget* StatisticsDialog::CreateHistoryPage() {
    GameHistory history(store_.database());
    auto* page = new HistoryPage(history);
    page->setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    historyCloseButton_ = Button(page, QStringLiteral("historyCloseButton"), 570);
    connect(historyCloseButton_, &QPushButton::clicked, this, &StatisticsDialog::reject);
    return page;
}

void StatisticsDialog::Translate() {
    setWindowTitle(tr("Morvane Lexel High Scores"));
    pages_->setTabText(0, tr("High Scores"));
    pages_->setTabText(1, tr("History"));
    closeButton_->setText(tr("&Close"));
    historyCloseButton_->setText(closeButton_->text());
    resetButton_->setText(tr("&Reset"));
    helpButton_->setText(tr("&Help"));
    gamesWonLine_->setText(GamesWonLine());
    highScores_->Translate();
}

QString StatisticsDialog::GamesWonLine() {
    const auto [played, won] = ReadGameCounts(store_);
    const auto percentage = WonPercentage(WholeValue(won), WholeValue(played));
    const QString suffix =
        percentage ? QStringLiteral(" (%1%).").arg(*percentage) : QStringLiteral(".");
    // The counters stand as stored; the number of games played picks the form of "times".
    //: %1 games won, %2 games played, %3 " (38%)." or "."
    return tr("You have won %1 out of %2 times%3", nullptr, PluralCount(WholeValue(played)))
        .arg(QString::fromStdString(won), QString::fromStdString(played), suffix);
}

void StatisticsDialog::ShowHighScores() {
    highScores_->Show(ReadHighScores(store_));
}

void StatisticsDialog::HighLight(int rank) {
    highScores_->HighLight(rank);
}

void StatisticsDialog::ResetStatistics() {
    const auto answer = boxes_.Show({MessageIcon::Question,
                                     tr("Do you really want to reset the high score information?"),
                                     MessageButtons::YesNo, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) {
        return;
    }
    if (WriteOrTell(boxes_, [this] { lexel::ResetStatistics(store_, runningGameCounted_); })) {
        accept();
    }
}

} // namespace lexel
