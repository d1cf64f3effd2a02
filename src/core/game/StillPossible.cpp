#include "StillPossible.h"

#include "core/store/AsciiCase.h"
#include "core/store/WordStore.h"

#include <QtGlobal>

namespace lexel {

Evidence EvidenceOf(const Board& board) {
    Evidence evidence;
    for (int line = 0; line < LineCount; ++line) {
        if (const auto& result = board.Result(line)) {
            evidence.lines.push_back({line, AsciiLower(board.LineText(line)), *result});
        }
    }
    for (int i = 0; i < HiddenWordLength; ++i) {
        const auto& cell = board.Solution(i);
        if (cell.fixed && IsLetter(cell.content)) {
            evidence.known[static_cast<std::size_t>(i)] = AsciiLower(cell.content);
        }
    }
    return evidence;
}

void StillPossible::NewGame(Level level, bool only) {
    if (level != level_ || only != only_) {
        words_.reset();
    }
    level_ = level;
    only_ = only;
    lastCount_.reset();
}

const std::vector<std::string>* StillPossible::Words() {
    if (!words_) {
        try {
            words_ = store_.DrawableWords(level_, only_);
        } catch (const sql::Error& e) {
            qWarning("Lexel: the words of the level could not be read: %s", e.what());
            return nullptr;
        }
    }
    return &*words_;
}

std::optional<int> StillPossible::Count(const Board& board) {
    auto evidence = EvidenceOf(board);
    if (lastCount_ && lastCount_->first == evidence) {
        return lastCount_->second;
    }
    const auto* words = Words();
    if (words == nullptr) {
        return std::nullopt;
    }
    const int count = CountPossible(*words, evidence);
    lastCount_.emplace(std::move(evidence), count);
    return count;
}

std::vector<LineCut> StillPossible::Cuts(const Board& board) {
    const auto* words = Words();
    return words == nullptr ? std::vector<LineCut>{} : CutsByLine(*words, EvidenceOf(board).lines);
}

} // namespace lexel
