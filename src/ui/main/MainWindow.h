#pragma once

// The main window: it builds the board, the dot column, the letter panels, the command bar,
// the timer and the menus, draws the game model into them and forwards the player's commands
// to it. It holds no state of the game.

#include "core/game/GameModel.h"
#include "core/ports/Help.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QPushButton;
class QTimer;

namespace lexel {

class BoardInput;
class BoardView;
class CommandBar;
class DotColumn;
class GameMenus;
class LanguageSwitch;
class LetterPanels;
class MarkingInput;
class MessageBoxes;
class RandomSource;
class SettingsStore;
class PossibleWordsLine;
class TimerBox;
class WordSource;
class GameRecords;
class WindowZoom;
struct Settings;

// What the main window works with; every piece outlives the window.
struct GameServices {
    SettingsStore& store;
    WordSource& words;
    GameRecords& records;
    Settings& settings;
    MessageBoxes& boxes;
    Help& help;
    RandomSource& random;
    Clock& clock;
    LanguageSwitch& language;
};

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const GameServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up steps that belong to the window: captions, top-left placement, first game.
    void Start();
    // Ends the window as closing it does where no question can be asked (a signal, a failed
    // database): a counted game offers its score, as Yes to the abort question would, when
    // `offerScore`; no quotation is shown.
    void EndWithoutQuestions(bool offerScore);

    GameModel& Model() { return model_; }
    const BoardView& Board() const { return *view_; }
    BoardInput& Input() { return *input_; }
    HelpTopic HelpContext() const { return helpContext_; }
    WindowZoom& Zoom() { return *zoom_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateBoard(QWidget* client);
    void ConnectCommands();
    void Translate();

    void DrawBoard();
    void DrawMarks();
    void DrawTime();
    void UpdateCommands();
    void ShowDisplayOptions();
    void Describe();

    void NewGame();
    void NewDailyGame();
    void Begin(const std::function<bool()>& start);
    void ShowTitle();
    void Evaluate();
    void Solve();
    void TellEndingLater();
    void TellEnding(const GameEnding& ending);
    void TakeHint();
    void Suggest();
    bool QueryClose();
    void ShowQuotation();
    void ShowOptions();
    void ShowHighScores();
    void ShowAbout();
    void ShowHelp() { services_.help.ShowTopic(helpContext_); }

    GameServices services_;
    GameModel model_;
    HelpTopic helpContext_ = HelpTopic::Game;
    bool closing_ = false;

    WindowZoom* zoom_ = nullptr;
    std::unique_ptr<GameMenus> menus_;
    CommandBar* commands_ = nullptr;
    TimerBox* timer_ = nullptr;
    PossibleWordsLine* possibleWords_ = nullptr;
    DotColumn* dots_ = nullptr;
    LetterPanels* panels_ = nullptr;
    MarkingInput* marking_ = nullptr;
    BoardInput* input_ = nullptr;
    BoardView* view_ = nullptr;
    QPushButton* solveButton_ = nullptr;
    QPushButton* evaluateButton_ = nullptr;
    QTimer* ticker_ = nullptr;
};

} // namespace lexel
