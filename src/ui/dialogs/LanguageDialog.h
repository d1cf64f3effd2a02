#pragma once

// The first-run language window: English or German for the interface. OK accepts the choice;
// any other way of closing rejects it.

#include "core/settings/Settings.h"

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace lexel {

class LanguageDialog : public QDialog {
    Q_OBJECT

public:
    // `offered` is chosen when the window opens.
    explicit LanguageDialog(InterfaceLanguage offered = InterfaceLanguage::English,
                            QWidget* parent = nullptr);

    InterfaceLanguage Chosen() const;

private:
    void CreateControls();

    QGroupBox* languageGroup_ = nullptr;
    QRadioButton* englishOption_ = nullptr;
    QRadioButton* germanOption_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace lexel
