#include "SideWindows.h"

#include "core/ports/WordSource.h"
#include "core/settings/Quotes.h"
#include "core/settings/SettingsStore.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/AnagramWindow.h"
#include "ui/dialogs/QuotationWindow.h"
#include "ui/dialogs/ReviewDialog.h"
#include "ui/dialogs/SetOptions.h"
#include "ui/dialogs/StatisticsDialog.h"

namespace lexel {

bool SideWindows::ShowOptions() {
    return SetOptions(parent_, services_.settings, services_.store, services_.boxes, services_.help,
                      services_.language);
}

void SideWindows::ShowHighScores(bool runningGameCounted) {
    StatisticsDialog window(services_.store, services_.boxes, services_.help, runningGameCounted,
                            parent_);
    window.exec();
}

void SideWindows::ShowAbout(std::function<std::string()> hiddenWord) {
    AboutDialog window(std::move(hiddenWord), services_.boxes, parent_);
    window.exec();
}

void SideWindows::ShowWin(const std::string& word, std::optional<int> rank) {
    if (rank) {
        StatisticsDialog window(services_.store, services_.boxes, services_.help, false, parent_);
        window.HighLight(*rank);
        window.exec();
    }
    if (auto anagrams = services_.words.Anagrams(word); !anagrams.empty()) {
        AnagramWindow window(std::move(anagrams), word, parent_);
        window.exec();
    }
}

void SideWindows::ShowQuotation() {
    if (const auto quote = PickQuote(services_.store.database(), services_.random)) {
        QuotationWindow window(*quote, parent_);
        window.exec();
    }
}

void SideWindows::ShowReview(GameModel& model) {
    ReviewDialog window(model.PossibleWordCuts(), model.EndedWin(), model.EndedCoachGame(),
                        parent_);
    window.exec();
}

} // namespace lexel
