#pragma once

// The help: one compiled page file per language beside the program, shown in a small modal
// window at a topic, with links between the topics.

#include "core/ports/Help.h"

#include <QDialog>
#include <filesystem>

class QTextBrowser;
class QPushButton;

namespace lexel {

class LanguageSwitch;
class MessageBoxes;

class HelpViewer : public QDialog {
    Q_OBJECT

public:
    HelpViewer(const QString& language, HelpTopic topic, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

// Help in the interface's current language, read from Lexel_E.rcc or Lexel_D.rcc in
// `directory`. A missing file is said in a message box instead of an empty window.
class HelpFiles final : public Help {
public:
    HelpFiles(std::filesystem::path directory, const LanguageSwitch& language, MessageBoxes& boxes)
        : directory_(std::move(directory)), language_(language), boxes_(boxes) {}
    ~HelpFiles() override;

    void ShowTopic(HelpTopic topic) override;

private:
    bool Register(const QString& language);

    std::filesystem::path directory_;
    const LanguageSwitch& language_;
    MessageBoxes& boxes_;
    QString registered_;     // the language whose file is registered, if any
    QString registeredPath_; // and that file
};

} // namespace lexel
