#include "CoachView.h"

#include "CoachRunner.h"
#include "ReviewNumbers.h"
#include "core/base/AsciiCase.h"

namespace lexel {
namespace {

QString Capitals(const std::string& word) {
    return QString::fromStdString(AsciiUpper(word));
}

QString Average(double words) {
    return ReviewLocale().toString(words, 'f', 1);
}

QString LuckText(Luck luck) {
    switch (luck) {
    case Luck::Lucky:
        return CoachView::tr("a lucky game.");
    case Luck::Unlucky:
        return CoachView::tr("an unlucky game.");
    case Luck::Even:
        break;
    }
    return CoachView::tr("about what was to be expected.");
}

} // namespace

CoachView::CoachView(std::optional<CoachGame> game, QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("reviewCoach"));
    setTextFormat(Qt::PlainText);
    if (!game) {
        setText(tr("The coach cannot read the word lists."));
        done_ = true;
        return;
    }
    setText(tr("The coach is weighing every word…"));
    runner_ = std::make_unique<CoachRunner>(std::move(*game), this,
                                            [this](const auto& advice) { Show(advice); });
}

CoachView::~CoachView() = default;

void CoachView::Show(const std::vector<LineAdvice>& advice) {
    setText(Text(advice));
    done_ = true;
    emit finished();
}

QString CoachView::Text(const std::vector<LineAdvice>& advice) {
    if (advice.empty()) {
        return tr("The coach has no line to weigh.");
    }
    QStringList rows{tr("The coach's best guess for each line:")};
    for (const auto& line : advice) {
        rows << tr("Line %1 (%2): left %3 of %4, %5 on average; best %6: %7 on average")
                    .arg(line.shown.line + 1)
                    .arg(Capitals(line.shown.guess))
                    .arg(line.left)
                    .arg(line.before)
                    .arg(Average(line.playerAverage), Capitals(line.best),
                         Average(line.bestAverage));
    }
    const auto summary = Summarise(advice);
    rows << QString()
         << tr("Your guess was as good as the best on %1 of %2 lines.")
                .arg(summary.asGood)
                .arg(summary.lines)
         << tr("Your guesses left %1 words where %2 were to be expected: %3")
                .arg(summary.left)
                .arg(Average(summary.expected), LuckText(LuckOf(summary)));
    return rows.join(u'\n');
}

} // namespace lexel
