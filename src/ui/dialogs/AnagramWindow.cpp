#include "AnagramWindow.h"

#include "ui/controls/Controls.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace lexel {
namespace {

constexpr int Letters = 6;
constexpr int MaxRows = 6;
constexpr int CellSize = 375;
constexpr int CellPitch = 360;
constexpr int CellLeft = 420;
constexpr int TopRowTop = 120;
constexpr int GridTop = 600;
constexpr int ClientWidth = CellLeft + (Letters - 1) * CellPitch + CellSize + CellLeft;
constexpr int ClientHeight = 1040;
constexpr int RowGrowth = 345; // the window grows by this much for every further row

constexpr int TickInterval = 1600;
constexpr int LetterPause = 200; // after each letter moved, and before closing
constexpr int ShortPause = 50;   // before a later row, and between the top letters' return

const QColor WordBlue(0, 0, 255);

QLabel* Cell(QWidget* parent, const QString& name, int left, int top) {
    auto* cell = PlaceLabel(parent, name, {left, top, CellSize, CellSize}, Qt::AlignCenter);
    QFont font = LayoutFont(12.0);
    font.setBold(true);
    cell->setFont(font);
    return cell;
}

QString Capitals(const std::string& word) {
    return QString::fromStdString(word).toUpper();
}

} // namespace

AnagramWindow::AnagramWindow(std::vector<std::string> anagrams, const std::string& hiddenWord,
                             QWidget* parent)
    : QDialog(parent), anagrams_(std::move(anagrams)) {
    setObjectName(QStringLiteral("AnagramWindow"));
    setModal(true);
    setFont(LayoutFont());
    CreateControls();
    Start(hiddenWord);
}

void AnagramWindow::CreateControls() {
    for (int i = 0; i < Letters; ++i) {
        wordCells_[i] =
            Cell(this, QStringLiteral("wordCell_%1").arg(i), CellLeft + CellPitch * i, TopRowTop);
        QPalette palette = wordCells_[i]->palette();
        palette.setColor(QPalette::WindowText, WordBlue);
        wordCells_[i]->setPalette(palette);
    }
    for (int cell = 0; cell < MaxRows * Letters; ++cell) {
        const int row = cell / Letters;
        const int column = cell % Letters;
        anagramCells_[cell] = Cell(this, QStringLiteral("anagramCell_%1").arg(cell),
                                   CellLeft + CellPitch * column, GridTop + CellPitch * row);
        anagramCells_[cell]->hide();
    }
    tickTimer_ = new QTimer(this);
    tickTimer_->setObjectName(QStringLiteral("tickTimer"));
    connect(tickTimer_, &QTimer::timeout, this, &AnagramWindow::Tick);
    // The pauses between the steps of a tick run on the event loop, so the window keeps
    // painting and answering Esc while the letters move.
    pause_ = new QTimer(this);
    pause_->setSingleShot(true);
    connect(pause_, &QTimer::timeout, this, [this] {
        RunFront();
        RunDueBeats();
    });
}

void AnagramWindow::Start(const std::string& hiddenWord) {
    setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    Centre();
    Translate();
    const QString word = Capitals(hiddenWord);
    for (int i = 0; i < Letters; ++i) {
        wordCells_[i]->setText(word.mid(i, 1));
    }
    rowsDone_ = 0;
    setCursor(Qt::WaitCursor);
    tickTimer_->start(Scaled(TickInterval));
}

void AnagramWindow::Translate() {
    setWindowTitle(tr("Morvane Lexel Anagrams"));
}

void AnagramWindow::SpeedUp(int factor) {
    speedUp_ = std::max(factor, 1);
    if (tickTimer_->isActive()) {
        tickTimer_->start(Scaled(TickInterval));
    }
}

int AnagramWindow::Scaled(int ms) const {
    return ms / speedUp_;
}

// The grid has six rows; further anagrams are left out.
int AnagramWindow::Rows() const {
    return std::min(static_cast<int>(anagrams_.size()), MaxRows);
}

void AnagramWindow::Tick() {
    if (!beats_.empty()) {
        tickDue_ = true; // played as soon as the previous tick has finished
        return;
    }
    if (rowsDone_ >= Rows()) {
        PlanClose();
    } else {
        PlanRow();
    }
    RunDueBeats();
}

// One tick: the window makes room for the next row, the six letters move down one by one, and the
// top row comes back letter by letter. The pauses add up to 1550 ms (1500 for the first row),
// less than the timer's interval.
void AnagramWindow::PlanRow() {
    Grow();
    current_ = Capitals(anagrams_.at(static_cast<std::size_t>(rowsDone_)));
    for (int i = 0; i < Letters; ++i) {
        const int pause = i > 0 ? LetterPause : (rowsDone_ > 0 ? ShortPause : 0);
        beats_.push_back({pause, [this, i] { MoveLetter(i); }});
    }
    beats_.push_back({LetterPause, [this] { RowDone(); }});
    for (int i = 0; i < Letters; ++i) {
        beats_.push_back({ShortPause, [this, i] { wordCells_[i]->show(); }});
    }
}

void AnagramWindow::PlanClose() {
    tickTimer_->stop();
    beats_.push_back({LetterPause, [this] { accept(); }});
}

// Centres the window for its present height, then sets the height for the rows to come, so
// that the window grows downwards from there.
void AnagramWindow::Grow() {
    Centre();
    setFixedSize(width(), Twips(ClientHeight + RowGrowth * rowsDone_));
}

void AnagramWindow::Centre() {
    if (const QScreen* display = screen()) {
        const QRect area = display->availableGeometry();
        const QRect frame = frameGeometry();
        move(area.x() + (area.width() - frame.width()) / 2,
             area.y() + (area.height() - frame.height()) / 2);
    }
}

// The letter goes to the first place of the anagram that still wants it, so a letter that
// occurs twice fills both of its places in turn.
void AnagramWindow::MoveLetter(int i) {
    wordCells_[i]->hide();
    const QString letter = wordCells_[i]->text();
    const int place = letter.isEmpty() ? -1 : static_cast<int>(current_.indexOf(letter));
    if (place < 0) {
        return; // a record that is not made of the hidden word's letters has no place for it
    }
    QLabel* cell = anagramCells_[rowsDone_ * Letters + place];
    cell->setText(letter);
    cell->show();
    current_[place] = QLatin1Char('?');
}

void AnagramWindow::RowDone() {
    ++rowsDone_;
}

void AnagramWindow::RunFront() {
    const Beat beat = std::move(beats_.front());
    beats_.pop_front();
    beat.action();
}

void AnagramWindow::RunDueBeats() {
    while (!beats_.empty() && Scaled(beats_.front().pauseMs) == 0) {
        RunFront();
    }
    if (!beats_.empty()) {
        pause_->start(Scaled(beats_.front().pauseMs));
    } else if (tickDue_) {
        tickDue_ = false;
        Tick();
    }
}

bool AnagramWindow::Step() {
    if (closed_) {
        return false;
    }
    if (beats_.empty()) {
        Tick();
    } else {
        pause_->stop();
        RunFront();
        RunDueBeats();
    }
    return !beats_.empty();
}

// However the window closes (by itself, Esc, the close box), the animation stops with it.
void AnagramWindow::done(int result) {
    closed_ = true;
    tickTimer_->stop();
    pause_->stop();
    beats_.clear();
    tickDue_ = false;
    unsetCursor();
    QDialog::done(result);
}

} // namespace lexel
