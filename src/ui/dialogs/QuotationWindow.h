#pragma once

// The quotation window shown when the program ends outside a game: heading, text and source
// of one quotation, sized to the text, closed with its button or Esc.

#include "core/settings/Quotes.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace lexel {

class QuotationWindow : public QDialog {
    Q_OBJECT

public:
    explicit QuotationWindow(const Quote& quote, QWidget* parent = nullptr);

private:
    void CreateControls();
    void ShowQuote(const Quote& quote);
    void FitHeading();
    void FitText();

    QLabel* heading_ = nullptr;
    QLabel* text_ = nullptr;
    QLabel* source_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QWidget* textBox_ = nullptr; // the scrolling viewport of a text too tall for the screen
};

} // namespace lexel
