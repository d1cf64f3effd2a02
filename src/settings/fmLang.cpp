#include "fmLang.h"

#include "SettingsStore.h"
#include "board/Twips.h"

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

template <typename Control>
Control* Make(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* control = new Control(text, parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

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
    Frame1 = Make<QGroupBox>(this, QStringLiteral("Frame1"),
                             QString::fromUtf8("User Interface / Benutzeroberfläche"),
                             TwipsRect(120, 120, FrameWidth, FrameHeight));
    const QString captions[] = {QStringLiteral("&English"), QStringLiteral("&Deutsch")};
    for (int i = 0; i < 2; ++i) {
        Option1[i] = Make<QRadioButton>(Frame1, QStringLiteral("Option1_%1").arg(i), captions[i],
                                        TwipsRect(240, 300 + i * 360, FrameWidth - 360, 300));
    }
    Command1 = Make<QPushButton>(this, QStringLiteral("Command1"), QStringLiteral("&OK"),
                                 TwipsRect(ButtonLeft, 180, ButtonWidth, 372));
    Command1->setAutoDefault(false); // as in the other windows, no button answers Enter
    connect(Command1, &QPushButton::clicked, this, &fmLang::Command1_Click);
}

void fmLang::Command1_Click() {
    store_.WriteOption("Language", Option1[1]->isChecked() ? "D" : "E");
    accept();
}

} // namespace lexel
