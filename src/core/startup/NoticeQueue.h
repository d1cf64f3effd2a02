#pragma once

// Messages noted before any window can be shown, and shown later in the order they came.
// Only notices: a question cannot wait for its answer.

#include "core/ports/MessageBoxes.h"

#include <cassert>
#include <vector>

namespace lexel {

class NoticeQueue final : public MessageBoxes {
public:
    MessageAnswer Show(const Message& message) override {
        assert(message.buttons == MessageButtons::Ok);
        notices_.push_back(message);
        return MessageAnswer::Ok;
    }

    void ShowAll(MessageBoxes& boxes) const {
        for (const auto& notice : notices_) {
            boxes.Show(notice);
        }
    }

    const std::vector<Message>& Notices() const { return notices_; }

private:
    std::vector<Message> notices_;
};

} // namespace lexel
