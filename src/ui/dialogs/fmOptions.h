#pragma once

// The options dialog: edits the settings record. OK applies the choice until the program
// ends; Save applies it and writes all six settings; Defaults only sets the controls.

#include "HelpDialog.h"
#include "core/settings/Settings.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace lexel {

class SettingsStore;

class fmOptions : public HelpDialog {
    Q_OBJECT

public:
    fmOptions(Settings& settings, SettingsStore& store, Help& help, QWidget* parent = nullptr);

private:
    void CreateControls();
    void Translate();
    void Form_Load();
    void ShowSettings(const Settings& settings);
    Settings ChosenSettings() const;

    void Option1_Click(int index);
    void cbOk_Click();
    void cbSave_Click();
    void cbDefaults_Click();

    Settings& settings_;
    SettingsStore& store_;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QGroupBox* Frame7 = nullptr;
    QGroupBox* Frame8 = nullptr;
    std::array<QRadioButton*, 4> Option1{};
    std::array<QRadioButton*, 2> Option2{};
    std::array<QRadioButton*, 2> Option3{};
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check5 = nullptr;
    QPushButton* cbOk = nullptr;
    QPushButton* cbCancel = nullptr;
    QPushButton* cbSave = nullptr;
    QPushButton* cbDefaults = nullptr;
    QPushButton* cbHelp = nullptr;
};

} // namespace lexel
