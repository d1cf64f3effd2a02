// Letter marking on the main window: the two letter panels, the colour menus, Reset To Gray
// and typing by clicking a letter button.

#include "core/rules/BoardGeometry.h"
#include "core/settings/Settings.h"
#include "fmMain.h"
#include "ui/board/GuessGrid.h"
#include "ui/controls/LetterButtonView.h"
#include "ui/controls/Twips.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <cstring>

namespace lexel {
namespace {

// The rows of the panels, the vowels first.
constexpr const char* PanelRows[] = {"AEIOUY", "BCDFG", "HJKLM", "NPQRS", "TVWXZ"};
constexpr int ButtonSize = 375;
constexpr int ButtonPitch = 420;
constexpr int FirstColumn = 90;
constexpr int FirstRow = 210;

// The colours in the order of the colour menus' items.
constexpr LetterColor MenuColors[] = {LetterColor::Red, LetterColor::Blue, LetterColor::Yellow,
                                      LetterColor::Green, LetterColor::Gray};

QRect PanelPlace(int index) {
    const char letter = static_cast<char>('A' + index);
    for (int row = 0; row < 5; ++row) {
        if (const char* at = std::strchr(PanelRows[row], letter)) {
            const int column = static_cast<int>(at - PanelRows[row]);
            return TwipsRect(FirstColumn + ButtonPitch * column, FirstRow + ButtonPitch * row,
                             ButtonSize, ButtonSize);
        }
    }
    return {};
}

} // namespace

void fmMain::CreateLetterPanels() {
    for (int i = 0; i < AlphabetSize; ++i) {
        picUsed[i] = new LetterButtonView(Panel::Used, i, frUsed);
        picUnused[i] = new LetterButtonView(Panel::Unused, i, frUnused);
        for (auto* button : {picUsed[i], picUnused[i]}) {
            button->setGeometry(PanelPlace(i));
            connect(button, &LetterButtonView::pressed, this,
                    [this, button](Qt::MouseButton mouse, QPoint at) {
                        LetterButtonPressed(button, mouse, at);
                    });
            connect(button, &LetterButtonView::released, this,
                    [this, button](Qt::MouseButton mouse) { LetterButtonReleased(button, mouse); });
        }
    }
    connect(mnEditGrayAll, &QAction::triggered, this, &fmMain::GrayAll);
    connect(cmdGray, &QPushButton::clicked, this, &fmMain::cmdGray_Click);
    RenderLetters();
}

void fmMain::ConnectColorMenus() {
    for (int item = 0; item < 5; ++item) {
        const auto color = MenuColors[item];
        connect(mnColors->actions()[item], &QAction::triggered, this, [this, color] {
            marking_.GuessColor(ColorLabelIndex, color, LastGridLabel());
            RenderLetters();
        });
        connect(mn2Colors->actions()[item], &QAction::triggered, this, [this, color] {
            marking_.ButtonColor(ColorButtonPanel, ColorButtonIndex, color);
            marking_.SyncColors(LastGridLabel());
            RenderLetters();
        });
    }
}

int fmMain::LastGridLabel() const {
    return BH(game_.iLine) + 1;
}

// Shows the marking on the grid letters and the buttons: exactly one button of each letter.
void fmMain::RenderLetters() {
    for (int label = 1; label <= GridLetters; ++label) {
        const auto& letter = marking_.Grid(label);
        if (letter.caption != ' ') {
            GuessGrid::SetLabelColor(grid_->lbGuess(label),
                                     GuessGrid::ToColor(ColorValue(letter.color)));
        }
    }
    for (int i = 0; i < AlphabetSize; ++i) {
        picUsed[i]->SetLook(marking_.Button(Panel::Used, i));
        picUnused[i]->SetLook(marking_.Button(Panel::Unused, i));
        picUsed[i]->setVisible(marking_.IsUsed(i));
        picUnused[i]->setVisible(!marking_.IsUsed(i));
    }
    DescribeLetters();
}

// The colours are named as in the colour menus, so what a screen reader says is what the
// player picks there.
QString fmMain::ColorName(LetterColor color) const {
    const auto item = std::find(std::begin(MenuColors), std::end(MenuColors), color);
    return mnColors->actions()[static_cast<int>(item - std::begin(MenuColors))]
        ->text()
        .remove(QLatin1Char('&'))
        .toLower();
}

void fmMain::DescribeLetters() {
    std::array<QString, std::size(MenuColors)> names; // looked up once, used 88 times
    for (const auto color : MenuColors) {
        names[static_cast<std::size_t>(color)] = ColorName(color);
    }
    const auto name = [&names](LetterColor color) {
        return names[static_cast<std::size_t>(color)];
    };
    for (int label = 1; label <= GridLetters; ++label) {
        const auto& letter = marking_.Grid(label);
        //: an evaluated letter of the board: the letter, then its colour
        grid_->lbGuess(label)->setAccessibleDescription(
            letter.caption == ' '
                ? QString()
                : tr("%1, %2").arg(QChar::fromLatin1(letter.caption), name(letter.color)));
    }
    for (int i = 0; i < AlphabetSize; ++i) {
        //: %1 is the colour of a letter button in the Used Letters panel
        picUsed[i]->setAccessibleDescription(
            tr("%1, used").arg(name(marking_.Button(Panel::Used, i).color)));
        //: %1 is the colour of a letter button in the Unused Letters panel
        picUnused[i]->setAccessibleDescription(
            tr("%1, unused").arg(name(marking_.Button(Panel::Unused, i).color)));
    }
    grid_->DescribeRevealed(); // Save Analysis reveals letters, too
}

void fmMain::AutoColor(const QString& word, int good) {
    marking_.AutoColor(word.toStdString(), good, LastGridLabel());
    RenderLetters();
}

void fmMain::Used(const QString& word, int good) {
    marking_.Used(word.toStdString(), good, services_.settings.Colors);
    RenderLetters();
}

void fmMain::GrayAll() {
    marking_.GrayAll(LastGridLabel());
    RenderLetters();
}

// The typing goes on where it was: a letter typed next lands in the field, not on the button.
void fmMain::cmdGray_Click() {
    GrayAll();
    grid_->FocusLastField();
}

void fmMain::LetterButtonPressed(LetterButtonView* button, Qt::MouseButton mouse, QPoint at) {
    LastMouseButton = mouse;
    if (mouse != Qt::LeftButton) {
        if (marking_.IsLocked(button->letter().toLatin1(), services_.settings.Colors)) {
            return;
        }
        ColorButtonPanel = button->panel();
        ColorButtonIndex = button->index();
        mn2Colors->exec(at);
        return;
    }
    marking_.ButtonDown(button->panel(), button->index());
    RenderLetters();
}

void fmMain::LetterButtonReleased(LetterButtonView* button, Qt::MouseButton mouse) {
    if (mouse != Qt::LeftButton) {
        return;
    }
    marking_.ButtonUp(button->panel(), button->index());
    RenderLetters();
    if (LastMouseButton == Qt::LeftButton) {
        grid_->TypeIntoLastField(button->letter());
    }
}

} // namespace lexel
