// Save Analysis: the red and green marks become binding, and the letters typed into the
// solution line are fixed like hints.

#include "core/rules/BoardGeometry.h"
#include "core/rules/FieldInput.h"
#include "fmMain.h"
#include "ui/board/GuessGrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lexel {

void fmMain::SaveAnalysis() {
    auto& marks = marking_.Marks();
    marks.SavedGreen.clear();
    marks.SavedRed.clear();
    for (int i = 0; i < AlphabetSize; ++i) {
        const auto color = marking_.Button(marking_.VisiblePanel(i), i).color;
        const char letter = static_cast<char>('A' + i);
        if (color == LetterColor::Red) {
            marks.SavedRed += letter;
        } else if (color == LetterColor::Green) {
            marks.SavedGreen += letter;
        }
    }
    for (int k = 0; k < HiddenWordLength; ++k) {
        auto* field = grid_->Text1(k);
        const QString s = field->text();
        // Only a letter is fixed: "?" (and a blank that arrived otherwise) is no conclusion.
        if (!IsFieldLetter(s) || !field->isEnabled()) {
            continue;
        }
        field->setEnabled(false);
        grid_->lbHint(k)->setText(s);
        grid_->lbHint(k)->show();
        field->hide();
        const char c = s[0].toLatin1();
        if (marks.SavedGreen.find(c) == std::string::npos) {
            marks.SavedGreen += c;
        }
        if (marks.GreenLetters.find(c) == std::string::npos) {
            const int j = LetterMarking::LetterIndex(c);
            marking_.ButtonColor(marking_.VisiblePanel(j), j, LetterColor::Green);
            marking_.SyncColors(LastGridLabel());
        }
    }
    RenderLetters();
}

void fmMain::cmdSave_Click() {
    SaveAnalysis();
    grid_->FocusLastField();
}

} // namespace lexel
