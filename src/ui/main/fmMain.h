#pragma once

// The main window: the whole playing surface. It holds the controls, forwards their events
// and runs the course of a game with the rules of the core library.

#include "MainTexts.h"
#include "core/rules/GameState.h"
#include "core/rules/GameTimer.h"
#include "core/rules/LetterMarking.h"
#include "core/rules/Scoring.h"
#include "core/startup/Help.h"
#include "core/store/SuggestionTable.h"

#include <QMainWindow>
#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace lexel {

class LineResultView;
class LetterButtonView;
class GuessGrid;
class LanguageSwitch;
class MessageBoxes;
class RandomSource;
class SettingsStore;
class WordStore;
struct FinishedGame;
struct ScoreInput;
struct Settings;
namespace sql {
class Database;
}

// What the controls of the current line allow: typing, evaluating, nothing after a solution.
enum class InterfaceMode {
    DisableLine,   // the evaluated line's letters move onto labels
    EnableLine,    // the current line's fields take letters
    DisableResult, // Evaluate is off until the line is complete
    EnableResult,  // the line is complete: Evaluate is on
    Solved,        // nothing more to type, evaluate, hint, suggest or solve
};

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

    // Ends the window as closing it does where no question can be asked (a signal, a failed
    // database): a counted game offers its score, as Yes to the abort question would, when
    // `offerScore`; no quotation is shown.
    void EndWithoutQuestions(bool offerScore);
    // The score of a counted game offered to the table without a word to the player; the
    // game is over for the window then.
    void SaveRunningScore();

    void StartGame();
    void TryGuess();
    void Solve();
    void ShowSolution();
    void StopGame();

    void SetInterfaceMode(InterfaceMode mode);
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
    void TranslateAccessibility();
    void ShowTime(const QString& text);
    void ConnectGrid();

    // Closing the window (Form_QueryUnload): true when it may close.
    bool QueryUnload();
    void ShowQuotation();
    void PressDefaultButton();

    bool AcceptGuess(const QString& guess);
    void EvaluateLastLine();
    void WinEnding(const QString& message, bool entered, Score score);
    bool CountGame();
    bool RecordEnd(const FinishedGame& game);
    Score ComputeScore() const;
    bool OfferScore();
    void ShowLineResult(int line, const QString& code);
    // Names line 1..9's dot pictures after its outcome, for screen readers.
    void DescribeResult(int line);
    QString HiddenWordCapitals() const;
    void SetSuggestionCommands(bool enabled);
    void SetSolveCommands(bool enabled);

    // Letter marking: the panels, the colour menus, Reset To Gray, typing by clicking.
    void CreateLetterPanels();
    void ConnectColorMenus();
    void RenderLetters();
    // Accessible descriptions of the evaluated letters and the letter buttons: letter, colour.
    void DescribeLetters();
    QString ColorName(LetterColor color) const;
    int LastGridLabel() const;
    void AutoColor(const QString& word, int good);
    void Used(const QString& word, int good);
    void GrayAll();
    void cmdGray_Click();
    void LetterButtonPressed(LetterButtonView* button, Qt::MouseButton mouse, QPoint at);
    void LetterButtonReleased(LetterButtonView* button, Qt::MouseButton mouse);

    // Hints and saving the analysis.
    void OfferHint(int position);
    void mnHint_Click();
    void Hint(char letter);
    void SaveAnalysis();
    void cmdSave_Click();

    // Suggest Word: fills the current line with a word that fits it, at a price in points.
    void mnSuggest_Click();

    void ShowAnagrams();
    void mnAbout_Click();

    void mnOptions_Click();
    void mnStats_Click();
    void ShowHelp() { services_.help.ShowTopic(helpContext_); }

    GameServices services_;
    GameState game_;
    LetterMarking marking_;
    int ColorLabelIndex = 0;
    Panel ColorButtonPanel = Panel::Unused;
    int ColorButtonIndex = 0;
    Qt::MouseButton LastMouseButton = Qt::NoButton;
    int LastSuggestLine = -1;
    GameTimer timer_;
    SuggestionTables suggestions_;
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
    std::array<LineResultView*, 9> lineResults_{};
    std::array<LetterButtonView*, 26> picUsed{};
    std::array<LetterButtonView*, 26> picUnused{};
    GuessGrid* grid_ = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace lexel
