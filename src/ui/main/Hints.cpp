// Hints on the main window: up to three letters of the hidden word revealed in the solution
// line, in line 9 and in green on the board.

#include "core/rules/BoardGeometry.h"
#include "core/store/AsciiCase.h"
#include "fmMain.h"
#include "ui/board/GuessGrid.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace lexel {
namespace {

constexpr int MaxHints = 3;

void Add(std::string& set, char letter) {
    if (set.find(letter) == std::string::npos) {
        set += letter;
    }
}

} // namespace

// A solution field took the focus: its position is the next hint's, while hints are left.
void fmMain::OfferHint(int) {
    if (game_.GameRunning && game_.HintCount < MaxHints) {
        mnHint->setEnabled(true);
        mnPopHint->setEnabled(true);
    }
}

void fmMain::mnHint_Click() {
    const int position = grid_->HintPos();
    if (!game_.GameRunning || game_.HintCount >= MaxHints || position > 5) {
        return;
    }
    const char c = AsciiUpper(game_.HiddenWord.at(position));
    const QString letter(QChar::fromLatin1(c));
    auto* field = grid_->Text1(position);
    field->setText(letter); // the solution line's change rule: may enable Solve, moves on
    field->setEnabled(false);
    grid_->RevealLetter(position, letter);
    field->hide();

    if (++game_.HintCount == MaxHints) {
        mnPopHint->setEnabled(false);
    }
    if (position == 0) {
        game_.FirstLetterHinted = true;
    }
    Add(marking_.Marks().GreenLetters, c);
    Add(marking_.Marks().SavedGreen, c);
    for (int label = 1; label <= LastGridLabel(); ++label) {
        if (marking_.Grid(label).caption == c) {
            marking_.SetGridColor(label, LetterColor::Green);
        }
    }
    // Line 9 holds the letter already; hidden first, so the field's change rule stays out.
    const int field9 = BL(LineCount) + position;
    grid_->tbL1(field9)->hide();
    grid_->tbL1(field9)->setText(letter);
    grid_->lbGuess(field9 + 1)->setText(letter);
    grid_->lbGuess(field9 + 1)->show();
    marking_.ShowGridLetter(field9 + 1, c);
    marking_.SetGridColor(field9 + 1, LetterColor::Green);
    Hint(c);
    RenderLetters();

    if (const int j = grid_->FindNextFreeHintField(position, Direction::Right); j >= 0) {
        grid_->Text1(j)->setFocus();
    }
}

void fmMain::Hint(char letter) {
    const int i = LetterMarking::LetterIndex(letter);
    marking_.ButtonColor(Panel::Used, i, LetterColor::Green);
    marking_.ButtonColor(Panel::Unused, i, LetterColor::Green);
}

} // namespace lexel
