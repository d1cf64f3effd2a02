#pragma once

// The first-run language window: English or German for the interface. OK stores the choice
// in the Language row and accepts; any other way of closing stores nothing and rejects.

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace lexel {

class SettingsStore;

class LanguageDialog : public QDialog {
    Q_OBJECT

public:
    explicit LanguageDialog(SettingsStore& store, QWidget* parent = nullptr);

private:
    void CreateControls();
    void StoreChoice();

    SettingsStore& store_;

    QGroupBox* languageGroup_ = nullptr;
    QRadioButton* englishOption_ = nullptr;
    QRadioButton* germanOption_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace lexel
