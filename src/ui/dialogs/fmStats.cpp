#include "fmStats.h"

#include "core/settings/HighScores.h"
#include "core/settings/NumericText.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/MessageBoxes.h"
#include "ui/controls/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace lexel {
namespace {

constexpr int ClientWidth = 5160;
constexpr int ClientHeight = 3900;
constexpr int RowTop = 240;
constexpr int RowPitch = 300;
constexpr int RowHeight = 255;
constexpr int ButtonLeft = 4020;

const QColor HighLightBlue(0, 0, 255);

QLabel* Label(QWidget* parent, const QString& name, QRect twips, Qt::Alignment alignment) {
    return PlaceLabel(parent, name, twips, alignment | Qt::AlignVCenter);
}

QPushButton* Button(QWidget* parent, const QString& name, int top) {
    return PlaceButton(parent, name, {ButtonLeft, top, 972, 372});
}

void Emphasise(QLabel* label, bool bold, const QColor& color) {
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

} // namespace

fmStats::fmStats(SettingsStore& store, MessageBoxes& boxes, Help& help, bool runningGameCounted,
                 QWidget* parent)
    : HelpDialog(help, HelpTopic::Statistics, parent), store_(store), boxes_(boxes),
      runningGameCounted_(runningGameCounted) {
    setObjectName(QStringLiteral("fmStats"));
    setFont(LayoutFont());
    setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    CreateControls();
    Form_Load();
}

void fmStats::CreateControls() {
    lbTotal = Label(this, QStringLiteral("lbTotal"), {120, 120, 4920, 300}, Qt::AlignLeft);
    Frame1 = Place<QGroupBox>(this, QStringLiteral("Frame1"), {120, 480, 3720, 3300});
    for (int i = 0; i < HighScoreRanks; ++i) {
        const int top = RowTop + i * RowPitch;
        lbNums[i] = Label(Frame1, QStringLiteral("lbNums_%1").arg(i), {120, top, 420, RowHeight},
                          Qt::AlignRight);
        lbNums[i]->setText(QString::number(i + 1));
        lbWords[i] = Label(Frame1, QStringLiteral("lbWords_%1").arg(i), {720, top, 1500, RowHeight},
                           Qt::AlignLeft);
        lbScore[i] = Label(Frame1, QStringLiteral("lbScore_%1").arg(i),
                           {2220, top, 1320, RowHeight}, Qt::AlignRight);
    }
    cbClose = Button(this, QStringLiteral("cbClose"), 570);
    cbReset = Button(this, QStringLiteral("cbReset"), 1020);
    cbHelp = Button(this, QStringLiteral("cbHelp"), 1470);
    connect(cbClose, &QPushButton::clicked, this, &fmStats::reject);
    connect(cbReset, &QPushButton::clicked, this, &fmStats::cbReset_Click);
    connect(cbHelp, &QPushButton::clicked, this, &fmStats::ShowHelp);
}

void fmStats::Translate() {
    setWindowTitle(tr("Morvane Lexel High Scores"));
    cbClose->setText(tr("&Close"));
    cbReset->setText(tr("&Reset"));
    cbHelp->setText(tr("&Help"));
    lbTotal->setText(GamesWonLine());
}

QString fmStats::GamesWonLine() {
    const auto [played, won] = ReadGameCounts(store_);
    const auto percentage = WonPercentage(WholeValue(won), WholeValue(played));
    const QString suffix =
        percentage ? QStringLiteral(" (%1%).").arg(*percentage) : QStringLiteral(".");
    //: %1 games won, %2 games played, %3 " (38%)." or "."
    return tr("You have won %1 out of %2 times%3")
        .arg(QString::fromStdString(won), QString::fromStdString(played), suffix);
}

void fmStats::Form_Load() {
    Translate();
    const QColor text = palette().color(QPalette::ButtonText);
    const auto table = ReadHighScores(store_);
    for (int i = 0; i < HighScoreRanks; ++i) {
        const auto& entry = table[i];
        lbWords[i]->setText(QString::fromStdString(entry.word));
        lbScore[i]->setText(QString::fromStdString(entry.score));
        Emphasise(lbWords[i], false, text);
        Emphasise(lbScore[i], false, text);
    }
}

void fmStats::HighLight(const QString& word, const QString& score) {
    for (int i = 0; i < HighScoreRanks; ++i) {
        if (lbWords[i]->text() == word && lbScore[i]->text() == score) {
            Emphasise(lbWords[i], true, HighLightBlue);
            Emphasise(lbScore[i], lbScore[i]->font().bold(), HighLightBlue);
            return;
        }
    }
}

void fmStats::cbReset_Click() {
    const auto answer = boxes_.Show({MessageIcon::Question,
                                     tr("Do you really want to reset the high score information?"),
                                     MessageButtons::YesNo, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) {
        return;
    }
    ResetStatistics(store_, runningGameCounted_);
    accept();
}

} // namespace lexel
