#include "fmOptions.h"

#include "core/settings/SettingsStore.h"
#include "ui/controls/Controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace lexel {
namespace {

constexpr int ButtonLeft = 6150;
constexpr int ButtonWidth = 972;
constexpr int ButtonHeight = 372;
constexpr int ClientWidth = 7245;
constexpr int ClientHeight = 4395;
constexpr int OptionPitch = 360;

// A control on row `row` inside a frame `frameWidth` twips wide.
template <typename Control>
Control* InFrame(QGroupBox* frame, int frameWidth, const QString& name, int row, int top = 240) {
    return Place<Control>(frame, name, {120, top + row * OptionPitch, frameWidth - 240, 300});
}

QPushButton* Button(QWidget* parent, const QString& name, int top) {
    return PlaceButton(parent, name, {ButtonLeft, top, ButtonWidth, ButtonHeight});
}

} // namespace

fmOptions::fmOptions(Settings& settings, SettingsStore& store, Help& help, QWidget* parent)
    : HelpDialog(help, HelpTopic::Options, parent), settings_(settings), store_(store) {
    setObjectName(QStringLiteral("fmOptions"));
    setFont(LayoutFont());
    setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    CreateControls();
    Form_Load();
}

void fmOptions::CreateControls() {
    Frame1 = Place<QGroupBox>(this, QStringLiteral("Frame1"), {45, 45, 2175, 1815});
    Frame2 = Place<QGroupBox>(this, QStringLiteral("Frame2"), {2325, 45, 3735, 1050});
    Frame3 = Place<QGroupBox>(this, QStringLiteral("Frame3"), {2325, 1125, 3732, 732});
    Frame7 = Place<QGroupBox>(this, QStringLiteral("Frame7"), {60, 1920, 6015, 645});
    Frame8 = Place<QGroupBox>(this, QStringLiteral("Frame8"), {45, 2640, 6015, 645});
    Frame6 = Place<QGroupBox>(this, QStringLiteral("Frame6"), {45, 3315, 6015, 1020});
    for (int i = 0; i < 4; ++i) {
        Option1[i] = InFrame<QRadioButton>(Frame1, 2175, QStringLiteral("Option1_%1").arg(i), i);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                Option1_Click(i);
            }
        });
    }
    for (int i = 0; i < 2; ++i) {
        Option2[i] = InFrame<QRadioButton>(Frame2, 3735, QStringLiteral("Option2_%1").arg(i), i);
        Option3[i] = InFrame<QRadioButton>(Frame6, 6015, QStringLiteral("Option3_%1").arg(i), i);
    }
    Check1 = InFrame<QCheckBox>(Frame3, 3732, QStringLiteral("Check1"), 0, 300);
    Check4 = InFrame<QCheckBox>(Frame7, 6015, QStringLiteral("Check4"), 0, 270);
    Check5 = InFrame<QCheckBox>(Frame8, 6015, QStringLiteral("Check5"), 0, 270);

    cbOk = Button(this, QStringLiteral("cbOk"), 150);
    cbCancel = Button(this, QStringLiteral("cbCancel"), 600);
    cbSave = Button(this, QStringLiteral("cbSave"), 1050);
    cbDefaults = Button(this, QStringLiteral("cbDefaults"), 1500);
    cbHelp = Button(this, QStringLiteral("cbHelp"), 1950);
    connect(cbOk, &QPushButton::clicked, this, &fmOptions::cbOk_Click);
    connect(cbCancel, &QPushButton::clicked, this, &fmOptions::reject);
    connect(cbSave, &QPushButton::clicked, this, &fmOptions::cbSave_Click);
    connect(cbDefaults, &QPushButton::clicked, this, &fmOptions::cbDefaults_Click);
    connect(cbHelp, &QPushButton::clicked, this, &fmOptions::ShowHelp);
}

void fmOptions::Translate() {
    setWindowTitle(tr("Morvane Lexel Options"));
    Frame1->setTitle(tr("Difficulty Level"));
    Option1[0]->setText(tr("&Beginner"));
    Option1[1]->setText(tr("&Advanced"));
    Option1[2]->setText(tr("&Expert"));
    Option1[3]->setText(tr("&Guru"));
    Frame2->setTitle(tr("Word Selection"));
    Option2[0]->setText(tr("O&nly use words of selected level"));
    Option2[1]->setText(tr("A&lso use words of easier levels"));
    Frame3->setTitle(tr("Cheating"));
    Check1->setText(tr("Allows you to use 'words' that do not e&xist"));
    Frame7->setTitle(tr("Automatic coloring"));
    Check4->setText(
        tr("Automatically set the bac&kground color to red or green where appropriate"));
    Frame8->setTitle(tr("Time"));
    Check5->setText(tr("Kee&p track of used time"));
    Frame6->setTitle(tr("User Interface"));
    Option3[0]->setText(tr("Engl&ish"));
    Option3[1]->setText(tr("Ge&rman"));
    cbOk->setText(tr("&OK"));
    cbCancel->setText(tr("&Cancel"));
    cbSave->setText(tr("&Save"));
    cbDefaults->setText(tr("&Defaults"));
    cbHelp->setText(tr("&Help"));
}

void fmOptions::Form_Load() {
    Translate();
    ShowSettings(settings_);
}

void fmOptions::ShowSettings(const Settings& settings) {
    const int level = LevelNumber(settings.Class) - 1;
    Option1[level]->setChecked(true);
    Option1_Click(level); // also when that level was already selected
    Option2[settings.Only ? 0 : 1]->setChecked(true);
    Check1->setChecked(settings.Cheating && level < 2);
    Check4->setChecked(settings.Colors);
    Check5->setChecked(settings.Timer);
    Option3[settings.Language == InterfaceLanguage::English ? 0 : 1]->setChecked(true);
}

// Beginner has no easier levels; Expert and Guru play without cheating.
void fmOptions::Option1_Click(int index) {
    Frame2->setVisible(index != 0);
    Frame3->setVisible(index < 2);
    if (index >= 2) {
        Check1->setChecked(false);
    }
}

Settings fmOptions::ChosenSettings() const {
    int level = 0;
    while (level < 3 && !Option1[level]->isChecked()) {
        ++level;
    }
    return Settings{.Language = Option3[0]->isChecked() ? InterfaceLanguage::English
                                                        : InterfaceLanguage::German,
                    .Class = static_cast<Level>(level + 1),
                    .Only = Option2[0]->isChecked(),
                    .Cheating = Check1->isChecked(),
                    .Colors = Check4->isChecked(),
                    .Timer = Check5->isChecked()};
}

void fmOptions::cbOk_Click() {
    settings_ = ChosenSettings();
    accept();
}

void fmOptions::cbSave_Click() {
    settings_ = ChosenSettings();
    SaveSettings(store_, settings_);
    accept();
}

void fmOptions::cbDefaults_Click() {
    ShowSettings(DefaultSettings()); // Advanced: both frames shown
}

} // namespace lexel
