#pragma once

// The first-run language window: English or German for the interface. OK stores the choice
// in the Language row and accepts; any other way of closing stores nothing and rejects.

#include <QDialog>
#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace lexel {

class SettingsStore;

class fmLang : public QDialog {
    Q_OBJECT

public:
    explicit fmLang(SettingsStore& store, QWidget* parent = nullptr);

private:
    void CreateControls();
    void Command1_Click();

    SettingsStore& store_;

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QPushButton* Command1 = nullptr;
};

} // namespace lexel
