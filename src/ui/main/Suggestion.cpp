// Suggest Word on the main window: the current line's pattern, the red and the untried
// letters go to the search; the word found is typed into the line.

#include "core/rules/BoardGeometry.h"
#include "core/rules/SuggestWord.h"
#include "core/startup/MessageBoxes.h"
#include "fmMain.h"
#include "ui/board/GuessGrid.h"

#include <QLineEdit>

namespace lexel {

void fmMain::mnSuggest_Click() {
    std::string untried;
    for (int i = 0; i < AlphabetSize; ++i) {
        if (!marking_.IsUsed(i)) {
            untried += static_cast<char>('A' + i);
        }
    }
    std::string pattern;
    for (int k = BL(game_.iLine); k <= BH(game_.iLine); ++k) {
        const QString cell = grid_->tbL1(k)->text().trimmed();
        pattern += (cell.isEmpty() || cell == QLatin1String("_")) ? '?' : cell[0].toLatin1();
    }
    const auto word =
        SuggestWord(suggestions_, services_.random, pattern, marking_.Marks().RedLetters, untried);
    if (word.empty()) {
        ++game_.SuggestionCount;
        services_.boxes.Show({MessageIcon::Information, texts_.noMatchingWord});
        return;
    }
    // The first suggestion on a line costs as many units as the line's number, each further
    // one a single unit.
    game_.SuggestionCount += LastSuggestLine == game_.iLine ? 1 : game_.iLine;
    for (int i = 0; i < static_cast<int>(word.size()); ++i) {
        grid_->tbL1(BL(game_.iLine) + i)->setText(QString(QChar::fromLatin1(word[i])));
    }
    LastSuggestLine = game_.iLine;
}

} // namespace lexel
