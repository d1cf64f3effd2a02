#pragma once

#include "core/ports/MessageBoxes.h"

class QWidget;

namespace lexel {

// Message boxes as QMessageBox dialogs over `parent`.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    MessageAnswer Show(const Message& message) override;
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_;
};

} // namespace lexel
