// The player's aids in a game: hints, Suggest Word, Save Analysis and the letter marking.

#include "GameMessages.h"
#include "GameModel.h"
#include "core/base/PlayerSettings.h"
#include "core/ports/MessageBoxes.h"
#include "core/ports/WordSource.h"
#include "core/rules/SuggestWord.h"

namespace lexel {

std::optional<int> GameModel::TakeHint(int position) {
    if (!CanHint() || position < 0 || position >= HiddenWordLength ||
        board_.Solution(position).fixed) {
        return std::nullopt;
    }
    const Letter letter =
        Letter::From(game_.HiddenWord.at(static_cast<std::size_t>(position))).value();
    ++game_.aids.hints;
    if (position == 0) {
        game_.aids.firstLetterHinted = true;
    }
    board_.Hint(position, letter);
    marking_.FixHintLetter(letter, FirstField(LastLine) + position, ReachedCells());
    emit marksChanged();
    emit boardChanged();
    return position;
}

namespace {

// The letters typed into the line in capitals, "?" for each free place.
std::string PatternOf(const Board& board, int line) {
    std::string pattern;
    for (int k = FirstField(line); k <= LastField(line); ++k) {
        const auto letter = board.Guess(k).content.AsLetter();
        pattern += letter ? letter->Upper() : FreeCell;
    }
    return pattern;
}

} // namespace

// The pattern keeps the letters typed into the line; a line that still holds the last suggestion
// is searched again with the letters the player had typed before it. A suggestion never leaves
// the line as it is: it offers another word, or says there is none and charges nothing.
std::vector<int> GameModel::SuggestWord() {
    if (!CanSuggest()) {
        return {};
    }
    const int line = game_.currentLine;
    const std::string current = board_.LineText(line);
    const bool holdsSuggestion = game_.lastSuggestedLine == line && game_.lastSuggestion == current;
    const std::string pattern = holdsSuggestion ? game_.suggestedFrom : PatternOf(board_, line);
    auto word = Suggestion(pattern, {});
    if (word == current) {
        word = Suggestion(pattern, current);
        if (word.empty()) {
            services_.boxes.Show({MessageIcon::Information, GameMessages::NoOtherWord()});
            return {};
        }
    }
    if (word.empty()) {
        ++game_.aids.suggestionUnits;
        services_.boxes.Show({MessageIcon::Information, GameMessages::NoMatchingWord()});
        return {};
    }
    game_.aids.suggestionUnits += SuggestionUnits(line, game_.lastSuggestedLine);
    game_.lastSuggestedLine = line;
    game_.lastSuggestion = word;
    game_.suggestedFrom = pattern;
    std::vector<int> changed;
    for (int i = 0; i < static_cast<int>(word.size()); ++i) {
        const auto letter = Letter::From(word[static_cast<std::size_t>(i)]).value();
        if (board_.SetGuess(FirstField(line) + i, letter)) {
            changed.push_back(FirstField(line) + i);
        }
    }
    emit boardChanged();
    return changed;
}

// Suggest Word avoids red letters and prefers the letters not tried yet.
std::string GameModel::Suggestion(const std::string& pattern, const std::string& avoid) {
    std::string untried;
    for (int i = 0; i < AlphabetSize; ++i) {
        if (!marking_.IsUsed(i)) {
            untried += static_cast<char>('A' + i);
        }
    }
    return lexel::SuggestWord(services_.words.Suggestions(static_cast<int>(pattern.size())),
                              services_.random, pattern, marking_.Marks().RedLetters, untried,
                              avoid);
}

Score GameModel::HintCost(bool firstLetter) const {
    return NextHintCharge(game_.aids.hints, game_.aids.firstLetterHinted, firstLetter);
}

Score GameModel::SuggestionCost() const {
    return SuggestionUnits(game_.currentLine, game_.lastSuggestedLine) * SuggestionUnitCharge;
}

// The red and green marks become binding, and the letters typed into the solution line are
// fixed like hints.
void GameModel::SaveAnalysis() {
    if (!CanMark()) {
        return;
    }
    marking_.SaveButtonColors();
    for (int i = 0; i < HiddenWordLength; ++i) {
        const auto letter = board_.Solution(i).content.AsLetter();
        // Only a letter is fixed: an unknown place (or a pasted blank) is no conclusion.
        if (!letter || board_.Solution(i).fixed) {
            continue;
        }
        board_.FixSolution(i);
        marking_.FixSolutionLetter(*letter, ReachedCells());
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
