#pragma once

#include "core/ports/Help.h"

#include <QDialog>

namespace lexel {

// A modal window with a help topic of its own: F1 opens it, as does the window's Help button.
class HelpDialog : public QDialog {
    Q_OBJECT

public:
    HelpDialog(Help& help, HelpTopic topic, QWidget* parent);

    void ShowHelp() { help_.ShowTopic(topic_); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Help& help_;
    HelpTopic topic_;
};

} // namespace lexel
