#pragma once

// The statistics window: games won out of played, the ten best scores, and Reset.

#include "HelpDialog.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace lexel {

class MessageBoxes;
class SettingsStore;

class fmStats : public HelpDialog {
    Q_OBJECT

public:
    // `runningGameCounted`: a game is in progress and has an evaluated line, so it already
    // counts as played.
    fmStats(SettingsStore& store, MessageBoxes& boxes, Help& help, bool runningGameCounted,
            QWidget* parent = nullptr);

    // Marks the first row whose word is `word` and score is `score`, both exactly.
    void HighLight(const QString& word, const QString& score);

private:
    void CreateControls();
    void Translate();
    void Form_Load();
    QString GamesWonLine();

    void cbReset_Click();

    SettingsStore& store_;
    MessageBoxes& boxes_;
    bool runningGameCounted_;

    QLabel* lbTotal = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 10> lbNums{};
    std::array<QLabel*, 10> lbWords{};
    std::array<QLabel*, 10> lbScore{};
    QPushButton* cbClose = nullptr;
    QPushButton* cbReset = nullptr;
    QPushButton* cbHelp = nullptr;
};

} // namespace lexel
