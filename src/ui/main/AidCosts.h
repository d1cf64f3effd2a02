#pragma once

// What Hint and Suggest Word would cost if taken now, told as their tooltips and status tips
// so the player knows the price before paying it.

#include <QString>

class QAction;
class QWidget;

namespace lexel {

class GameModel;

// "" when the aid cannot be taken now.
QString HintCostText(const GameModel& model);
QString SuggestionCostText(const GameModel& model);

void ShowCost(QAction* action, const QString& text);
void ShowCost(QWidget* widget, const QString& text);

} // namespace lexel
