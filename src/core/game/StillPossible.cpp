#include "StillPossible.h"

#include "core/base/StorageError.h"
#include "core/ports/WordSource.h"

#include <QtGlobal>

namespace lexel {

Evidence EvidenceOf(const Board& board) {
    Evidence evidence;
    for (int line = 0; line < LineCount; ++line) {
        if (const auto& result = board.Result(line)) {
            evidence.lines.push_back({line, board.LineWord(line).value().Lower(), *result});
        }
    }
    for (int i = 0; i < HiddenWordLength; ++i) {
        const auto& cell = board.Solution(i);
        if (const auto letter = cell.content.AsLetter(); cell.fixed && letter) {
            evidence.known[static_cast<std::size_t>(i)] = letter->Lower();
        }
    }
    return evidence;
}

void StillPossible::NewGame(Level level, bool only) {
    game_ = {level, only, {}, {}, {}, {}};
    lastCount_.reset();
}

void StillPossible::Refuse(int line, const std::string& word) {
    game_.refused.push_back({line, word});
}

void StillPossible::LineEvaluating(const Board& board) {
    game_.knownBefore.push_back(EvidenceOf(board).known);
}

const std::vector<std::string>* StillPossible::Words(Level level, bool only) {
    const std::pair key(level, only);
    if (wordsOf_ != key) {
        try {
            words_ = store_.DrawableWords(level, only);
        } catch (const StorageError& e) {
            qWarning("Lexel: the words of the level could not be read: %s", e.what());
            wordsOf_.reset();
            return nullptr;
        }
        wordsOf_ = key;
    }
    return &words_;
}

std::optional<int> StillPossible::Count(const Board& board) {
    auto evidence = EvidenceOf(board);
    evidence.refused = game_.refused;
    if (lastCount_ && lastCount_->first == evidence) {
        return lastCount_->second;
    }
    const auto* words = Words(game_.level, game_.only);
    if (words == nullptr) {
        return std::nullopt;
    }
    const int count = CountPossible(*words, evidence);
    lastCount_.emplace(std::move(evidence), count);
    return count;
}

void StillPossible::GameEnded(const Board& board) {
    ended_ = game_;
    ended_->lines = EvidenceOf(board).lines;
}

void StillPossible::EndedWordWas(const std::string& word) {
    if (ended_) {
        ended_->word = word;
    }
}

std::vector<LineCut> StillPossible::EndedCuts() {
    if (!ended_) {
        return {};
    }
    const auto* words = Words(ended_->level, ended_->only);
    return words == nullptr ? std::vector<LineCut>{}
                            : CutsByLine(*words, ended_->lines, ended_->refused);
}

// A letter the player fixed by Save Analysis that is not the hidden word's was never known.
std::optional<CoachGame> StillPossible::EndedCoachGame() {
    const auto* words = ended_ ? Words(ended_->level, ended_->only) : nullptr;
    if (words == nullptr) {
        return std::nullopt;
    }
    CoachGame coach{*words, {}, ended_->lines, ended_->knownBefore, ended_->refused};
    for (auto& known : coach.knownBefore) {
        for (std::size_t i = 0; i < known.size(); ++i) {
            if (i < ended_->word.size() && known[i] != ended_->word[i]) {
                known[i] = 0;
            }
        }
    }
    return coach;
}

} // namespace lexel
