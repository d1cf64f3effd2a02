#include "OptionsDialog.h"

#include "core/game/PlayerWrites.h"
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
constexpr int ClientHeight = 5475;
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

OptionsDialog::OptionsDialog(Settings& settings, SettingsStore& store, MessageBoxes& boxes,
                             Help& help, QWidget* parent)
    : HelpDialog(help, HelpTopic::Options, parent), settings_(settings), store_(store),
      boxes_(boxes) {
    setObjectName(QStringLiteral("OptionsDialog"));
    setFont(LayoutFont());
    setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    CreateControls();
    Translate();
    ShowSettings(settings_);
}

void OptionsDialog::CreateControls() {
    levelGroup_ = Place<QGroupBox>(this, QStringLiteral("levelGroup"), {45, 45, 2175, 1815});
    wordSelectionGroup_ =
        Place<QGroupBox>(this, QStringLiteral("wordSelectionGroup"), {2325, 45, 3735, 1050});
    cheatingGroup_ =
        Place<QGroupBox>(this, QStringLiteral("cheatingGroup"), {2325, 1125, 3732, 732});
    coloringGroup_ = Place<QGroupBox>(this, QStringLiteral("coloringGroup"), {60, 1920, 6015, 645});
    timeGroup_ = Place<QGroupBox>(this, QStringLiteral("timeGroup"), {45, 2640, 6015, 645});
    languageGroup_ =
        Place<QGroupBox>(this, QStringLiteral("languageGroup"), {45, 3315, 6015, 1020});
    extrasGroup_ = Place<QGroupBox>(this, QStringLiteral("extrasGroup"), {45, 4395, 6015, 1005});
    const QString levelNames[] = {QStringLiteral("levelBeginner"), QStringLiteral("levelAdvanced"),
                                  QStringLiteral("levelExpert"), QStringLiteral("levelGuru")};
    for (int i = 0; i < 4; ++i) {
        levelOptions_[i] = InFrame<QRadioButton>(levelGroup_, 2175, levelNames[i], i);
        connect(levelOptions_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                ShowWhatLevelAllows(i);
            }
        });
    }
    // Tab takes the options in the order they are made here.
    onlyLevelWords_ =
        InFrame<QRadioButton>(wordSelectionGroup_, 3735, QStringLiteral("onlyLevelWords"), 0);
    englishOption_ =
        InFrame<QRadioButton>(languageGroup_, 6015, QStringLiteral("englishOption"), 0);
    easierLevelWords_ =
        InFrame<QRadioButton>(wordSelectionGroup_, 3735, QStringLiteral("easierLevelWords"), 1);
    germanOption_ = InFrame<QRadioButton>(languageGroup_, 6015, QStringLiteral("germanOption"), 1);
    cheatingCheck_ =
        InFrame<QCheckBox>(cheatingGroup_, 3732, QStringLiteral("cheatingCheck"), 0, 300);
    coloringCheck_ =
        InFrame<QCheckBox>(coloringGroup_, 6015, QStringLiteral("coloringCheck"), 0, 270);
    timerCheck_ = InFrame<QCheckBox>(timeGroup_, 6015, QStringLiteral("timerCheck"), 0, 270);
    possibleWordsCheck_ =
        InFrame<QCheckBox>(extrasGroup_, 6015, QStringLiteral("possibleWordsCheck"), 0, 270);
    symbolsCheck_ = InFrame<QCheckBox>(extrasGroup_, 6015, QStringLiteral("symbolsCheck"), 1, 270);

    okButton_ = Button(this, QStringLiteral("okButton"), 150);
    cancelButton_ = Button(this, QStringLiteral("cancelButton"), 600);
    saveButton_ = Button(this, QStringLiteral("saveButton"), 1050);
    defaultsButton_ = Button(this, QStringLiteral("defaultsButton"), 1500);
    helpButton_ = Button(this, QStringLiteral("helpButton"), 1950);
    connect(okButton_, &QPushButton::clicked, this, &OptionsDialog::Apply);
    connect(cancelButton_, &QPushButton::clicked, this, &OptionsDialog::reject);
    connect(saveButton_, &QPushButton::clicked, this, &OptionsDialog::ApplyAndSave);
    connect(defaultsButton_, &QPushButton::clicked, this, &OptionsDialog::ShowDefaults);
    connect(helpButton_, &QPushButton::clicked, this, &OptionsDialog::ShowHelp);
}

void OptionsDialog::Translate() {
    setWindowTitle(tr("Morvane Lexel Options"));
    levelGroup_->setTitle(tr("Difficulty Level"));
    levelOptions_[0]->setText(tr("&Beginner"));
    levelOptions_[1]->setText(tr("&Advanced"));
    levelOptions_[2]->setText(tr("&Expert"));
    levelOptions_[3]->setText(tr("&Guru"));
    wordSelectionGroup_->setTitle(tr("Word Selection"));
    onlyLevelWords_->setText(tr("O&nly use words of selected level"));
    easierLevelWords_->setText(tr("A&lso use words of easier levels"));
    cheatingGroup_->setTitle(tr("Cheating"));
    cheatingCheck_->setText(tr("Allows you to use 'words' that do not e&xist"));
    coloringGroup_->setTitle(tr("Automatic coloring"));
    coloringCheck_->setText(
        tr("Automatically set the bac&kground color to red or green where appropriate"));
    timeGroup_->setTitle(tr("Time"));
    timerCheck_->setText(tr("Kee&p track of used time"));
    languageGroup_->setTitle(tr("User Interface"));
    extrasGroup_->setTitle(tr("Extras"));
    possibleWordsCheck_->setText(tr("Show possible &words"));
    symbolsCheck_->setText(tr("Symbols on &marked letters"));
    englishOption_->setText(tr("Engl&ish"));
    germanOption_->setText(tr("Ge&rman"));
    okButton_->setText(tr("&OK"));
    cancelButton_->setText(tr("&Cancel"));
    saveButton_->setText(tr("&Save"));
    defaultsButton_->setText(tr("&Defaults"));
    helpButton_->setText(tr("&Help"));
}

void OptionsDialog::ShowSettings(const Settings& settings) {
    const int level = LevelNumber(settings.level) - 1;
    levelOptions_[level]->setChecked(true);
    ShowWhatLevelAllows(level); // also when that level was already selected
    (settings.onlyThisLevel ? onlyLevelWords_ : easierLevelWords_)->setChecked(true);
    cheatingCheck_->setChecked(settings.cheating && level < 2);
    coloringCheck_->setChecked(settings.autoColor);
    timerCheck_->setChecked(settings.showTime);
    possibleWordsCheck_->setChecked(settings.showPossibleWords);
    symbolsCheck_->setChecked(settings.markSymbols);
    (settings.language == InterfaceLanguage::English ? englishOption_ : germanOption_)
        ->setChecked(true);
}

// Beginner has no easier levels; Expert and Guru play without cheating.
void OptionsDialog::ShowWhatLevelAllows(int level) {
    wordSelectionGroup_->setVisible(level != 0);
    cheatingGroup_->setVisible(level < 2);
    if (level >= 2) {
        cheatingCheck_->setChecked(false);
    }
}

Settings OptionsDialog::ChosenSettings() const {
    int level = 0;
    while (level < 3 && !levelOptions_[level]->isChecked()) {
        ++level;
    }
    return Settings{.language = englishOption_->isChecked() ? InterfaceLanguage::English
                                                            : InterfaceLanguage::German,
                    .level = static_cast<Level>(level + 1),
                    .onlyThisLevel = onlyLevelWords_->isChecked(),
                    .cheating = cheatingCheck_->isChecked(),
                    .autoColor = coloringCheck_->isChecked(),
                    .showTime = timerCheck_->isChecked(),
                    .showPossibleWords = possibleWordsCheck_->isChecked(),
                    .markSymbols = symbolsCheck_->isChecked(),
                    .zoom = settings_.zoom}; // set in the View menu
}

void OptionsDialog::Apply() {
    settings_ = ChosenSettings();
    accept();
}

void OptionsDialog::ApplyAndSave() {
    const Settings chosen = ChosenSettings();
    if (WriteOrTell(boxes_, [&] { SaveSettings(store_, chosen); })) {
        settings_ = chosen;
        accept();
    }
}

void OptionsDialog::ShowDefaults() {
    ShowSettings(DefaultSettings()); // Advanced: both groups shown
}

} // namespace lexel
