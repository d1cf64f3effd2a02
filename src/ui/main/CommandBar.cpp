#include "CommandBar.h"

#include "AidCosts.h"
#include "core/game/GameModel.h"
#include "ui/controls/Controls.h"

#include <QGroupBox>
#include <QPushButton>

namespace lexel {

CommandBar::CommandBar(QWidget* client, QObject* parent) : QObject(parent) {
    auto* bar = Place<QGroupBox>(client, QStringLiteral("commandBar"), {0, -60, 7050, 495});
    newGame = PlaceButton(bar, QStringLiteral("newGameButton"), {100, 105, 1650, 375});
    suggest = PlaceButton(bar, QStringLiteral("suggestButton"), {1830, 105, 1650, 375});
    resetToGray = PlaceButton(bar, QStringLiteral("resetToGrayButton"), {3560, 105, 1650, 375});
    saveAnalysis = PlaceButton(bar, QStringLiteral("saveAnalysisButton"), {5290, 105, 1650, 375});
}

void CommandBar::Translate() {
    newGame->setText(tr("New Game"));
    suggest->setText(tr("Suggest Word"));
    resetToGray->setText(tr("Reset To Gray"));
    saveAnalysis->setText(tr("Save Analysis"));
}

void CommandBar::Enable(const GameModel& model) {
    suggest->setEnabled(model.CanSuggest());
    ShowCost(suggest, SuggestionCostText(model));
    resetToGray->setEnabled(model.CanMark());
    saveAnalysis->setEnabled(model.CanMark());
}

} // namespace lexel
