#pragma once

// The "Used Letters" and "Unused Letters" panels: a button for every letter in each, exactly one
// of the two shown, in the letter's marking colour. A left click types the letter, a right
// click opens the letter's colour menu.

#include "core/rules/LetterMarking.h"

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <array>

class QGroupBox;
class QWidget;

namespace lexel {

class LetterButtonView;

class LetterPanels : public QObject {
    Q_OBJECT

public:
    LetterPanels(QWidget* client, QObject* parent);

    LetterButtonView* Button(Panel panel, int index) const;
    void Draw(const LetterMarking& marking);
    void SetSymbols(bool on);
    void Translate();
    // Tells a screen reader each button's colour, by the names in `colorNames`.
    void Describe(const LetterMarking& marking, const QStringList& colorNames);

signals:
    void pressed(Panel panel, int index, Qt::MouseButton mouse, QPoint globalPosition);
    void released(Panel panel, int index, Qt::MouseButton mouse);

private:
    QGroupBox* used_ = nullptr;
    QGroupBox* unused_ = nullptr;
    std::array<LetterButtonView*, AlphabetSize> usedButtons_{};
    std::array<LetterButtonView*, AlphabetSize> unusedButtons_{};
};

} // namespace lexel
