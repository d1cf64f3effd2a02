#pragma once

// The main window: the whole playing surface. It holds the controls, forwards their events
// and runs the course of a game with the rules of the core library.

#include "GameState.h"
#include "Help.h"
#include "MainTexts.h"
#include "analysis/LetterMarks.h"
#include "board/GameTimer.h"

#include <QMainWindow>
#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace lexel {

class DotPicture;
class GuessGrid;
class LanguageSwitch;
class MessageBoxes;
class RandomSource;
class SettingsStore;
class WordStore;
struct ScoreInput;
struct Settings;
namespace sql {
class Database;
}

// What the main window works with; every piece outlives the window.
struct GameServices {
    sql::Database& db;
    SettingsStore& store;
    WordStore& words;
    Settings& settings;
    MessageBoxes& boxes;
    Help& help;
    RandomSource& random;
    Clock& clock;
    LanguageSwitch& language;
};

class fmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit fmMain(const GameServices& services, QWidget* parent = nullptr);
    ~fmMain() override;

    // The start-up steps that belong to the window: captions, top-left placement, first game.
    void Form_Load();

    void StartGame();
    void TryGuess();
    void Solve();
    void ShowSolution();
    void StopGame();

    void GUI(const QString& mode);
    void TimerStart();
    void TimerStop();
    void TimerUpdate();
    std::int32_t TimerGet() const { return timer_.TimerGet(); }

    const GameState& Game() const { return game_; }
    GuessGrid& Grid() { return *grid_; }
    HelpTopic HelpContext() const { return helpContext_; }
    // The result code of line 1..9 ("" while not evaluated).
    QString ResultCode(int line) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateMenus();
    void CreateBoard(QWidget* client);
    void Translate();
    void ConnectGrid();

    // Closing the window (Form_QueryUnload): true when it may close.
    bool QueryUnload();
    void ShowQuotation();
    void PressDefaultButton();

    bool AcceptGuess(const QString& guess);
    void EvaluateLastLine();
    void WinEnding(const QString& message, bool entered, const QString& score);
    void CountGame();
    QString ComputeScore() const;
    bool OfferScore();
    void ShowLineResult(int line, const QString& code);
    QString HiddenWordCapitals() const;
    void SetSuggestionCommands(bool enabled);
    void SetSolveCommands(bool enabled);

    // Letter marking and the anagram window come with the analysis aids and side windows.
    void AutoColor(const QString&, int) {}
    void Used(const QString&, int) {}
    void UnusedAll() {}
    void ShowAnagrams() {}

    void mnOptions_Click();
    void mnStats_Click();
    void ShowHelp() { services_.help.ShowTopic(helpContext_); }

    GameServices services_;
    GameState game_;
    LetterMarks marks_;
    GameTimer timer_;
    HelpTopic helpContext_ = HelpTopic::Game;
    bool closing_ = false;

    MainTexts texts_;

    QMenu* mnGame = nullptr;
    QMenu* mnEdit = nullptr;
    QMenu* mnHelp = nullptr;
    QAction* mnStart = nullptr;
    QAction* mnSolve = nullptr;
    QAction* mnResult = nullptr;
    QAction* mnHint = nullptr;
    QAction* mnSuggest = nullptr;
    QAction* mnOptions = nullptr;
    QAction* mnStats = nullptr;
    QAction* mnExit = nullptr;
    QAction* mnEditGrayAll = nullptr;
    QAction* mnSave = nullptr;
    QAction* mnContents = nullptr;
    QAction* mnAbout = nullptr;
    QMenu* mnColors = nullptr;
    QMenu* mn2Colors = nullptr;
    QMenu* mnPopHintMenu = nullptr;
    QAction* mnPopHint = nullptr;
    QMenu* mnPopSuggestMenu = nullptr;
    QAction* mnPopSuggest = nullptr;

    QWidget* frButtons = nullptr;
    QWidget* frToGuess = nullptr;
    QGroupBox* fmTimer = nullptr;
    QWidget* frGuess = nullptr;
    QWidget* frDots = nullptr;
    QGroupBox* frUsed = nullptr;
    QGroupBox* frUnused = nullptr;
    QGroupBox* frResult = nullptr;
    QPushButton* cmdGame = nullptr;
    QPushButton* cmdSuggest = nullptr;
    QPushButton* cmdGray = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cbSolve = nullptr;
    QPushButton* cbGuess = nullptr;
    QLabel* lbTime = nullptr;
    std::array<QLabel*, 9> lbResult{};
    std::array<DotPicture*, 9> lblack{};
    std::array<DotPicture*, 9> lwhite{};
    GuessGrid* grid_ = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace lexel
