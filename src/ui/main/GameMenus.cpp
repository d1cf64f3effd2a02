#include "GameMenus.h"

#include "AidCosts.h"
#include "core/game/GameModel.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace lexel {
namespace {

constexpr const char* ColorItems[] = {"Red", "Blue", "Yellow", "Green", "Gray"};

QAction* Action(QMenu* menu, const char* name, const QList<QKeySequence>& keys = {}) {
    auto* action = menu->addAction(QString());
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    return action;
}

// The game's own key first, which the menu shows, then the desktop's keys for the same command.
QList<QKeySequence> Keys(const QKeySequence& own, QKeySequence::StandardKey standard) {
    QList<QKeySequence> keys{own};
    for (const auto& key : QKeySequence::keyBindings(standard)) {
        if (!keys.contains(key)) {
            keys.append(key);
        }
    }
    return keys;
}

QMenu* Menu(QWidget* parent, const char* name) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QMenu* ColorMenu(QWidget* parent, const char* name, const char* itemPrefix) {
    auto* menu = Menu(parent, name);
    for (const auto* colour : ColorItems) {
        auto* action = menu->addAction(QString());
        action->setObjectName(QLatin1String(itemPrefix) + QLatin1String(colour));
    }
    return menu;
}

} // namespace

GameMenus::GameMenus(QMainWindow* window)
    : game(window->menuBar()->addMenu(QString())),
      newGame(Action(game, "newGameAction", Keys(Qt::Key_F2, QKeySequence::New))),
      dailyGame(Action(game, "dailyGameAction", {Qt::CTRL | Qt::Key_D})),
      copyResult(Action(game, "copyResultAction", {Qt::CTRL | Qt::SHIFT | Qt::Key_C})),
      solve(Action(game, "solveAction", {Qt::CTRL | Qt::Key_S})),
      // Enter evaluates wherever the focus is in the window, a letter field included.
      evaluate(Action(game, "evaluateAction", {Qt::Key_Return, Qt::Key_Enter})),
      hint((game->addSeparator(), Action(game, "hintAction", {Qt::Key_F3}))),
      suggest(Action(game, "suggestAction", {Qt::Key_F4})),
      options((game->addSeparator(), Action(game, "optionsAction", {Qt::Key_F5}))),
      highScores(Action(game, "highScoresAction", {Qt::Key_F6})),
      review(Action(game, "reviewAction", {Qt::CTRL | Qt::Key_R})),
      exit((game->addSeparator(),
            Action(game, "exitAction", Keys(Qt::CTRL | Qt::Key_Q, QKeySequence::Quit)))),
      edit(window->menuBar()->addMenu(QString())),
      resetToGray(Action(edit, "resetToGrayAction", {Qt::CTRL | Qt::Key_G})),
      saveAnalysis(Action(edit, "saveAnalysisAction", {Qt::CTRL | Qt::Key_Y})),
      view(window->menuBar()->addMenu(QString())),
      // Ctrl+= is Ctrl++ without Shift on keyboards where + is shifted, as in web browsers.
      zoomIn(Action(view, "zoomInAction",
                    Keys(Qt::CTRL | Qt::Key_Plus, QKeySequence::ZoomIn)
                        << (Qt::CTRL | Qt::Key_Equal))),
      zoomOut(Action(view, "zoomOutAction", Keys(Qt::CTRL | Qt::Key_Minus, QKeySequence::ZoomOut))),
      normalSize(Action(view, "normalSizeAction", {Qt::CTRL | Qt::Key_0})),
      fullScreen((view->addSeparator(),
                  Action(view, "fullScreenAction", Keys(Qt::Key_F11, QKeySequence::FullScreen)))),
      help(window->menuBar()->addMenu(QString())),
      // F1 shows the help of where the focus is, as every window's F1 does.
      contents(Action(help, "contentsAction", Keys(Qt::Key_F1, QKeySequence::HelpContents))),
      about((help->addSeparator(), Action(help, "aboutAction"))),
      cellColors(ColorMenu(window, "cellColorMenu", "cell")),
      buttonColors(ColorMenu(window, "buttonColorMenu", "button")),
      hintPopup(Menu(window, "hintPopup")), hintPopupAction(Action(hintPopup, "hintPopupAction")),
      suggestPopup(Menu(window, "suggestPopup")),
      suggestPopupAction(Action(suggestPopup, "suggestPopupAction")) {
    game->setObjectName(QStringLiteral("gameMenu"));
    edit->setObjectName(QStringLiteral("editMenu"));
    view->setObjectName(QStringLiteral("viewMenu"));
    help->setObjectName(QStringLiteral("helpMenu"));
    fullScreen->setCheckable(true);
    // The aids' tooltips tell their cost.
    game->setToolTipsVisible(true);
    hintPopup->setToolTipsVisible(true);
    suggestPopup->setToolTipsVisible(true);
}

void GameMenus::Translate() {
    game->setTitle(tr("&Game"));
    newGame->setText(tr("&New Game"));
    dailyGame->setText(tr("Game of the &Day"));
    copyResult->setText(tr("&Copy Result"));
    solve->setText(tr("&Solve"));
    evaluate->setText(tr("&Evaluate"));
    hint->setText(tr("&Hint"));
    suggest->setText(tr("S&uggest Word"));
    options->setText(tr("&Options..."));
    highScores->setText(tr("High Sco&res..."));
    review->setText(tr("Re&view Game..."));
    exit->setText(tr("E&xit"));
    edit->setTitle(tr("&Edit"));
    resetToGray->setText(tr("Reset To &Gray"));
    saveAnalysis->setText(tr("Save Anal&ysis"));
    view->setTitle(tr("&View"));
    zoomIn->setText(tr("Zoom &In"));
    zoomOut->setText(tr("Zoom &Out"));
    normalSize->setText(tr("&Normal Size"));
    fullScreen->setText(tr("&Full Screen"));
    help->setTitle(tr("&Help"));
    contents->setText(tr("&Contents"));
    about->setText(tr("&About Lexel..."));
    const QString colours[] = {tr("&Red"), tr("&Blue"), tr("&Yellow"), tr("Gr&een"), tr("&Gray")};
    for (int i = 0; i < 5; ++i) {
        cellColors->actions()[i]->setText(colours[i]);
        buttonColors->actions()[i]->setText(colours[i]);
    }
    hintPopupAction->setText(hint->text());
    suggestPopupAction->setText(suggest->text());
}

// A screen reader names a colour as the colour menus do, so what it says is what the player
// picks there.
QStringList GameMenus::ColorNames() const {
    QStringList names;
    for (auto* action : cellColors->actions()) {
        names.append(action->text().remove(QLatin1Char('&')).toLower());
    }
    return names;
}

void GameMenus::Enable(const GameModel& model, bool solutionFocused) {
    evaluate->setEnabled(model.CanEvaluate());
    solve->setEnabled(model.CanSolve());
    hint->setEnabled(model.CanHint() && solutionFocused);
    hintPopupAction->setEnabled(model.CanHint());
    const bool canSuggest = model.CanSuggest();
    suggest->setEnabled(canSuggest);
    suggestPopupAction->setEnabled(canSuggest);
    suggestPopup->setEnabled(canSuggest);
    for (auto* action : {hint, hintPopupAction}) {
        ShowCost(action, HintCostText(model));
    }
    for (auto* action : {suggest, suggestPopupAction}) {
        ShowCost(action, SuggestionCostText(model));
    }
    resetToGray->setEnabled(model.CanMark());
    saveAnalysis->setEnabled(model.CanMark());
    review->setEnabled(model.CanReview());
    copyResult->setEnabled(model.CanCopyResult());
}

} // namespace lexel
