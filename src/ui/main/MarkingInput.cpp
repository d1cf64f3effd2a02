#include "MarkingInput.h"

#include "GameMenus.h"
#include "LetterPanels.h"
#include "core/game/GameModel.h"
#include "ui/board/BoardInput.h"
#include "ui/board/BoardView.h"

#include <QAction>
#include <QMenu>

namespace lexel {

MarkingInput::MarkingInput(GameModel& model, const GameMenus& menus, const BoardView& view,
                           BoardInput& input, LetterPanels& panels, QObject* parent)
    : QObject(parent), model_(model), menus_(menus), input_(input) {
    for (int item = 0; item < 5; ++item) {
        const auto color = GameMenus::ColorOfItem(item);
        connect(menus_.cellColors->actions()[item], &QAction::triggered, this,
                [this, color] { model_.PaintCell(colorCell_, color); });
        connect(menus_.buttonColors->actions()[item], &QAction::triggered, this,
                [this, color] { model_.PaintButton(colorPanel_, colorIndex_, color); });
    }
    connect(&view, &BoardView::cellMenuRequested, this, [this](int cell, QPoint at) {
        if (!model_.IsLetterLocked(model_.Marking().Cell(cell).caption)) {
            colorCell_ = cell;
            menus_.cellColors->exec(at);
        }
    });
    // Marking from the keyboard: the menu of the letter's button, as a right click on it opens.
    connect(&input, &BoardInput::letterMenuRequested, this, [this](QChar letter, QPoint at) {
        const int i = letter.unicode() - 'A';
        if (i >= 0 && i < AlphabetSize) {
            OpenButtonColors(model_.Marking().VisiblePanel(i), i, at);
        }
    });
    connect(&panels, &LetterPanels::pressed, this, &MarkingInput::LetterPressed);
    connect(&panels, &LetterPanels::released, this, &MarkingInput::LetterReleased);
}

void MarkingInput::LetterPressed(Panel panel, int index, Qt::MouseButton mouse, QPoint at) {
    lastMouseButton_ = mouse;
    if (mouse != Qt::LeftButton) {
        OpenButtonColors(panel, index, at);
        return;
    }
    model_.PressButton(panel, index, true);
}

// A click on a letter button types its letter where the player typed last.
void MarkingInput::LetterReleased(Panel panel, int index, Qt::MouseButton mouse) {
    if (mouse != Qt::LeftButton) {
        return;
    }
    model_.PressButton(panel, index, false);
    if (lastMouseButton_ == Qt::LeftButton) {
        input_.TypeIntoLastField(QChar('A' + index));
    }
}

void MarkingInput::OpenButtonColors(Panel panel, int index, QPoint at) {
    if (model_.IsLetterLocked(static_cast<char>('A' + index))) {
        return;
    }
    colorPanel_ = panel;
    colorIndex_ = index;
    menus_.buttonColors->exec(at);
}

} // namespace lexel
