#pragma once

// Every message box of the game goes through this interface, so tests can answer questions
// and read the exact text shown.

#include <QString>

namespace lexel {

inline const QString MessageTitle = QStringLiteral("Morvane Lexel");

enum class MessageIcon { Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    MessageIcon icon = MessageIcon::Information;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows `message` modally with the title "Morvane Lexel" and returns the button pressed.
    virtual MessageAnswer Show(const Message& message) = 0;
};

} // namespace lexel
