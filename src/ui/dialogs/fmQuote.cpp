#include "fmQuote.h"

#include "ui/controls/Controls.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace lexel {
namespace {

constexpr int ClientWidth = 5625;
constexpr int SourceGap = 105; // from the text's bottom to the source line

// The close button sits below the source line and moves with it, so the mouse can always
// reach it; the window as built is the 2880-twips text area plus the button's row.
constexpr int ButtonTop = 2895;
constexpr int ButtonHeight = 372;
constexpr int ClientHeight = ButtonTop + ButtonHeight + 120;
constexpr int FrameAllowance = 60; // pixels of a window frame and title bar
constexpr int TextHeight = 1860;   // the text area as built

QFont SizedFont(double points, bool bold) {
    QFont font = LayoutFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The height `label` needs for its text at its present width; an empty label needs none.
int WrappedHeight(const QLabel* label) {
    return std::max(label->heightForWidth(label->width()), 0);
}

} // namespace

fmQuote::fmQuote(const Quote& quote, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fmQuote"));
    setModal(true);
    setFont(LayoutFont());
    // The same caption in both languages, so it bypasses the translation.
    setWindowTitle(QStringLiteral("Morvane Lexel"));
    setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    CreateControls();
    Form_Load(quote);
}

void fmQuote::CreateControls() {
    lbTitle = PlaceLabel(this, QStringLiteral("lbTitle"), {120, 60, 5355, 435},
                         Qt::AlignHCenter | Qt::AlignVCenter);
    lbTitle->setFont(SizedFont(18, true));
    lbTitle->setWordWrap(true);
    lbText = PlaceLabel(this, QStringLiteral("lbText"), {120, 600, 5370, TextHeight},
                        Qt::AlignLeft | Qt::AlignTop);
    lbText->setFont(SizedFont(12, false));
    lbText->setWordWrap(true);
    lbSource = PlaceLabel(this, QStringLiteral("lbSource"), {120, 2520, 5355, 255},
                          Qt::AlignLeft | Qt::AlignVCenter);

    // Enter closes nothing; Esc does, as the dialog's reject.
    Command1 = PlaceButton(this, QStringLiteral("Command1"), {180, ButtonTop, 972, ButtonHeight});
    Command1->setText(QStringLiteral("&Close"));
    connect(Command1, &QPushButton::clicked, this, &fmQuote::reject);
}

// The text decides the height: the source line follows it at a fixed gap, and the button and
// the window's bottom edge move by the same distance.
void fmQuote::Form_Load(const Quote& quote) {
    lbSource->setText(QString::fromStdString(quote.Source));
    lbText->setText(QString::fromStdString(quote.Text));
    lbTitle->setText(QString::fromStdString(quote.Title));
    FitTitle();
    FitText();
    const QWidget* text = textBox_ ? textBox_ : lbText;
    const int newTop = text->y() + text->height() + Twips(SourceGap);
    const int delta = lbSource->y() - newTop;
    lbSource->move(lbSource->x(), newTop);
    Command1->move(Command1->x(), Command1->y() - delta);
    setFixedSize(width(), height() - delta);
}

// A heading too long for one line wraps; the text moves down rather than cover it.
void fmQuote::FitTitle() {
    const int growth = WrappedHeight(lbTitle) - lbTitle->height();
    if (growth > 0) {
        lbTitle->resize(lbTitle->width(), lbTitle->height() + growth);
        lbText->move(lbText->x(), lbText->y() + growth);
    }
}

// A text taller than the screen leaves can hold scrolls in a viewport of what fits, so the close
// button stays on the screen.
void fmQuote::FitText() {
    lbText->resize(lbText->width(), WrappedHeight(lbText));
    const int rest = height() - Twips(TextHeight) + FrameAllowance;
    const int fits = screen()->availableGeometry().height() - rest;
    if (lbText->height() <= fits) {
        return;
    }
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("textScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The viewport takes the text's place; the text gives up the scroll bar's width.
    scroller->setGeometry(lbText->x(), lbText->y(), lbText->width(), fits);
    const int scrollBar = scroller->verticalScrollBar()->sizeHint().width();
    lbText->resize(lbText->width() - scrollBar, 0);
    lbText->resize(lbText->width(), WrappedHeight(lbText));
    scroller->setWidget(lbText);
    scroller->show();
    textBox_ = scroller;
}

} // namespace lexel
