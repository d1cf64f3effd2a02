#include "MainWindow.h"

#include "CommandBar.h"
#include "GameMenus.h"
#include "LetterPanels.h"
#include "MarkingInput.h"
#include "SideWindows.h"
#include "TimerBox.h"
#include "core/settings/Settings.h"
#include "ui/board/BoardInput.h"
#include "ui/board/BoardView.h"
#include "ui/board/DotColumn.h"
#include "ui/controls/Controls.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace lexel {
namespace {

constexpr int ClientWidth = 7035;
constexpr int ClientHeight = 5930;
constexpr int TickMs = 200;

} // namespace

MainWindow::MainWindow(const GameServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services),
      model_({services.db, services.store, services.words, services.settings, services.boxes,
              services.random, services.clock}) {
    setObjectName(QStringLiteral("MainWindow"));
    setFont(LayoutFont());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    menus_ = std::make_unique<GameMenus>(this);
    commands_ = new CommandBar(client, this);
    CreateBoard(client);
    ticker_ = new QTimer(this);
    ticker_->setInterval(TickMs);
    connect(ticker_, &QTimer::timeout, &model_, &GameModel::Tick);
    ConnectCommands();
    marking_ = new MarkingInput(model_, *menus_, *view_, *input_, *panels_, this);
    connect(&model_, &GameModel::boardChanged, this, &MainWindow::DrawBoard);
    connect(&model_, &GameModel::marksChanged, this, &MainWindow::DrawMarks);
    connect(&model_, &GameModel::timeChanged, this, &MainWindow::DrawTime);
    connect(&model_, &GameModel::gameWon, this, &MainWindow::GameWon);
    Translate();
    DrawBoard();
}

// The fields lose the focus while the window's children are destroyed; by then the window
// must no longer hear them.
MainWindow::~MainWindow() {
    input_->disconnect(this);
}

void MainWindow::CreateBoard(QWidget* client) {
    auto* solutionBox =
        Place<QGroupBox>(client, QStringLiteral("solutionBox"), {60, 450, 4155, 675});
    solveButton_ = PlaceButton(solutionBox, QStringLiteral("solveButton"), {3040, 140, 1050, 480});
    timer_ = new TimerBox(client, this);
    auto* guessBox = Place<QGroupBox>(client, QStringLiteral("guessBox"), {60, 1110, 3060, 4740});
    evaluateButton_ =
        PlaceButton(guessBox, QStringLiteral("evaluateButton"), {1890, 210, 1050, 480});
    input_ = new BoardInput(model_, this);
    view_ = new BoardView(model_, *input_, guessBox, solutionBox);
    input_->Attach(*view_);
    dots_ = new DotColumn(client, this);
    panels_ = new LetterPanels(client, this);
}

void MainWindow::ConnectCommands() {
    auto& m = *menus_;
    const auto onClick = [this](QPushButton* button, auto slot) {
        connect(button, &QPushButton::clicked, this, slot);
    };
    const auto onMenu = [this](QAction* action, auto slot) {
        connect(action, &QAction::triggered, this, slot);
    };
    onMenu(m.newGame, &MainWindow::NewGame);
    onClick(commands_->newGame, &MainWindow::NewGame);
    onMenu(m.solve, [this] { model_.Solve(); });
    onClick(solveButton_, [this] { model_.Solve(); });
    onMenu(m.evaluate, &MainWindow::Evaluate);
    onClick(evaluateButton_, &MainWindow::Evaluate);
    onMenu(m.hint, &MainWindow::TakeHint);
    onMenu(m.hintPopupAction, &MainWindow::TakeHint);
    onMenu(m.suggest, &MainWindow::Suggest);
    onMenu(m.suggestPopupAction, &MainWindow::Suggest);
    onClick(commands_->suggest, &MainWindow::Suggest);
    onMenu(m.resetToGray, [this] { model_.ResetMarks(); });
    onMenu(m.saveAnalysis, [this] { model_.SaveAnalysis(); });
    // After a button the typing goes on in the field that had the focus.
    onClick(commands_->resetToGray, [this] {
        model_.ResetMarks();
        input_->FocusLastField();
    });
    onClick(commands_->saveAnalysis, [this] {
        model_.SaveAnalysis();
        input_->FocusLastField();
    });
    onMenu(m.options, &MainWindow::ShowOptions);
    onMenu(m.highScores, &MainWindow::ShowHighScores);
    onMenu(m.exit, &MainWindow::close);
    onMenu(m.contents, &MainWindow::ShowHelp);
    onMenu(m.about, &MainWindow::ShowAbout);
    connect(input_, &BoardInput::enterPressed, this, &MainWindow::Evaluate);
    connect(input_, &BoardInput::solutionFocusChanged, this, &MainWindow::UpdateCommands);
    connect(input_, &BoardInput::guessMenuRequested, this, [this](QPoint at) {
        if (menus_->suggestPopup->isEnabled()) {
            menus_->suggestPopup->exec(at);
        }
    });
    connect(input_, &BoardInput::solutionMenuRequested, this,
            [this](QPoint at) { menus_->hintPopup->exec(at); });
}

void MainWindow::Translate() {
    setWindowTitle(QStringLiteral("Morvane Lexel"));
    menus_->Translate();
    commands_->Translate();
    timer_->Translate();
    panels_->Translate();
    solveButton_->setText(menus_->solve->text());
    evaluateButton_->setText(menus_->evaluate->text());
    view_->Translate();
    dots_->Describe();
    Describe();
}

void MainWindow::Start() {
    Translate();
    move(0, 0);
    helpContext_ = HelpTopic::Playing;
    model_.StartGame();
    timer_->setVisible(services_.settings.showTime);
    input_->FocusFirstField();
}

void MainWindow::DrawBoard() {
    view_->Draw();
    dots_->Draw(model_.Cells());
    UpdateCommands();
    Describe();
}

void MainWindow::DrawMarks() {
    view_->DrawColors();
    panels_->Draw(model_.Marking());
    Describe();
}

void MainWindow::DrawTime() {
    timer_->Show(model_.ElapsedSeconds());
    if (!model_.ClockRunning()) {
        ticker_->stop();
    } else if (!ticker_->isActive()) {
        ticker_->start();
    }
}

void MainWindow::UpdateCommands() {
    auto& m = *menus_;
    const bool evaluate = model_.CanEvaluate();
    m.evaluate->setEnabled(evaluate);
    evaluateButton_->setEnabled(evaluate);
    m.solve->setEnabled(model_.CanSolve());
    solveButton_->setEnabled(model_.CanSolve());
    m.hint->setEnabled(model_.CanHint() && input_->SolutionHasFocus());
    m.hintPopupAction->setEnabled(model_.CanHint());
    const bool suggest = model_.CanSuggest();
    for (auto* action : {m.suggest, m.suggestPopupAction}) {
        action->setEnabled(suggest);
    }
    m.suggestPopup->setEnabled(suggest);
    commands_->suggest->setEnabled(suggest);
    const bool mark = model_.CanMark();
    m.resetToGray->setEnabled(mark);
    m.saveAnalysis->setEnabled(mark);
    commands_->resetToGray->setEnabled(mark);
    commands_->saveAnalysis->setEnabled(mark);
}

// The descriptions name colours, so they are retold in the new language too.
void MainWindow::Describe() {
    const auto colors = menus_->ColorNames();
    view_->Describe(colors);
    panels_->Describe(model_.Marking(), colors);
}

// New Game: a running game is given up first; after No the game goes on where the player typed.
void MainWindow::NewGame() {
    helpContext_ = HelpTopic::Playing;
    if (!model_.NewGame()) {
        input_->FocusLastField();
        return;
    }
    timer_->setVisible(services_.settings.showTime);
    input_->FocusFirstField();
}

void MainWindow::Evaluate() {
    const int line = model_.State().currentLine;
    model_.TryGuess();
    if (model_.State().GameRunning && model_.State().currentLine != line) {
        input_->FocusNextGuessLine();
    }
}

void MainWindow::TakeHint() {
    const int position = input_->HintPosition();
    const int hints = model_.State().HintCount;
    model_.TakeHint(position);
    if (model_.State().HintCount != hints) {
        input_->FocusAfterHint(position);
    }
}

void MainWindow::Suggest() {
    input_->FocusAfterFill(model_.SuggestWord());
}

void MainWindow::GameWon(bool entered, Score score) {
    SideWindows(services_, this).ShowWin(model_.State().HiddenWord, entered, score);
}

void MainWindow::ShowOptions() {
    if (SideWindows(services_, this).ShowOptions()) {
        Translate();
    }
    if (model_.State().GameRunning) {
        timer_->setVisible(services_.settings.showTime);
    }
}

void MainWindow::ShowHighScores() {
    SideWindows(services_, this).ShowHighScores(model_.HasEvaluatedLine());
}

void MainWindow::ShowAbout() {
    SideWindows(services_, this).ShowAbout([this] { return model_.State().HiddenWord; });
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelp();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Evaluate();
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closing_ || QueryClose()) {
        closing_ = true;
        ticker_->stop();
        event->accept();
    } else {
        event->ignore();
    }
}

// Leaving asks only when a line was evaluated; otherwise it says goodbye with a quotation,
// and a game counted by a wrong solution alone goes into the history as given up.
bool MainWindow::QueryClose() {
    if (!model_.HasEvaluatedLine()) {
        model_.SaveRunningScore();
        SideWindows(services_, this).ShowQuotation();
        return true;
    }
    return model_.AbortGame();
}

void MainWindow::EndWithoutQuestions(bool offerScore) {
    if (offerScore) {
        model_.SaveRunningScore();
    }
    closing_ = true;
    close();
}

} // namespace lexel
