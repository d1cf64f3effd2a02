#include "fmLang.h"

#include "core/settings/Settings.h"
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

fmLang::fmLang(SettingsStore& store, QWidget* parent) : QDialog(parent), store_(store) {
    setObjectName(QStringLiteral("fmLang"));
    setModal(true);
    setFont(LayoutFont());
    // Shown before any language is known, so every caption serves both languages as it is.
    setWindowTitle(QStringLiteral("Morvane Lexel"));
    setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    CreateControls();
    Option1[0]->setChecked(true);
}

void fmLang::CreateControls() {
    Frame1 = Place<QGroupBox>(this, QStringLiteral("Frame1"), {120, 120, FrameWidth, FrameHeight});
    Frame1->setTitle(QString::fromUtf8("User Interface / Benutzeroberfläche"));
    const QString captions[] = {QStringLiteral("&English"), QStringLiteral("&Deutsch")};
    for (int i = 0; i < 2; ++i) {
        Option1[i] = Place<QRadioButton>(Frame1, QStringLiteral("Option1_%1").arg(i),
                                         {240, 300 + i * 360, FrameWidth - 360, 300});
        Option1[i]->setText(captions[i]);
    }
    Command1 = PlaceButton(this, QStringLiteral("Command1"), {ButtonLeft, 180, ButtonWidth, 372});
    Command1->setText(QStringLiteral("&OK"));
    Command1->setDefault(true); // Enter confirms the choice
    connect(Command1, &QPushButton::clicked, this, &fmLang::Command1_Click);
}

void fmLang::Command1_Click() {
    SaveLanguage(store_,
                 Option1[1]->isChecked() ? InterfaceLanguage::German : InterfaceLanguage::English);
    accept();
}

} // namespace lexel
