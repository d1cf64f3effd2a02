#pragma once

namespace lexel {

// Help topics: each window opens its own with F1 or its Help button.
enum class HelpTopic {
    Game = 1,       // the main window before the first game has begun
    Statistics = 2, // StatisticsDialog
    Playing = 3,    // the main window once a game has begun
    Options = 4,    // OptionsDialog
};

// Opens the help of the current language at a topic.
class Help {
public:
    virtual ~Help() = default;
    virtual void ShowTopic(HelpTopic topic) = 0;
};

} // namespace lexel
