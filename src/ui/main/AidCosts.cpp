#include "AidCosts.h"

#include "core/game/GameModel.h"

#include <QAction>
#include <QCoreApplication>
#include <QLocale>
#include <QWidget>

namespace lexel {
namespace {

QString Text(const char* english) {
    return QCoreApplication::translate("lexel::AidCosts", english);
}

// Grouped as the player's language writes numbers: 20,000 or 20.000.
QString Points(Score points) {
    const QLocale locale(QCoreApplication::translate(
        "lexel::AidCosts", "en", "the language whose way of writing numbers the costs use"));
    return locale.toString(static_cast<qlonglong>(points));
}

} // namespace

QString HintCostText(const GameModel& model) {
    if (!model.CanHint()) {
        return {};
    }
    const Score elsewhere = model.HintCost(false);
    const Score first = model.HintCost(true);
    if (!model.FirstLetterOpen() || first == elsewhere) {
        return Text(QT_TRANSLATE_NOOP("lexel::AidCosts", "A hint now costs %1 points."))
            .arg(Points(elsewhere));
    }
    return Text(QT_TRANSLATE_NOOP("lexel::AidCosts",
                                  "A hint now costs %1 points, %2 for the first letter."))
        .arg(Points(elsewhere), Points(first));
}

QString SuggestionCostText(const GameModel& model) {
    if (!model.CanSuggest()) {
        return {};
    }
    return Text(QT_TRANSLATE_NOOP("lexel::AidCosts", "Suggest Word now costs %1 points."))
        .arg(Points(model.SuggestionCost()));
}

void ShowCost(QAction* action, const QString& text) {
    action->setToolTip(text); // none: the item's name, as Qt has it
    action->setStatusTip(text);
}

void ShowCost(QWidget* widget, const QString& text) {
    widget->setToolTip(text);
    widget->setStatusTip(text);
}

} // namespace lexel
