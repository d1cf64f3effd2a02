#pragma once

// The quotation window shown when the program ends outside a game: heading, text and source
// of one quotation, sized to the text, closed with its button or Esc.

#include "core/settings/Quotes.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace lexel {

class fmQuote : public QDialog {
    Q_OBJECT

public:
    explicit fmQuote(const Quote& quote, QWidget* parent = nullptr);

private:
    void CreateControls();
    void Form_Load(const Quote& quote);
    void FitTitle();
    void FitText();

    QLabel* lbTitle = nullptr;
    QLabel* lbText = nullptr;
    QLabel* lbSource = nullptr;
    QPushButton* Command1 = nullptr;
    QWidget* textBox_ = nullptr; // the scrolling viewport of a text too tall for the screen
};

} // namespace lexel
