#include "BoardReading.h"

#include "BoardInput.h"
#include "BoardView.h"
#include "DotColumn.h"
#include "FocusRing.h"
#include "core/game/GameModel.h"
#include "ui/controls/LetterButtonView.h"
#include "ui/controls/LetterField.h"
#include "ui/controls/LineResultView.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

namespace lexel {
namespace {

constexpr QKeyCombination ReadKey = Qt::CTRL | Qt::Key_Up;

bool OpensMenu(const QKeyEvent& key) {
    return key.key() == Qt::Key_Menu ||
           (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

template <typename T, std::size_t N> int IndexOf(const std::array<T, N>& all, const QObject* one) {
    const auto at = std::find(all.begin(), all.end(), one);
    return at == all.end() ? -1 : static_cast<int>(at - all.begin());
}

} // namespace

BoardReading::BoardReading(const GameModel& model, BoardView& view, const DotColumn& dots,
                           BoardInput& input, QWidget* window)
    : QObject(window), model_(model), view_(view), dots_(dots), input_(input),
      ring_(new FocusRing(window)) {
    for (int k = 0; k < FieldCount; ++k) {
        view.GuessLetter(k)->setFocusPolicy(Qt::TabFocus);
        view.GuessLetter(k)->installEventFilter(this);
    }
    for (int i = 0; i < HiddenWordLength; ++i) {
        view.RevealedLetter(i)->setFocusPolicy(Qt::TabFocus);
        view.RevealedLetter(i)->installEventFilter(this);
    }
    for (int line = 0; line < LineCount; ++line) {
        dots.Line(line)->installEventFilter(this);
    }
    auto* read = new QAction(window);
    read->setObjectName(QStringLiteral("readLinesAction"));
    read->setShortcut(ReadKey);
    window->addAction(read);
    connect(read, &QAction::triggered, this, &BoardReading::ReadLines);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

int BoardReading::EvaluatedLines() const {
    int lines = 0;
    while (lines < LineCount && model_.Cells().Result(lines)) {
        ++lines;
    }
    return lines;
}

void BoardReading::ReadLines() {
    if (const int lines = EvaluatedLines(); lines > 0) {
        FocusLetter(lines - 1, 0);
    }
}

bool BoardReading::FocusLetter(int line, int column) {
    if (line < 0 || line >= EvaluatedLines()) {
        return false;
    }
    const int cell = std::min(FirstField(line) + column, LastField(line));
    view_.GuessLetter(cell)->setFocus(Qt::OtherFocusReason);
    return true;
}

bool BoardReading::FocusDots(int line) {
    if (line < 0 || line >= EvaluatedLines()) {
        return false;
    }
    dots_.Line(line)->setFocus(Qt::OtherFocusReason);
    return true;
}

void BoardReading::BackToTyping() {
    input_.FocusLastField();
}

bool BoardReading::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (const int cell = IndexOf(view_.GuessLetters(), watched); cell >= 0) {
        if (OpensMenu(*key)) {
            auto* label = view_.GuessLetter(cell);
            emit view_.cellMenuRequested(cell, label->mapToGlobal(label->rect().center()));
            return true;
        }
        return key->modifiers() == Qt::NoModifier && LetterKey(cell, key->key());
    }
    if (key->modifiers() != Qt::NoModifier) {
        return false;
    }
    if (const int position = IndexOf(view_.RevealedLetters(), watched); position >= 0) {
        return RevealedKey(position, key->key());
    }
    for (int line = 0; line < LineCount; ++line) {
        if (watched == dots_.Line(line)) {
            return DotsKey(line, key->key());
        }
    }
    return false;
}

// Left and Right stay in the line and end at its dots; Up and Down keep the column.
bool BoardReading::LetterKey(int cell, int key) {
    int line = 0;
    while (cell > LastField(line)) {
        ++line;
    }
    const int column = cell - FirstField(line);
    switch (key) {
    case Qt::Key_Left:
        if (column > 0) {
            view_.GuessLetter(cell - 1)->setFocus(Qt::OtherFocusReason);
        }
        return true;
    case Qt::Key_Right:
        if (cell < LastField(line)) {
            view_.GuessLetter(cell + 1)->setFocus(Qt::OtherFocusReason);
        } else {
            FocusDots(line);
        }
        return true;
    case Qt::Key_Up:
        FocusLetter(line - 1, column);
        return true;
    case Qt::Key_Down:
        if (!FocusLetter(line + 1, column)) {
            BackToTyping();
        }
        return true;
    case Qt::Key_Escape:
        BackToTyping();
        return true;
    default:
        return false;
    }
}

bool BoardReading::DotsKey(int line, int key) {
    switch (key) {
    case Qt::Key_Left:
        FocusLetter(line, HiddenWordLength);
        return true;
    case Qt::Key_Up:
        FocusDots(line - 1);
        return true;
    case Qt::Key_Down:
        if (!FocusDots(line + 1)) {
            BackToTyping();
        }
        return true;
    case Qt::Key_Escape:
        BackToTyping();
        return true;
    default:
        return false;
    }
}

// A revealed letter is read where it stands: Left and Right go to the places beside it,
// revealed or free; Escape goes back to the guess line, as from the solution line.
bool BoardReading::RevealedKey(int position, int key) {
    const int next = key == Qt::Key_Left ? position - 1 : position + 1;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (next >= 0 && next < HiddenWordLength) {
            QWidget* revealed = view_.RevealedLetter(next);
            QWidget* free = view_.SolutionField(next);
            (revealed->isVisible() ? revealed : free)->setFocus(Qt::OtherFocusReason);
        }
        return true;
    case Qt::Key_Escape:
        input_.FocusNextGuessLine();
        return true;
    default:
        return false;
    }
}

// The ring shows on what draws no focus of its own.
void BoardReading::FocusChanged(QWidget* now) {
    const bool drawsNone = now != nullptr && (qobject_cast<QLabel*>(now) != nullptr ||
                                              qobject_cast<LineResultView*>(now) != nullptr ||
                                              qobject_cast<LetterButtonView*>(now) != nullptr);
    if (ring_) {
        ring_->Follow(drawsNone && now->window() == ring_->window() ? now : nullptr);
    }
}

} // namespace lexel
