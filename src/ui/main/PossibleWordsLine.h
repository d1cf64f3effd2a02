#pragma once

// The line under the board that counts the words still possible, for players who want it.
// Shown, it makes the window a line taller; hidden, the window keeps its usual size.

#include <QObject>
#include <optional>

class QLabel;
class QWidget;

namespace lexel {

class PossibleWordsLine : public QObject {
    Q_OBJECT

public:
    PossibleWordsLine(QWidget* client, QObject* parent);
    void Translate();
    void Show(std::optional<int> count);
    void setVisible(bool visible);
    bool isVisible() const { return visible_; }
    // The main window's layout in twips, with the line or without it.
    int LayoutHeight() const;

private:
    QLabel* label_ = nullptr;
    std::optional<int> count_;
    bool visible_ = false;
};

} // namespace lexel
