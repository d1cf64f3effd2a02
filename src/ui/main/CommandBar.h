#pragma once

// The row of buttons over the board: New Game, Suggest Word, Reset To Gray, Save Analysis.

#include <QObject>

class QPushButton;
class QWidget;

namespace lexel {

class GameModel;

class CommandBar : public QObject {
    Q_OBJECT

public:
    CommandBar(QWidget* client, QObject* parent);
    void Translate();
    // Offers what the game allows now, and at what cost.
    void Enable(const GameModel& model);

    QPushButton* newGame = nullptr;
    QPushButton* suggest = nullptr;
    QPushButton* resetToGray = nullptr;
    QPushButton* saveAnalysis = nullptr;
};

} // namespace lexel
