#include "HelpDialog.h"

#include <QKeyEvent>

namespace lexel {

HelpDialog::HelpDialog(Help& help, HelpTopic topic, QWidget* parent)
    : QDialog(parent), help_(help), topic_(topic) {
    setModal(true);
}

void HelpDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lexel
