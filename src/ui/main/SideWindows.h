#pragma once

// The windows the main window opens over itself: options, high scores, about, the statistics
// and anagrams after a win, the quotation on leaving.

#include "MainWindow.h"

#include <functional>
#include <optional>
#include <string>

namespace lexel {

class SideWindows {
public:
    SideWindows(const GameServices& services, QWidget* parent)
        : services_(services), parent_(parent) {}

    // True when the language was changed: the main window re-captions itself.
    bool ShowOptions();
    void ShowHighScores(bool runningGameCounted);
    // The about box may show the hidden word of the game as it stands.
    void ShowAbout(std::function<std::string()> hiddenWord);
    // After a win: the table with the new entry at `rank` when the score entered it, then the
    // anagrams of the word when it has any.
    void ShowWin(const std::string& word, std::optional<int> rank);
    void ShowQuotation();
    // How the possible words fell in the game that ended.
    void ShowReview(GameModel& model);

private:
    const GameServices& services_;
    QWidget* parent_;
};

} // namespace lexel
