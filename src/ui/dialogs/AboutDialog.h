#pragma once

// The about box: the version line, the maker's address and an emblem, then the version, the
// licence and the credits, and Qt's own about box. It also holds a way for the makers to check
// a game: typing the access code on the close button shows the hidden word.

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace lexel {

class MessageBoxes;

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    // `hiddenWord` gives the current game's word (lower case, "" when there is none), asked
    // for when the access code has been typed.
    AboutDialog(std::function<std::string()> hiddenWord, MessageBoxes& boxes,
                QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateLines();
    void Translate();
    void TakeCodeKey(int key, const QString& text);
    void RevealHiddenWord();

    std::function<std::string()> hiddenWord_;
    MessageBoxes& boxes_;
    QString keyBuffer_;

    QWidget* emblem_ = nullptr;
    QLabel* versionLine_ = nullptr;
    std::array<QLabel*, 8> makerLines_{};
    QLabel* credits_ = nullptr;
    QPushButton* aboutQtButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace lexel
