#include "MainWindow.h"

#include "CommandBar.h"
#include "GameMenus.h"
#include "LetterPanels.h"
#include "MainLayout.h"
#include "MarkingInput.h"
#include "PossibleWordsLine.h"
#include "SideWindows.h"
#include "TimerBox.h"
#include "WindowZoom.h"
#include "core/settings/Settings.h"
#include "ui/board/BoardInput.h"
#include "ui/board/BoardReading.h"
#include "ui/board/BoardView.h"
#include "ui/board/DotColumn.h"
#include "ui/controls/Controls.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace lexel {
namespace {

constexpr int TickMs = 200;

} // namespace

MainWindow::MainWindow(const GameServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services),
      model_({services.words, services.records, services.settings, services.boxes, services.random,
              services.clock}) {
    setObjectName(QStringLiteral("MainWindow"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    zoom_ = new WindowZoom(*this, *client, services.settings, services.store, services.boxes);
    setFont(LayoutFont());
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
    Translate();
    DrawBoard();
    zoom_->Apply();
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
    possibleWords_ = new PossibleWordsLine(client, this);
    new BoardReading(model_, *view_, *dots_, *input_, this);
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
    onMenu(m.dailyGame, &MainWindow::NewDailyGame);
    onMenu(m.copyResult, [this] { QGuiApplication::clipboard()->setText(model_.DailyResult()); });
    onClick(commands_->newGame, &MainWindow::NewGame);
    onMenu(m.solve, &MainWindow::Solve);
    onClick(solveButton_, &MainWindow::Solve);
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
    onMenu(m.review, [this] { SideWindows(services_, this).ShowReview(model_); });
    onMenu(m.exit, &MainWindow::close);
    onMenu(m.zoomIn, [this] { zoom_->StepIn(); });
    onMenu(m.zoomOut, [this] { zoom_->StepOut(); });
    onMenu(m.normalSize, [this] { zoom_->ResetZoom(); });
    onMenu(m.fullScreen, [this] { zoom_->ToggleFullScreen(); });
    onMenu(m.contents, &MainWindow::ShowHelp);
    onMenu(m.about, &MainWindow::ShowAbout);
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
    ShowTitle();
    menus_->Translate();
    commands_->Translate();
    timer_->Translate();
    panels_->Translate();
    possibleWords_->Translate();
    solveButton_->setText(menus_->solve->text());
    evaluateButton_->setText(menus_->evaluate->text());
    view_->Translate();
    dots_->Describe();
    Describe();
    UpdateCommands(); // the aids' costs in the new language
}

void MainWindow::Start() {
    Translate();
    move(0, 0);
    helpContext_ = HelpTopic::Playing;
    model_.StartGame();
    timer_->setVisible(services_.settings.showTime);
    ShowDisplayOptions();
    input_->FocusFirstField();
}

void MainWindow::DrawBoard() {
    view_->Draw();
    dots_->Draw(model_.Cells());
    if (possibleWords_->isVisible()) {
        possibleWords_->Show(model_.PossibleWordCount());
    }
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
    evaluateButton_->setEnabled(model_.CanEvaluate());
    solveButton_->setEnabled(model_.CanSolve());
    menus_->Enable(model_, input_->SolutionHasFocus());
    commands_->Enable(model_);
}

// The options that change only what the window shows, as they stand in the settings.
void MainWindow::ShowDisplayOptions() {
    view_->SetSymbols(services_.settings.markSymbols);
    panels_->SetSymbols(services_.settings.markSymbols);
    possibleWords_->setVisible(services_.settings.showPossibleWords);
    zoom_->SetLayoutHeight(possibleWords_->LayoutHeight());
    if (possibleWords_->isVisible()) {
        possibleWords_->Show(model_.PossibleWordCount());
    }
}

// The descriptions name colours, so they are retold in the new language too.
void MainWindow::Describe() {
    const auto colors = menus_->ColorNames();
    view_->Describe(colors);
    panels_->Describe(model_.Marking(), colors);
}

// New Game: a running game is given up first; after No the game goes on where the player typed.
void MainWindow::NewGame() {
    Begin([this] { return model_.NewGame(); });
}

void MainWindow::NewDailyGame() {
    Begin([this] { return model_.NewDailyGame(); });
}

void MainWindow::Begin(const std::function<bool()>& start) {
    helpContext_ = HelpTopic::Playing;
    if (!start()) {
        input_->FocusLastField();
        return;
    }
    timer_->setVisible(services_.settings.showTime);
    ShowTitle();
    input_->FocusFirstField();
}

// A game of the day says so in the title, with its date: the player knows which word is whose.
void MainWindow::ShowTitle() {
    const auto& date = model_.State().dailyDate;
    setWindowTitle(
        date.empty() ? QStringLiteral("Morvane Lexel")
                     : tr("Morvane Lexel – Game of the Day %1").arg(QString::fromStdString(date)) +
                           (model_.IsReplay() ? tr(" (replay)") : QString()));
}

void MainWindow::Evaluate() {
    const int line = model_.State().currentLine;
    const auto outcome = model_.TryGuess();
    if (outcome == GuessOutcome::Evaluated) {
        input_->FocusNextGuessLine();
    }
    // After the focus moved: a screen reader speaks a description change of the focused field.
    if (outcome != GuessOutcome::Refused) {
        view_->Announce(dots_->Outcome(line));
    }
    TellEndingLater();
}

void MainWindow::Solve() {
    model_.Solve();
    TellEndingLater();
}

// The key or click that ended the game is handled first; the message, the table and the
// anagrams then open one after another over the window, not nested inside its handler.
void MainWindow::TellEndingLater() {
    if (auto ending = model_.TakeEnding()) {
        QTimer::singleShot(0, this, [this, ending = std::move(*ending)] { TellEnding(ending); });
    }
}

void MainWindow::TellEnding(const GameEnding& ending) {
    services_.boxes.Show(ending.message);
    if (ending.outcome == Outcome::Won) {
        SideWindows(services_, this).ShowWin(ending.word, ending.rank);
    }
}

void MainWindow::TakeHint() {
    const int position = input_->HintPosition();
    if (model_.TakeHint(position)) {
        input_->FocusAfterHint(position);
        //: what a screen reader says of a hint: the place and the letter revealed there
        view_->Announce(
            tr("Solution, letter %1 is %2")
                .arg(position + 1)
                .arg(QChar::fromLatin1(model_.Cells().Solution(position).content.Shown())));
    }
}

void MainWindow::Suggest() {
    input_->FocusAfterFill(model_.SuggestWord());
}

void MainWindow::ShowOptions() {
    if (SideWindows(services_, this).ShowOptions()) {
        Translate();
    }
    if (model_.State().GameRunning) {
        timer_->setVisible(services_.settings.showTime);
    }
    ShowDisplayOptions();
}

void MainWindow::ShowHighScores() {
    SideWindows(services_, this).ShowHighScores(model_.RunningGameRecorded());
}

void MainWindow::ShowAbout() {
    SideWindows(services_, this).ShowAbout([this] { return model_.State().HiddenWord; });
}

// The menu's tick follows the window into and out of full screen, however it got there.
void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && menus_) {
        menus_->fullScreen->setChecked(isFullScreen());
    }
    QMainWindow::changeEvent(event);
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
