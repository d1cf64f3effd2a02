#pragma once

// The main window's menus: Game, Edit, View and Help in the menu bar, and the popup menus of the
// board (a letter's colours, a hint, a suggestion). Each item has a stable object name that
// tests and shortcuts find.

#include "core/rules/LetterMarks.h"

#include <QCoreApplication>
#include <QStringList>

class QAction;
class QMainWindow;
class QMenu;

namespace lexel {

class GameModel;

class GameMenus {
    Q_DECLARE_TR_FUNCTIONS(lexel::GameMenus)

public:
    explicit GameMenus(QMainWindow* window);

    void Translate();
    // Offers what the game allows now, and at what cost; Hint in the menu needs the focus in
    // the solution line.
    void Enable(const GameModel& model, bool solutionFocused);
    // The colours as the colour menus name them, lower case, in the order of LetterColor.
    QStringList ColorNames() const;
    // The colour of item `item` of a colour menu.
    static LetterColor ColorOfItem(int item) { return static_cast<LetterColor>(item); }

    QMenu* game;
    QAction* newGame;
    QAction* dailyGame;  // the same word for everyone today
    QAction* copyResult; // of an ended game of the day
    QAction* solve;
    QAction* evaluate;
    QAction* hint;
    QAction* suggest;
    QAction* options;
    QAction* highScores;
    QAction* review; // how the possible words fell in the game that ended
    QAction* exit;
    QMenu* edit;
    QAction* resetToGray;
    QAction* saveAnalysis;
    QMenu* view;
    QAction* zoomIn;
    QAction* zoomOut;
    QAction* normalSize;
    QAction* fullScreen; // checked while the window is shown full screen
    QMenu* help;
    QAction* contents;
    QAction* about;

    QMenu* cellColors;   // an evaluated letter of the board
    QMenu* buttonColors; // a letter button
    QMenu* hintPopup;
    QAction* hintPopupAction;
    QMenu* suggestPopup;
    QAction* suggestPopupAction;
};

} // namespace lexel
