#include "LetterPanels.h"

#include "ui/controls/Controls.h"
#include "ui/controls/LetterButtonView.h"

#include <QGroupBox>
#include <cstring>

namespace lexel {
namespace {

// The rows of the panels, the vowels first.
constexpr const char* PanelRows[] = {"AEIOUY", "BCDFG", "HJKLM", "NPQRS", "TVWXZ"};
constexpr int ButtonSize = 375;
constexpr int ButtonPitch = 420;
constexpr int FirstColumn = 90;
constexpr int FirstRow = 210;

QRect PanelPlace(int index) {
    const char letter = static_cast<char>('A' + index);
    for (int row = 0; row < 5; ++row) {
        if (const char* at = std::strchr(PanelRows[row], letter)) {
            const int column = static_cast<int>(at - PanelRows[row]);
            return {FirstColumn + ButtonPitch * column, FirstRow + ButtonPitch * row, ButtonSize,
                    ButtonSize};
        }
    }
    return {};
}

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

LetterPanels::LetterPanels(QWidget* client, QObject* parent) : QObject(parent) {
    used_ = Place<QGroupBox>(client, QStringLiteral("usedLetters"), {4290, 1110, 2685, 2360});
    unused_ = Place<QGroupBox>(client, QStringLiteral("unusedLetters"), {4290, 3480, 2685, 2370});
    for (int i = 0; i < AlphabetSize; ++i) {
        usedButtons_[At(i)] = new LetterButtonView(Panel::Used, i, used_);
        unusedButtons_[At(i)] = new LetterButtonView(Panel::Unused, i, unused_);
        for (auto* button : {usedButtons_[At(i)], unusedButtons_[At(i)]}) {
            PlaceInTwips(button, PanelPlace(i));
            connect(button, &LetterButtonView::pressed, this,
                    [this, button](Qt::MouseButton mouse, QPoint at) {
                        emit pressed(button->panel(), button->index(), mouse, at);
                    });
            connect(button, &LetterButtonView::released, this,
                    [this, button](Qt::MouseButton mouse) {
                        emit released(button->panel(), button->index(), mouse);
                    });
        }
    }
}

LetterButtonView* LetterPanels::Button(Panel panel, int index) const {
    return panel == Panel::Used ? usedButtons_.at(At(index)) : unusedButtons_.at(At(index));
}

void LetterPanels::Draw(const LetterMarking& marking) {
    for (int i = 0; i < AlphabetSize; ++i) {
        usedButtons_[At(i)]->SetLook(marking.Button(Panel::Used, i));
        unusedButtons_[At(i)]->SetLook(marking.Button(Panel::Unused, i));
        usedButtons_[At(i)]->setVisible(marking.IsUsed(i));
        unusedButtons_[At(i)]->setVisible(!marking.IsUsed(i));
    }
}

void LetterPanels::Translate() {
    used_->setTitle(tr("Used Letters"));
    unused_->setTitle(tr("Unused Letters"));
}

void LetterPanels::Describe(const LetterMarking& marking, const QStringList& colorNames) {
    const auto name = [&](Panel panel, int i) {
        return colorNames.value(static_cast<int>(marking.Button(panel, i).color));
    };
    for (int i = 0; i < AlphabetSize; ++i) {
        //: %1 is the colour of a letter button in the Used Letters panel
        const auto used = tr("%1, used").arg(name(Panel::Used, i));
        //: %1 is the colour of a letter button in the Unused Letters panel
        const auto unused = tr("%1, unused").arg(name(Panel::Unused, i));
        if (usedButtons_[At(i)]->accessibleDescription() != used) {
            usedButtons_[At(i)]->setAccessibleDescription(used);
        }
        if (unusedButtons_[At(i)]->accessibleDescription() != unused) {
            unusedButtons_[At(i)]->setAccessibleDescription(unused);
        }
    }
}

void LetterPanels::SetSymbols(bool on) {
    for (auto* button : usedButtons_) {
        button->SetSymbols(on);
    }
    for (auto* button : unusedButtons_) {
        button->SetSymbols(on);
    }
}

} // namespace lexel
