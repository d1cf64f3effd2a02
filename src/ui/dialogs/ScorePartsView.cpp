#include "ScorePartsView.h"

#include "ReviewNumbers.h"

#include <QGridLayout>
#include <QLabel>

namespace lexel {
namespace {

// The names tests find the rows by, in the order of ScorePart.
constexpr std::array<const char*, ScorePartCount> PartKeys{
    "Dots",           "Level",      "Win",   "CleanPlay",
    "Time",           "EarlySolve", "Hints", "SuggestionUnits",
    "WrongSolutions", "NonWords",   "Limit"};

QLabel* AddRow(QGridLayout* grid, const QString& name, const QString& key, Score points) {
    const int row = grid->rowCount();
    auto* label = new QLabel(name);
    label->setTextFormat(Qt::PlainText);
    auto* value = new QLabel(ReviewLocale().toString(static_cast<qlonglong>(points)));
    value->setObjectName(QStringLiteral("score") + key);
    value->setTextFormat(Qt::PlainText);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

} // namespace

// The limit shows only when it took something off or made up a negative sum.
ScorePartsView::ScorePartsView(const ScoreInput& game, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("scoreParts"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel(tr("The score as the sum of its parts:"));
    title->setTextFormat(Qt::PlainText);
    grid->addWidget(title, 0, 0, 1, 2);
    const auto parts = ScoreParts(game);
    for (std::size_t i = 0; i < ScorePartCount; ++i) {
        const auto part = static_cast<ScorePart>(i);
        if (part != ScorePart::Limit || parts[i] != 0) {
            AddRow(grid, PartName(part), QString::fromLatin1(PartKeys[i]), parts[i]);
        }
    }
    auto* total = AddRow(grid, tr("Score"), QStringLiteral("Total"), SumOf(parts));
    QFont bold = total->font();
    bold.setBold(true);
    total->setFont(bold);
}

QString ScorePartsView::PartName(ScorePart part) {
    switch (part) {
    case ScorePart::Dots:
        return tr("Dots");
    case ScorePart::Level:
        return tr("Level");
    case ScorePart::Win:
        return tr("Won game");
    case ScorePart::CleanPlay:
        return tr("Clean play (no hint, no non-word)");
    case ScorePart::Time:
        return tr("Time");
    case ScorePart::EarlySolve:
        return tr("Early solve");
    case ScorePart::Hints:
        return tr("Hints");
    case ScorePart::SuggestionUnits:
        return tr("Suggestion units");
    case ScorePart::WrongSolutions:
        return tr("Wrong solutions");
    case ScorePart::NonWords:
        return tr("Accepted non-words");
    case ScorePart::Limit:
        return tr("Limit (0 to %1)").arg(ReviewLocale().toString(static_cast<qlonglong>(MaxScore)));
    }
    return {};
}

} // namespace lexel
