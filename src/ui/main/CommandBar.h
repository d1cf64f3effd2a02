#pragma once

// The row of buttons over the board: New Game, Suggest Word, Reset To Gray, Save Analysis.

#include <QObject>

class QPushButton;
class QWidget;

namespace lexel {

class CommandBar : public QObject {
    Q_OBJECT

public:
    CommandBar(QWidget* client, QObject* parent);
    void Translate();

    QPushButton* newGame = nullptr;
    QPushButton* suggest = nullptr;
    QPushButton* resetToGray = nullptr;
    QPushButton* saveAnalysis = nullptr;
};

} // namespace lexel
