// The interface modes of the main window and its game timer.

#include "core/rules/BoardGeometry.h"
#include "fmMain.h"
#include "ui/board/GuessGrid.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace lexel {

void fmMain::SetInterfaceMode(InterfaceMode mode) {
    const int first = BL(game_.iLine);
    const int last = BH(game_.iLine);
    switch (mode) {
    case InterfaceMode::DisableLine:
        for (int k = first; k <= last; ++k) {
            auto* label = grid_->lbGuess(k + 1);
            const QString letter = grid_->tbL1(k)->text();
            label->setText(letter);
            marking_.ShowGridLetter(k + 1, letter.isEmpty() ? ' ' : letter[0].toLatin1());
            GuessGrid::SetLabelColor(label,
                                     GuessGrid::ToColor(ColorValue(marking_.Grid(k + 1).color)));
            label->show();
            grid_->tbL1(k)->hide();
        }
        break;
    case InterfaceMode::EnableLine:
        for (int k = first; k <= last; ++k) {
            grid_->tbL1(k)->setEnabled(true);
            GuessGrid::SetFieldColor(grid_->tbL1(k), GuessGrid::ToColor(FieldWhite));
        }
        for (int k = first; k <= last; ++k) {
            if (grid_->tbL1(k)->text() == QLatin1String(".")) {
                grid_->tbL1(k)->setText(QStringLiteral("_"));
            }
        }
        break;
    case InterfaceMode::DisableResult:
    case InterfaceMode::EnableResult:
        cbGuess->setEnabled(mode == InterfaceMode::EnableResult);
        mnResult->setEnabled(mode == InterfaceMode::EnableResult);
        break;
    case InterfaceMode::Solved:
        for (int k = first; k <= last; ++k) {
            grid_->tbL1(k)->setEnabled(false);
        }
        cbGuess->setEnabled(false);
        mnResult->setEnabled(false);
        mnHint->setEnabled(false);
        mnPopHint->setEnabled(false);
        SetSuggestionCommands(false);
        SetSolveCommands(false);
        break;
    }
}

void fmMain::TimerStart() {
    timer_.TimerStart();
    ShowTime(QStringLiteral("00:00:00"));
    Timer1->start();
}

void fmMain::TimerStop() {
    Timer1->stop();
    timer_.TimerStop();
}

void fmMain::TimerUpdate() {
    timer_.TimerUpdate();
    ShowTime(QString::fromStdString(timer_.Display()));
    if (!timer_.IsRunning()) {
        Timer1->stop();
    }
}

// The label's name says what it counts, so the time itself goes to the description; it
// changes once a second, not at every tick that tells a screen reader about it.
void fmMain::ShowTime(const QString& text) {
    lbTime->setText(text);
    if (lbTime->accessibleDescription() != text) {
        lbTime->setAccessibleDescription(text);
    }
}

} // namespace lexel
