#include "QuotationWindow.h"

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
    QFont font = LayoutFont(points);
    font.setBold(bold);
    return font;
}

// The height `label` needs for its text at its present width; an empty label needs none.
int WrappedHeight(const QLabel* label) {
    return std::max(label->heightForWidth(label->width()), 0);
}

} // namespace

QuotationWindow::QuotationWindow(const Quote& quote, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("QuotationWindow"));
    setModal(true);
    setFont(LayoutFont());
    // The same caption in both languages, so it bypasses the translation.
    setWindowTitle(QStringLiteral("Morvane Lexel"));
    setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    CreateControls();
    ShowQuote(quote);
}

void QuotationWindow::CreateControls() {
    heading_ = PlaceLabel(this, QStringLiteral("heading"), {120, 60, 5355, 435},
                          Qt::AlignHCenter | Qt::AlignVCenter);
    heading_->setFont(SizedFont(18, true));
    heading_->setWordWrap(true);
    text_ = PlaceLabel(this, QStringLiteral("text"), {120, 600, 5370, TextHeight},
                       Qt::AlignLeft | Qt::AlignTop);
    text_->setFont(SizedFont(12, false));
    text_->setWordWrap(true);
    source_ = PlaceLabel(this, QStringLiteral("source"), {120, 2520, 5355, 255},
                         Qt::AlignLeft | Qt::AlignVCenter);

    // Enter closes nothing; Esc does, as the dialog's reject.
    closeButton_ =
        PlaceButton(this, QStringLiteral("closeButton"), {180, ButtonTop, 972, ButtonHeight});
    closeButton_->setText(QStringLiteral("&Close"));
    connect(closeButton_, &QPushButton::clicked, this, &QuotationWindow::reject);
}

// The text decides the height: the source line follows it at a fixed gap, and the button and
// the window's bottom edge move by the same distance.
void QuotationWindow::ShowQuote(const Quote& quote) {
    source_->setText(QString::fromStdString(quote.Source));
    text_->setText(QString::fromStdString(quote.Text));
    heading_->setText(QString::fromStdString(quote.Title));
    FitHeading();
    FitText();
    const QWidget* text = textBox_ ? textBox_ : text_;
    const int newTop = text->y() + text->height() + Twips(SourceGap);
    const int delta = source_->y() - newTop;
    source_->move(source_->x(), newTop);
    closeButton_->move(closeButton_->x(), closeButton_->y() - delta);
    setFixedSize(width(), height() - delta);
}

// A heading too long for one line wraps; the text moves down rather than cover it.
void QuotationWindow::FitHeading() {
    const int growth = WrappedHeight(heading_) - heading_->height();
    if (growth > 0) {
        heading_->resize(heading_->width(), heading_->height() + growth);
        text_->move(text_->x(), text_->y() + growth);
    }
}

// A text taller than the screen leaves can hold scrolls in a viewport of what fits, so the close
// button stays on the screen.
void QuotationWindow::FitText() {
    text_->resize(text_->width(), WrappedHeight(text_));
    const int rest = height() - Twips(TextHeight) + FrameAllowance;
    const int fits = screen()->availableGeometry().height() - rest;
    if (text_->height() <= fits) {
        return;
    }
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("textScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The viewport takes the text's place; the text gives up the scroll bar's width.
    scroller->setGeometry(text_->x(), text_->y(), text_->width(), fits);
    const int scrollBar = scroller->verticalScrollBar()->sizeHint().width();
    text_->resize(text_->width() - scrollBar, 0);
    text_->resize(text_->width(), WrappedHeight(text_));
    scroller->setWidget(text_);
    scroller->show();
    textBox_ = scroller;
}

} // namespace lexel
