// The player's aids in a game: hints, Suggest Word, Save Analysis and the letter marking.

#include "GameMessages.h"
#include "GameModel.h"
#include "core/rules/SuggestWord.h"
#include "core/settings/Settings.h"
#include "core/startup/MessageBoxes.h"
#include "core/store/AsciiCase.h"

namespace lexel {

void GameModel::TakeHint(int position) {
    if (!CanHint() || position < 0 || position >= HiddenWordLength ||
        board_.Solution(position).fixed) {
        return;
    }
    const char letter = AsciiUpper(game_.HiddenWord.at(static_cast<std::size_t>(position)));
    ++game_.HintCount;
    if (position == 0) {
        game_.FirstLetterHinted = true;
    }
    board_.Hint(position, letter);
    marking_.FixHintLetter(letter, FirstField(LastLine) + position, ReachedCells());
    emit marksChanged();
    emit boardChanged();
}

// The pattern keeps the letters typed into the line; the first suggestion on a line costs as
// many units as the line's number, each further one a single unit.
std::vector<int> GameModel::SuggestWord() {
    if (!CanSuggest()) {
        return {};
    }
    std::string untried;
    for (int i = 0; i < AlphabetSize; ++i) {
        if (!marking_.IsUsed(i)) {
            untried += static_cast<char>('A' + i);
        }
    }
    const int line = game_.currentLine;
    std::string pattern = board_.LineText(line);
    for (char& c : pattern) {
        c = IsLetter(c) ? c : '?';
    }
    const auto word = lexel::SuggestWord(suggestions_, services_.random, pattern,
                                         marking_.Marks().RedLetters, untried);
    if (word.empty()) {
        ++game_.SuggestionCount;
        services_.boxes.Show({MessageIcon::Information, GameMessages::NoMatchingWord()});
        return {};
    }
    game_.SuggestionCount += game_.lastSuggestedLine == line ? 1 : line + 1;
    game_.lastSuggestedLine = line;
    std::vector<int> changed;
    for (int i = 0; i < static_cast<int>(word.size()); ++i) {
        if (board_.SetGuess(FirstField(line) + i, word[static_cast<std::size_t>(i)])) {
            changed.push_back(FirstField(line) + i);
        }
    }
    emit boardChanged();
    return changed;
}

// The red and green marks become binding, and the letters typed into the solution line are
// fixed like hints.
void GameModel::SaveAnalysis() {
    if (!CanMark()) {
        return;
    }
    marking_.SaveButtonColors();
    for (int i = 0; i < HiddenWordLength; ++i) {
        const char letter = board_.Solution(i).content;
        // Only a letter is fixed: "?" (and a blank that arrived otherwise) is no conclusion.
        if (!IsLetter(letter) || board_.Solution(i).fixed) {
            continue;
        }
        board_.FixSolution(i);
        marking_.FixSolutionLetter(letter, ReachedCells());
    }
    emit marksChanged();
    emit boardChanged();
}

void GameModel::ResetMarks() {
    if (!CanMark()) {
        return;
    }
    marking_.GrayAll(ReachedCells());
    emit marksChanged();
}

void GameModel::PaintCell(int cell, LetterColor color) {
    marking_.GuessColor(cell, color, ReachedCells());
    emit marksChanged();
}

void GameModel::PaintButton(Panel panel, int index, LetterColor color) {
    marking_.ButtonColor(panel, index, color);
    marking_.SyncColors(ReachedCells());
    emit marksChanged();
}

void GameModel::PressButton(Panel panel, int index, bool down) {
    if (index < 0 || index >= AlphabetSize) {
        return;
    }
    if (down) {
        marking_.ButtonDown(panel, index);
    } else {
        marking_.ButtonUp(panel, index);
    }
    emit marksChanged();
}

} // namespace lexel
