#pragma once

// The options dialog: edits the settings record. OK applies the choice until the program
// ends; Save writes all the settings and applies them, or, when they cannot be written, says
// so and stays open with the choice as it was; Defaults only sets the controls.

#include "HelpDialog.h"
#include "core/settings/Settings.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace lexel {

class MessageBoxes;
class SettingsStore;

class OptionsDialog : public HelpDialog {
    Q_OBJECT

public:
    OptionsDialog(Settings& settings, SettingsStore& store, MessageBoxes& boxes, Help& help,
                  QWidget* parent = nullptr);

private:
    void CreateControls();
    void Translate();
    void ShowSettings(const Settings& settings);
    void ShowWhatLevelAllows(int level);
    Settings ChosenSettings() const;

    void Apply();
    void ApplyAndSave();
    void ShowDefaults();

    Settings& settings_;
    SettingsStore& store_;
    MessageBoxes& boxes_;

    QGroupBox* levelGroup_ = nullptr;
    QGroupBox* wordSelectionGroup_ = nullptr;
    QGroupBox* cheatingGroup_ = nullptr;
    QGroupBox* coloringGroup_ = nullptr;
    QGroupBox* timeGroup_ = nullptr;
    QGroupBox* languageGroup_ = nullptr;
    QGroupBox* extrasGroup_ = nullptr;
    std::array<QRadioButton*, 4> levelOptions_{}; // Beginner to Guru
    QRadioButton* onlyLevelWords_ = nullptr;
    QRadioButton* easierLevelWords_ = nullptr;
    QRadioButton* englishOption_ = nullptr;
    QRadioButton* germanOption_ = nullptr;
    QCheckBox* cheatingCheck_ = nullptr;
    QCheckBox* coloringCheck_ = nullptr;
    QCheckBox* timerCheck_ = nullptr;
    QCheckBox* possibleWordsCheck_ = nullptr;
    QCheckBox* symbolsCheck_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* defaultsButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

} // namespace lexel
