#pragma once

#include "core/ports/MessageBoxes.h"

#include <deque>
#include <ostream>
#include <vector>

// Lets test failures print the texts they compare.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace lexel::test {

// Records every message shown and answers questions from a script (default: the preselected
// button).
class FakeMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer Show(const Message& message) override {
        shown.push_back(message);
        if (message.buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        if (answers.empty()) {
            return message.defaultAnswer;
        }
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Message> shown;
    std::deque<MessageAnswer> answers;
};

} // namespace lexel::test
