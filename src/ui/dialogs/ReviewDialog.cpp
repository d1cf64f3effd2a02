#include "ReviewDialog.h"

#include "CoachView.h"
#include "PossibleWordsChart.h"
#include "ScorePartsView.h"
#include "core/base/AsciiCase.h"
#include "ui/controls/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lexel {
namespace {

QString Guess(const LineCut& cut) {
    return QString::fromStdString(AsciiUpper(cut.shown.guess));
}

QString Share(const LineCut& cut) {
    const int percent = PercentLeft(cut);
    return percent == 0 && cut.after > 0 ? ReviewDialog::tr("less than 1%")
                                         : ReviewDialog::tr("%1%").arg(percent);
}

} // namespace

ReviewDialog::ReviewDialog(std::vector<LineCut> cuts, const std::optional<ScoreInput>& win,
                           std::optional<CoachGame> coach, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ReviewDialog"));
    setFont(LayoutFont());
    setWindowTitle(tr("Morvane Lexel Review"));
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(Summary(cuts), this);
    summary->setObjectName(QStringLiteral("reviewSummary"));
    summary->setTextFormat(Qt::PlainText);
    if (!cuts.empty()) {
        layout->addWidget(new PossibleWordsChart(std::move(cuts), this));
    }
    // Side by side, so the window stays lower than a small screen.
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(summary);
    if (win) {
        left->addSpacing(summary->fontMetrics().height());
        left->addWidget(new ScorePartsView(*win, this));
    }
    left->addStretch();
    columns->addLayout(left);
    columns->addSpacing(2 * summary->fontMetrics().height());
    columns->addWidget(new CoachView(std::move(coach), this), 0, Qt::AlignTop);
    layout->addLayout(columns);
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString ReviewDialog::Summary(const std::vector<LineCut>& cuts) {
    if (cuts.empty()) {
        return tr("No line was evaluated.");
    }
    QStringList rows;
    for (const auto& cut : cuts) {
        rows << tr("Line %1 (%2): %3 → %4")
                    .arg(cut.shown.line + 1)
                    .arg(Guess(cut))
                    .arg(cut.before)
                    .arg(cut.after);
    }
    if (const auto* deepest = DeepestCut(cuts)) {
        rows << QString()
             << tr("The guess that cut the most: line %1 (%2), leaving %3 of the words "
                   "before it")
                    .arg(deepest->shown.line + 1)
                    .arg(Guess(*deepest))
                    .arg(Share(*deepest));
    }
    return rows.join(u'\n');
}

} // namespace lexel
