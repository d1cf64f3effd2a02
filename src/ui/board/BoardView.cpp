#include "BoardView.h"

#include "BoardInput.h"
#include "BoardPalette.h"
#include "core/game/GameModel.h"
#include "ui/controls/LayoutScale.h"
#include "ui/controls/LetterField.h"
#include "ui/controls/MarkSymbol.h"
#include "ui/controls/Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
#include <vector>

namespace lexel {
namespace {

constexpr int FieldSize = 420;
constexpr int Pitch = 480;
constexpr int GridLeft = 120;
constexpr int GridTop = 300;
constexpr int SolutionTop = 180;

QFont LetterFont() {
    QFont font = LayoutFont(11.0);
    font.setBold(true);
    return font;
}

// A label lying exactly over `field`, shown in its place once the letter is fixed.
template <typename Label = QLabel> Label* LabelOver(QWidget* field, const QString& name) {
    auto* label = new Label(field->parentWidget());
    label->setObjectName(name);
    PlaceInTwips(label, PlacedTwips(field));
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    label->setFont(field->font());
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAutoFillBackground(true);
    label->hide();
    return label;
}

// Only a changed text is set: a new one repaints the control and tells a screen reader.
void SetText(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
}

void SetText(LetterField* field, const QString& text) {
    if (field->text() != text) {
        field->ShowContent(text);
    }
}

} // namespace

BoardView::BoardView(const GameModel& model, BoardInput& input, QWidget* guessFrame,
                     QWidget* solutionFrame)
    : QObject(guessFrame), model_(model) {
    for (int line = 0; line < LineCount; ++line) {
        for (int k = FirstField(line); k <= LastField(line); ++k) {
            auto* field = new LetterField(input, LetterField::Kind::Guess, k, guessFrame);
            field->setObjectName(QStringLiteral("guessField_%1").arg(k));
            field->setFont(LetterFont());
            const int column = WindowOffset(line) + k - FirstField(line);
            PlaceInTwips(field,
                         {GridLeft + Pitch * column, GridTop + Pitch * line, FieldSize, FieldSize});
            guessFields_[Index(k)] = field;
            guessLetters_[Index(k)] =
                LabelOver<MarkedLabel>(field, QStringLiteral("guessLetter_%1").arg(k));
        }
    }
    for (int i = 0; i < HiddenWordLength; ++i) {
        auto* field = new LetterField(input, LetterField::Kind::Solution, i, solutionFrame);
        field->setObjectName(QStringLiteral("solutionField_%1").arg(i));
        field->setFont(LetterFont());
        PlaceInTwips(field, {GridLeft + Pitch * i, SolutionTop, FieldSize, FieldSize});
        solutionFields_[Index(i)] = field;
        revealed_[Index(i)] = LabelOver(field, QStringLiteral("revealedLetter_%1").arg(i));
        SetLabelColor(revealed_[Index(i)], RevealedGreen);
    }
    for (auto* label : guessLetters_) {
        label->installEventFilter(this);
    }
    for (auto* field : Fields()) {
        field->installEventFilter(this);
    }
}

bool BoardView::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::MouseButtonPress) && !news_.isEmpty()) {
        SetNews({});
    }
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const auto label = std::find(guessLetters_.begin(), guessLetters_.end(), watched);
        if (mouse->button() == Qt::RightButton && label != guessLetters_.end()) {
            emit cellMenuRequested(static_cast<int>(label - guessLetters_.begin()),
                                   mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void BoardView::Draw() {
    for (int k = 0; k < FieldCount; ++k) {
        DrawGuessCell(k);
    }
    for (int i = 0; i < HiddenWordLength; ++i) {
        DrawSolutionCell(i);
    }
    DrawColors();
}

void BoardView::DrawGuessCell(int cell) {
    const auto& guess = model_.Cells().Guess(cell);
    auto* field = GuessField(cell);
    auto* label = GuessLetter(cell);
    const QString text(QChar::fromLatin1(guess.content.Shown()));
    const bool onLabel = guess.state == CellState::Evaluated || guess.state == CellState::Hinted;
    if (onLabel) {
        SetText(label, text);
        label->show();
        field->hide();
        return;
    }
    label->hide();
    SetText(field, text);
    field->setEnabled(guess.state == CellState::Open);
    // A field of a later line follows the palette; only the line being entered is white.
    if (guess.state == CellState::Waiting) {
        SetFieldColor(field, field->parentWidget()->palette().color(QPalette::Button),
                      field->parentWidget()->palette().color(QPalette::ButtonText));
    } else {
        SetFieldColor(field, ToColor(FieldWhite));
    }
    field->show();
}

void BoardView::DrawSolutionCell(int position) {
    const auto& solution = model_.Cells().Solution(position);
    auto* field = SolutionField(position);
    auto* label = RevealedLetter(position);
    const QString text(QChar::fromLatin1(solution.content.Shown()));
    if (solution.fixed) {
        SetText(label, text);
        label->show();
        field->hide();
        return;
    }
    label->hide();
    SetText(label, QString());
    SetText(field, text);
    field->setEnabled(true);
    field->show();
}

void BoardView::DrawColors() {
    for (int k = 0; k < FieldCount; ++k) {
        const auto& letter = model_.Marking().Cell(k);
        if (letter.caption != ' ') {
            SetLabelColor(GuessLetter(k), ToColor(ColorValue(letter.color)));
        }
        GuessLetter(k)->SetMark(symbols_ ? std::optional(letter.color) : std::nullopt);
    }
}

void BoardView::SetSymbols(bool on) {
    symbols_ = on;
    DrawColors();
}

// A label has the name of the field it covers: a screen reader finds the letter where the
// field was.
void BoardView::Translate() {
    for (int k = 0; k < FieldCount; ++k) {
        GuessField(k)->setAccessibleName(PlaceName(k));
        GuessLetter(k)->setAccessibleName(PlaceName(k));
    }
    for (int i = 0; i < HiddenWordLength; ++i) {
        SolutionField(i)->setAccessibleName(SolutionPlaceName(i));
        RevealedLetter(i)->setAccessibleName(SolutionPlaceName(i));
    }
}

QString BoardView::PlaceName(int cell) {
    int line = 0;
    while (cell > LastField(line)) {
        ++line;
    }
    return tr("Line %1, letter %2").arg(line + 1).arg(cell - FirstField(line) + 1);
}

QString BoardView::SolutionPlaceName(int position) {
    return tr("Solution, letter %1").arg(position + 1);
}

// A screen reader speaks a focused label's name, not its description: the name of a letter on a
// label tells the letter too.
void BoardView::DescribeLabel(QLabel* label, const QString& place, const QString& description) {
    //: a letter on the board read by keyboard: its place, then the letter and its colour
    const auto name = description.isEmpty() ? place : tr("%1: %2").arg(place, description);
    if (label->accessibleName() != name) {
        label->setAccessibleName(name);
    }
    if (label->accessibleDescription() != description) {
        label->setAccessibleDescription(description);
    }
}

// The field the command moves the focus to is heard with the news; the player's next key or
// click in a field ends it, before it moves the focus on, so that it is not heard again.
void BoardView::Announce(const QString& news) {
    SetNews(news);
}

void BoardView::SetNews(const QString& news) {
    news_ = news;
    for (auto* field : Fields()) {
        field->setAccessibleDescription(news);
    }
}

std::vector<QWidget*> BoardView::Fields() const {
    std::vector<QWidget*> fields(guessFields_.begin(), guessFields_.end());
    fields.insert(fields.end(), solutionFields_.begin(), solutionFields_.end());
    return fields;
}

void BoardView::Describe(const QStringList& colorNames) {
    for (int k = 0; k < FieldCount; ++k) {
        const auto& letter = model_.Marking().Cell(k);
        const auto description =
            letter.caption == ' '
                ? QString()
                //: an evaluated letter of the board: the letter, then its colour
                : tr("%1, %2").arg(QChar::fromLatin1(letter.caption),
                                   colorNames.value(static_cast<int>(letter.color)));
        DescribeLabel(GuessLetter(k), PlaceName(k), description);
    }
    for (int i = 0; i < HiddenWordLength; ++i) {
        auto* label = RevealedLetter(i);
        //: %1 is a letter of the hidden word shown by a hint or at the end of the game
        const auto description =
            label->text().isEmpty() ? QString() : tr("%1, revealed").arg(label->text());
        DescribeLabel(label, SolutionPlaceName(i), description);
    }
}

} // namespace lexel
