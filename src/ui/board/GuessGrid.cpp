#include "GuessGrid.h"

#include "core/rules/BoardGeometry.h"
#include "core/rules/GameState.h"
#include "ui/controls/LetterField.h"
#include "ui/controls/Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

namespace lexel {
namespace {

constexpr int FieldSize = 420;
constexpr int Pitch = 480;
constexpr int GridLeft = 120;
constexpr int GridTop = 300;
constexpr int SolutionTop = 180;

QFont LetterFont() {
    QFont font = LayoutFont();
    font.setPointSizeF(11.0);
    font.setBold(true);
    return font;
}

// A label lying exactly over `field`, shown in its place once the letter is fixed.
QLabel* LabelOver(QWidget* field, const QString& name) {
    auto* label = new QLabel(field->parentWidget());
    label->setObjectName(name);
    label->setGeometry(field->geometry());
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    label->setFont(field->font());
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAutoFillBackground(true);
    label->hide();
    return label;
}

} // namespace

GuessGrid::GuessGrid(QWidget* guessFrame, QWidget* solutionFrame, const GameState& game)
    : QObject(guessFrame), game_(game), guessFrame_(guessFrame) {
    for (int line = 1; line <= LineCount; ++line) {
        for (int k = BL(line); k <= BH(line); ++k) {
            auto* field = new LetterField(*this, LetterField::Kind::Guess, k, guessFrame);
            field->setObjectName(QStringLiteral("tbL1_%1").arg(k));
            field->setFont(LetterFont());
            const int column = OF(line) + k - BL(line);
            field->setGeometry(TwipsRect(GridLeft + Pitch * column, GridTop + Pitch * (line - 1),
                                         FieldSize, FieldSize));
            guessFields_[k] = field;
            guessLabels_[k] = LabelOver(field, QStringLiteral("lbGuess_%1").arg(k + 1));
        }
    }
    for (int i = 0; i < HiddenWordLength; ++i) {
        auto* field = new LetterField(*this, LetterField::Kind::Solution, i, solutionFrame);
        field->setObjectName(QStringLiteral("Text1_%1").arg(i));
        field->setFont(LetterFont());
        field->setGeometry(TwipsRect(GridLeft + Pitch * i, SolutionTop, FieldSize, FieldSize));
        solutionFields_[i] = field;
        hintLabels_[i] = LabelOver(field, QStringLiteral("lbHint_%1").arg(i));
        SetLabelColor(hintLabels_[i], QColor(0, 255, 0)); // revealed letters stand on green
    }
    for (auto* label : guessLabels_) {
        label->installEventFilter(this);
    }
}

QLineEdit* GuessGrid::tbL1(int field) const {
    return guessFields_.at(field);
}
QLabel* GuessGrid::lbGuess(int label) const {
    return guessLabels_.at(label - 1);
}
QLineEdit* GuessGrid::Text1(int position) const {
    return solutionFields_.at(position);
}
QLabel* GuessGrid::lbHint(int position) const {
    return hintLabels_.at(position);
}

// A label has the name of the field it covers: a screen reader finds the letter where the
// field was.
void GuessGrid::Translate() {
    for (int line = 1; line <= LineCount; ++line) {
        for (int k = BL(line); k <= BH(line); ++k) {
            const QString name = tr("Line %1, letter %2").arg(line).arg(k - BL(line) + 1);
            guessFields_[k]->setAccessibleName(name);
            guessLabels_[k]->setAccessibleName(name);
        }
    }
    for (int i = 0; i < HiddenWordLength; ++i) {
        const QString name = tr("Solution, letter %1").arg(i + 1);
        solutionFields_[i]->setAccessibleName(name);
        hintLabels_[i]->setAccessibleName(name);
    }
    DescribeRevealed();
}

void GuessGrid::RevealLetter(int position, const QString& letter) {
    hintLabels_[position]->setText(letter);
    hintLabels_[position]->show();
    DescribeRevealed();
}

void GuessGrid::DescribeRevealed() {
    for (auto* label : hintLabels_) {
        //: %1 is a letter of the hidden word shown by a hint or at the end of the game
        label->setAccessibleDescription(
            label->text().isEmpty() ? QString() : tr("%1, revealed").arg(label->text()));
    }
}

void GuessGrid::SetFieldColor(QLineEdit* field, const QColor& color, const QColor& text) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Text, text);
    field->setPalette(palette);
}

void GuessGrid::SetLabelColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

int GuessGrid::FindNextFreeHintField(int start, Direction direction) const {
    return FindNextFree(0, HiddenWordLength - 1, start, direction,
                        [this](int i) { return !solutionFields_[i]->isHidden(); });
}

int GuessGrid::FindNextFreeLine9Field(int start, Direction direction) const {
    return FindNextFree(BL(9), BH(9), start, direction,
                        [this](int k) { return !guessFields_[k]->isHidden(); });
}

void GuessGrid::SetFocusNextGuessLine() {
    if (guessFields_[BL(game_.iLine)]->isHidden()) {
        const int j = FindNextFreeLine9Field(BL(9), Direction::Right);
        if (j > -1) {
            FocusGuess(j);
        }
        return;
    }
    FocusGuess(BL(game_.iLine));
}

bool GuessGrid::LineComplete() const {
    for (int k = BL(game_.iLine); k <= BH(game_.iLine); ++k) {
        if (!IsFieldLetter(guessFields_[k]->text())) {
            return false;
        }
    }
    return true;
}

bool GuessGrid::SolutionComplete() const {
    return std::all_of(solutionFields_.begin(), solutionFields_.end(),
                       [](LetterField* f) { return IsFieldLetter(f->text()); });
}

// Focus moves ignore a field that cannot take the focus (disabled or hidden).
void GuessGrid::Focus(QWidget* widget) {
    widget->setFocus(Qt::OtherFocusReason);
}
void GuessGrid::FocusGuess(int field) {
    Focus(guessFields_[field]);
}
void GuessGrid::FocusSolution(int position) {
    Focus(solutionFields_[position]);
}

LetterField* GuessGrid::LastField() const {
    return lastControl_ == QLatin1String("Text1") ? solutionFields_[lastIndex_]
                                                  : guessFields_[lastIndex_];
}

void GuessGrid::FocusLastField() {
    Focus(LastField());
}

void GuessGrid::TypeIntoLastField(QChar letter) {
    auto* field = LastField();
    Focus(field);
    KeyDown(*field, Qt::Key_A + (letter.toUpper().unicode() - 'A'));
    KeyPress(*field, letter.toLower());
}

bool GuessGrid::KeyDown(LetterField& field, int key) {
    noAdvance_ = false;
    field.SelectCharacter();
    return field.kind() == LetterField::Kind::Guess ? GuessKeyDown(field.index(), key)
                                                    : SolutionKeyDown(field.index(), key);
}

bool GuessGrid::GuessKeyDown(int k, int key) {
    const int first = BL(game_.iLine);
    const int last = BH(game_.iLine);
    switch (key) {
    case Qt::Key_Delete:
        noAdvance_ = true;
        guessFields_[k]->setText(QStringLiteral("_"));
        guessFields_[k]->SelectCharacter();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Left: {
        const int target = k <= first ? last : k - 1;
        if (!guessFields_[target]->isHidden()) {
            FocusGuess(target);
        } else if (const int j = FindNextFreeLine9Field(k <= first ? BH(9) : k, Direction::Left);
                   j != -1) {
            FocusGuess(j);
        }
        return true;
    }
    case Qt::Key_Right:
        if (k >= last) {
            SetFocusNextGuessLine();
        } else if (!guessFields_[k + 1]->isHidden()) {
            FocusGuess(k + 1);
        } else if (const int j = FindNextFreeLine9Field(k, Direction::Right); j != -1) {
            FocusGuess(j);
        }
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    case Qt::Key_Escape:
        if (const int j = FindNextFreeHintField(5, Direction::Right); j > -1) {
            FocusSolution(j);
        }
        return true;
    default:
        return false;
    }
}

bool GuessGrid::SolutionKeyDown(int k, int key) {
    switch (key) {
    case Qt::Key_Delete:
        noAdvance_ = true;
        solutionFields_[k]->setText(QStringLiteral("?"));
        solutionFields_[k]->SelectCharacter();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const auto direction = key == Qt::Key_Right ? Direction::Right : Direction::Left;
        if (const int j = FindNextFreeHintField(k, direction); j >= 0) {
            FocusSolution(j);
        }
        return true;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    case Qt::Key_Escape:
        SetFocusNextGuessLine();
        return true;
    default:
        return false;
    }
}

void GuessGrid::KeyPress(LetterField& field, QChar typed) {
    const bool guess = field.kind() == LetterField::Kind::Guess;
    const auto content = guess ? GuessFieldCharacter(typed) : SolutionFieldCharacter(typed);
    noAdvance_ = typed == QChar(0x08);
    if (!content) {
        return;
    }
    // Typing the letter a field already holds still counts as a change: the focus moves on.
    if (field.text() == QString(*content)) {
        Change(field);
    } else {
        field.setText(QString(*content));
    }
}

void GuessGrid::Change(LetterField& field) {
    if (field.kind() == LetterField::Kind::Guess) {
        GuessChange(field.index());
    } else {
        SolutionChange(field.index());
    }
}

void GuessGrid::GuessChange(int k) {
    auto* field = guessFields_[k];
    const QString content = field->text();
    if (content.isEmpty() || field->isHidden() || guessFrame_->isHidden()) {
        return;
    }
    if (!IsValidGuessContent(content)) {
        // An empty cell shows "_"; writing it runs this handler again, which keeps the focus.
        noAdvance_ = true;
        field->setText(QStringLiteral("_"));
        return;
    }
    emit lineCompleteChanged(LineComplete());
    if (noAdvance_) {
        field->SelectCharacter();
        noAdvance_ = false;
        return;
    }
    if (k >= BH(game_.iLine)) {
        SetFocusNextGuessLine();
    } else if (!guessFields_[k + 1]->isHidden()) {
        FocusGuess(k + 1);
    } else if (const int j = FindNextFreeLine9Field(k, Direction::Right); j > -1) {
        FocusGuess(j);
    }
}

void GuessGrid::SolutionChange(int k) {
    auto* field = solutionFields_[k];
    const QString content = field->text();
    if (content.isEmpty()) {
        return;
    }
    if (!IsValidSolutionContent(content)) {
        // The "?" written here runs this handler again, which keeps the focus in place.
        noAdvance_ = true;
        field->setText(QStringLiteral("?"));
        return;
    }
    if (!game_.SolvedEarly) {
        emit solutionCompleteChanged(SolutionComplete());
    }
    if (noAdvance_) {
        field->SelectCharacter();
        noAdvance_ = false;
    } else if (const int j = FindNextFreeHintField(k, Direction::Right); j > -1) {
        FocusSolution(j);
    }
}

void GuessGrid::GotFocus(LetterField& field) {
    lastIndex_ = field.index();
    field.SelectCharacter();
    if (field.kind() == LetterField::Kind::Guess) {
        lastControl_ = QStringLiteral("tbL1");
        return;
    }
    lastControl_ = QStringLiteral("Text1");
    hintPos_ = field.index();
    emit solutionFocusEntered(field.index());
}

void GuessGrid::LostFocus(LetterField& field) {
    if (field.kind() == LetterField::Kind::Solution) {
        emit solutionFocusLeft();
    }
}

bool GuessGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const auto label = std::find(guessLabels_.begin(), guessLabels_.end(), watched);
        if (mouse->button() == Qt::RightButton && label != guessLabels_.end()) {
            emit labelMenuRequested(static_cast<int>(label - guessLabels_.begin()) + 1,
                                    mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void GuessGrid::RightButtonDown(LetterField& field, QPoint globalPosition) {
    if (field.kind() == LetterField::Kind::Guess) {
        emit guessMenuRequested(field.index(), globalPosition);
        return;
    }
    hintPos_ = field.index();
    emit solutionMenuRequested(field.index(), globalPosition);
}

} // namespace lexel
