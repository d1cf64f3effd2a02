#include "LanguageDialog.h"

#include "ui/controls/Controls.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace lexel {
namespace {

constexpr int FrameWidth = 3255;
constexpr int FrameHeight = 1035;
constexpr int ButtonLeft = 120 + FrameWidth + 120;
constexpr int ButtonWidth = 972;
constexpr int ClientWidth = ButtonLeft + ButtonWidth + 120;
constexpr int ClientHeight = 120 + FrameHeight + 120;

} // namespace

LanguageDialog::LanguageDialog(InterfaceLanguage offered, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LanguageDialog"));
    setModal(true);
    setFont(LayoutFont());
    // Shown before any language is known, so every caption serves both languages as it is.
    setWindowTitle(QStringLiteral("Morvane Lexel"));
    setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    CreateControls();
    (offered == InterfaceLanguage::German ? germanOption_ : englishOption_)->setChecked(true);
}

void LanguageDialog::CreateControls() {
    languageGroup_ = Place<QGroupBox>(this, QStringLiteral("languageGroup"),
                                      {120, 120, FrameWidth, FrameHeight});
    languageGroup_->setTitle(QString::fromUtf8("User Interface / Benutzeroberfläche"));
    const auto option = [this](const QString& name, int row, const QString& caption) {
        auto* button = Place<QRadioButton>(languageGroup_, name,
                                           {240, 300 + row * 360, FrameWidth - 360, 300});
        button->setText(caption);
        return button;
    };
    englishOption_ = option(QStringLiteral("englishOption"), 0, QStringLiteral("&English"));
    germanOption_ = option(QStringLiteral("germanOption"), 1, QStringLiteral("&Deutsch"));
    okButton_ = PlaceButton(this, QStringLiteral("okButton"), {ButtonLeft, 180, ButtonWidth, 372});
    okButton_->setText(QStringLiteral("&OK"));
    okButton_->setDefault(true); // Enter confirms the choice
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

InterfaceLanguage LanguageDialog::Chosen() const {
    return germanOption_->isChecked() ? InterfaceLanguage::German : InterfaceLanguage::English;
}

} // namespace lexel
