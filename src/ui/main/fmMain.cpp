#include "fmMain.h"

#include "core/rules/BoardGeometry.h"
#include "core/settings/HighScores.h"
#include "core/settings/Quotes.h"
#include "core/settings/Settings.h"
#include "core/startup/MessageBoxes.h"
#include "ui/board/GuessGrid.h"
#include "ui/controls/Controls.h"
#include "ui/controls/LineResultView.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/LanguageSwitch.h"
#include "ui/dialogs/QuotationWindow.h"
#include "ui/dialogs/SetOptions.h"
#include "ui/dialogs/StatisticsDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace lexel {

namespace {

constexpr int ClientWidth = 7035;
constexpr int ClientHeight = 5930;
constexpr int TimerIntervalMs = 200;
constexpr int RowTop = 300;
constexpr int RowPitch = 480;

QAction* Action(QMenu* menu, const QString& name, const QKeySequence& key = {}) {
    auto* action = menu->addAction(QString());
    action->setObjectName(name);
    action->setShortcut(key);
    return action;
}

} // namespace

fmMain::fmMain(const GameServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services), timer_(services.clock), suggestions_(services.db) {
    setObjectName(QStringLiteral("fmMain"));
    setFont(LayoutFont());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    CreateMenus();
    CreateBoard(client);
    CreateLetterPanels();
    ConnectColorMenus();
    ConnectGrid();
    Timer1 = new QTimer(this);
    Timer1->setInterval(TimerIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &fmMain::TimerUpdate);
    Translate();
}

// The fields lose the focus while the window's children are destroyed; by then the window
// must no longer hear them.
fmMain::~fmMain() {
    grid_->disconnect(this);
}

void fmMain::CreateMenus() {
    mnGame = menuBar()->addMenu(QString());
    mnGame->setObjectName(QStringLiteral("mnGame"));
    mnStart = Action(mnGame, QStringLiteral("mnStart"), Qt::Key_F2);
    mnSolve = Action(mnGame, QStringLiteral("mnSolve"), Qt::CTRL | Qt::Key_S);
    mnResult = Action(mnGame, QStringLiteral("mnResult"));
    mnGame->addSeparator();
    mnHint = Action(mnGame, QStringLiteral("mnHint"), Qt::Key_F3);
    mnSuggest = Action(mnGame, QStringLiteral("mnSuggest"), Qt::Key_F4);
    mnGame->addSeparator();
    mnOptions = Action(mnGame, QStringLiteral("mnOptions"), Qt::Key_F5);
    mnStats = Action(mnGame, QStringLiteral("mnStats"), Qt::Key_F6);
    mnGame->addSeparator();
    mnExit = Action(mnGame, QStringLiteral("mnExit"));

    mnEdit = menuBar()->addMenu(QString());
    mnEdit->setObjectName(QStringLiteral("mnEdit"));
    mnEditGrayAll = Action(mnEdit, QStringLiteral("mnEditGrayAll"), Qt::CTRL | Qt::Key_G);
    mnSave = Action(mnEdit, QStringLiteral("mnSave"), Qt::CTRL | Qt::Key_Y);

    mnHelp = menuBar()->addMenu(QString());
    mnHelp->setObjectName(QStringLiteral("mnHelp"));
    mnContents = Action(mnHelp, QStringLiteral("mnContents"));
    mnHelp->addSeparator();
    mnAbout = Action(mnHelp, QStringLiteral("mnAbout"));

    // Popup menus, never in the menu bar.
    mnColors = new QMenu(this);
    mnColors->setObjectName(QStringLiteral("mnColors"));
    mn2Colors = new QMenu(this);
    mn2Colors->setObjectName(QStringLiteral("mn2Colors"));
    for (const auto* colour : {"Red", "Blue", "Yellow", "Green", "Gray"}) {
        Action(mnColors, QStringLiteral("mn%1").arg(QLatin1String(colour)));
        Action(mn2Colors, QStringLiteral("mn2%1").arg(QLatin1String(colour)));
    }
    mnPopHintMenu = new QMenu(this);
    mnPopHintMenu->setObjectName(QStringLiteral("mnPopHintMenu"));
    mnPopHint = Action(mnPopHintMenu, QStringLiteral("mnPopHint"));
    mnPopSuggestMenu = new QMenu(this);
    mnPopSuggestMenu->setObjectName(QStringLiteral("mnPopSuggestMenu"));
    mnPopSuggest = Action(mnPopSuggestMenu, QStringLiteral("mnPopSuggest"));

    for (auto* action : {mnSolve, mnResult, mnHint, mnSuggest, mnEditGrayAll, mnSave}) {
        action->setEnabled(false);
    }
    connect(mnStart, &QAction::triggered, this, &fmMain::StartGame);
    connect(mnSolve, &QAction::triggered, this, &fmMain::Solve);
    connect(mnResult, &QAction::triggered, this, &fmMain::TryGuess);
    connect(mnOptions, &QAction::triggered, this, &fmMain::mnOptions_Click);
    connect(mnStats, &QAction::triggered, this, &fmMain::mnStats_Click);
    connect(mnExit, &QAction::triggered, this, &fmMain::close);
    connect(mnContents, &QAction::triggered, this, &fmMain::ShowHelp);
    connect(mnAbout, &QAction::triggered, this, &fmMain::mnAbout_Click);
}

void fmMain::CreateBoard(QWidget* client) {
    frButtons = Place<QGroupBox>(client, QStringLiteral("frButtons"), {0, -60, 7050, 495});
    cmdGame = PlaceButton(frButtons, QStringLiteral("cmdGame"), {100, 105, 1650, 375});
    cmdSuggest = PlaceButton(frButtons, QStringLiteral("cmdSuggest"), {1830, 105, 1650, 375});
    cmdGray = PlaceButton(frButtons, QStringLiteral("cmdGray"), {3560, 105, 1650, 375});
    cmdSave = PlaceButton(frButtons, QStringLiteral("cmdSave"), {5290, 105, 1650, 375});

    frToGuess = Place<QGroupBox>(client, QStringLiteral("frToGuess"), {60, 450, 4155, 675});
    cbSolve = PlaceButton(frToGuess, QStringLiteral("cbSolve"), {3040, 140, 1050, 480});

    fmTimer = Place<QGroupBox>(client, QStringLiteral("fmTimer"), {4290, 450, 2685, 675});
    lbTime = PlaceLabel(fmTimer, QStringLiteral("lbTime"), {75, 225, 2490, 315}, Qt::AlignCenter);
    lbTime->setText(QStringLiteral("00:00:00"));

    frGuess = Place<QGroupBox>(client, QStringLiteral("frGuess"), {60, 1110, 3060, 4740});
    cbGuess = PlaceButton(frGuess, QStringLiteral("cbGuess"), {1890, 210, 1050, 480});
    grid_ = new GuessGrid(frGuess, frToGuess, game_);

    frDots = Place<QGroupBox>(client, QStringLiteral("frDots"), {3090, 1110, 1125, 4740});
    frUsed = Place<QGroupBox>(client, QStringLiteral("frUsed"), {4290, 1110, 2685, 2360});
    frUnused = Place<QGroupBox>(client, QStringLiteral("frUnused"), {4290, 3480, 2685, 2370});
    // Beyond the right edge of the client area: the result codes are stored, not shown.
    frResult = Place<QGroupBox>(client, QStringLiteral("frResult"), {8070, 390, 1160, 4620});
    for (int i = 0; i < LineCount; ++i) {
        const int top = RowTop + RowPitch * i;
        lineResults_[i] = Place<LineResultView>(
            frDots, QStringLiteral("lineResult_%1").arg(i),
            {BlackDotsLeft, top, WhiteDotsLeft + DotsSquare - BlackDotsLeft, DotsSquare});
        lbResult[i] = PlaceLabel(frResult, QStringLiteral("lbResult_%1").arg(i),
                                 {120, top, 855, 255}, Qt::AlignLeft | Qt::AlignVCenter);
    }

    connect(cmdGame, &QPushButton::clicked, this, &fmMain::StartGame);
    connect(cbGuess, &QPushButton::clicked, this, &fmMain::TryGuess);
    connect(cbSolve, &QPushButton::clicked, this, &fmMain::Solve);
    cbSolve->setEnabled(false);
    cbGuess->setEnabled(false);
}

void fmMain::ConnectGrid() {
    connect(grid_, &GuessGrid::lineCompleteChanged, this, [this](bool complete) {
        SetInterfaceMode(complete ? InterfaceMode::EnableResult : InterfaceMode::DisableResult);
    });
    connect(grid_, &GuessGrid::solutionCompleteChanged, this, &fmMain::SetSolveCommands);
    connect(grid_, &GuessGrid::solutionFocusLeft, this, [this] { mnHint->setEnabled(false); });
    connect(grid_, &GuessGrid::guessMenuRequested, this, [this](int, QPoint at) {
        if (mnPopSuggestMenu->isEnabled()) {
            mnPopSuggestMenu->exec(at);
        }
    });
    connect(grid_, &GuessGrid::solutionMenuRequested, this,
            [this](int, QPoint at) { mnPopHintMenu->exec(at); });
    connect(grid_, &GuessGrid::labelMenuRequested, this, [this](int label, QPoint at) {
        if (!marking_.IsLocked(marking_.Grid(label).caption, services_.settings.Colors)) {
            ColorLabelIndex = label;
            mnColors->exec(at);
        }
    });
    connect(grid_, &GuessGrid::solutionFocusEntered, this, &fmMain::OfferHint);
    // Marking from the keyboard: the menu of the letter's button, as a right click on it opens.
    connect(grid_, &GuessGrid::letterMenuRequested, this, [this](QChar letter, QPoint at) {
        const int i = letter.unicode() - 'A';
        if (i < 0 || i >= AlphabetSize ||
            marking_.IsLocked(letter.toLatin1(), services_.settings.Colors)) {
            return;
        }
        ColorButtonPanel = marking_.VisiblePanel(i);
        ColorButtonIndex = i;
        mn2Colors->exec(at);
    });
    connect(mnHint, &QAction::triggered, this, &fmMain::mnHint_Click);
    connect(mnPopHint, &QAction::triggered, this, &fmMain::mnHint_Click);
    connect(mnSave, &QAction::triggered, this, &fmMain::SaveAnalysis);
    connect(mnSuggest, &QAction::triggered, this, &fmMain::mnSuggest_Click);
    connect(mnPopSuggest, &QAction::triggered, this, &fmMain::mnSuggest_Click);
    connect(cmdSuggest, &QPushButton::clicked, this, &fmMain::mnSuggest_Click);
    connect(cmdSave, &QPushButton::clicked, this, &fmMain::cmdSave_Click);
    connect(grid_, &GuessGrid::enterPressed, this, &fmMain::PressDefaultButton);
}

void fmMain::Translate() {
    setWindowTitle(QStringLiteral("Morvane Lexel"));
    auto& t = texts_;
    t.abort = tr("Do you really want to abort this game?");
    t.reveal = tr("The hidden word was '%1'.");
    t.notAWordRefused = tr("'%1' is not a valid English word. If you want to be allowed to use "
                           "invalid 'words', you must enable the Cheating option.");
    t.notAWordAsk = tr("'%1' is not a valid English word.\nShould it be accepted nevertheless?");
    t.wonOnLine9 = tr("Congratulations!  You found the hidden word.");
    t.wonEarly = tr("Great!  You found the hidden word ahead of time.");
    //: %1 is the score; the German text has no words before it
    t.scoreLine = tr("You scored %1 points.");
    t.wrongSolution = tr("Sorry, this is not the correct solution. Please play on!");
    t.lost = tr("Sorry, this is not the correct solution. The hidden word was '%1'.  Better luck "
                "next time!");
    t.noMatchingWord = tr("No matching word found.");

    mnGame->setTitle(tr("&Game"));
    mnStart->setText(tr("&New Game"));
    mnSolve->setText(tr("&Solve"));
    mnResult->setText(tr("&Evaluate"));
    mnHint->setText(tr("&Hint"));
    mnSuggest->setText(tr("S&uggest Word"));
    mnOptions->setText(tr("&Options..."));
    mnStats->setText(tr("High Sco&res..."));
    mnExit->setText(tr("E&xit"));
    mnEdit->setTitle(tr("&Edit"));
    mnEditGrayAll->setText(tr("Reset To &Gray"));
    mnSave->setText(tr("Save Anal&ysis"));
    mnHelp->setTitle(tr("&Help"));
    mnContents->setText(tr("&Contents"));
    mnAbout->setText(tr("&About Lexel..."));
    const QString colours[] = {tr("&Red"), tr("&Blue"), tr("&Yellow"), tr("Gr&een"), tr("&Gray")};
    for (int i = 0; i < 5; ++i) {
        mnColors->actions()[i]->setText(colours[i]);
        mn2Colors->actions()[i]->setText(colours[i]);
    }

    cmdGame->setText(tr("New Game"));
    cmdSuggest->setText(tr("Suggest Word"));
    cmdGray->setText(tr("Reset To Gray"));
    cmdSave->setText(tr("Save Analysis"));
    frResult->setTitle(tr("Results"));
    frUsed->setTitle(tr("Used Letters"));
    frUnused->setTitle(tr("Unused Letters"));
    fmTimer->setTitle(tr("Used Time"));

    cbSolve->setText(mnSolve->text());
    cbGuess->setText(mnResult->text());
    mnPopHint->setText(mnHint->text());
    mnPopSuggest->setText(mnSuggest->text());
    TranslateAccessibility();
}

// What a screen reader says about the board; the descriptions name colours, so they are
// retold in the new language too.
void fmMain::TranslateAccessibility() {
    lbTime->setAccessibleName(tr("Used time"));
    grid_->Translate();
    for (int line = 1; line <= LineCount; ++line) {
        DescribeResult(line);
    }
    DescribeLetters();
}

void fmMain::Form_Load() {
    Translate();
    game_.GameRunning = false;
    move(0, 0);
    StartGame();
}

QString fmMain::ResultCode(int line) const {
    return lbResult.at(line - 1)->text();
}

void fmMain::PressDefaultButton() {
    if (cbGuess->isEnabled() && !cbGuess->isHidden()) {
        cbGuess->click();
    }
}

void fmMain::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelp();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        PressDefaultButton();
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

void fmMain::closeEvent(QCloseEvent* event) {
    if (closing_ || QueryUnload()) {
        closing_ = true;
        Timer1->stop();
        event->accept();
    } else {
        event->ignore();
    }
}

void fmMain::EndWithoutQuestions(bool offerScore) {
    if (offerScore) {
        SaveRunningScore();
    }
    closing_ = true;
    close();
}

void fmMain::SaveRunningScore() {
    if (!game_.GameRunning || game_.iLine < 2) {
        return;
    }
    game_.GameRunning = false; // offered once
    try {                      // no message box: nobody may be there to close it
        RecordFinishedGame(services_.store, {.word = game_.HiddenWord, .score = ComputeScore()});
    } catch (const sql::Error& e) {
        qWarning("Lexel: the score of the running game was not saved: %s", e.what());
    }
}

bool fmMain::QueryUnload() {
    if (!game_.GameRunning || game_.iLine < 2) {
        ShowQuotation();
        return true;
    }
    const auto answer = services_.boxes.Show(
        {MessageIcon::Question, texts_.abort, MessageButtons::YesNo, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) {
        return false;
    }
    OfferScore();
    ShowSolution();
    services_.boxes.Show({MessageIcon::Information, texts_.reveal.arg(HiddenWordCapitals())});
    return true;
}

void fmMain::ShowQuotation() {
    if (const auto quote = PickQuote(services_.db, services_.random)) {
        QuotationWindow window(*quote, this);
        window.exec();
    }
}

void fmMain::mnOptions_Click() {
    if (SetOptions(this, services_.settings, services_.store, services_.help, services_.language)) {
        Translate();
    }
    if (game_.GameRunning) {
        fmTimer->setVisible(services_.settings.Timer);
    }
}

// The about box may show the hidden word of the game as it stands.
void fmMain::mnAbout_Click() {
    AboutDialog window([this] { return game_.HiddenWord; }, services_.boxes, this);
    window.exec();
}

void fmMain::mnStats_Click() {
    StatisticsDialog window(services_.store, services_.boxes, services_.help,
                            game_.GameRunning && game_.iLine >= 2, this);
    window.exec();
}

} // namespace lexel
