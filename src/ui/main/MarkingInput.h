#pragma once

// Letter marking by mouse and menu: the colour menus of the evaluated letters and of the letter
// buttons, and a click on a letter button, which types its letter where the player typed last.

#include "core/rules/LetterMarking.h"

#include <QObject>
#include <QPoint>

namespace lexel {

class BoardInput;
class BoardView;
class GameMenus;
class GameModel;
class LetterPanels;

class MarkingInput : public QObject {
    Q_OBJECT

public:
    MarkingInput(GameModel& model, const GameMenus& menus, const BoardView& view, BoardInput& input,
                 LetterPanels& panels, QObject* parent);

private:
    void LetterPressed(Panel panel, int index, Qt::MouseButton mouse, QPoint at);
    void LetterReleased(Panel panel, int index, Qt::MouseButton mouse);
    void OpenButtonColors(Panel panel, int index, QPoint at);

    GameModel& model_;
    const GameMenus& menus_;
    BoardInput& input_;
    // The letter whose colour menu is open.
    int colorCell_ = -1;
    Panel colorPanel_ = Panel::Unused;
    int colorIndex_ = 0;
    Qt::MouseButton lastMouseButton_ = Qt::NoButton;
};

} // namespace lexel
