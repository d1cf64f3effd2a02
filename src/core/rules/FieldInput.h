#pragma once

// What the one-letter fields of the board accept, and the searches for the next free field.

#include <QChar>
#include <QString>
#include <functional>
#include <optional>

namespace lexel {

// The field content for a typed character: capital A-Z as itself, "_", a space and Backspace
// as "_" (an open place); anything else is discarded.
std::optional<QChar> GuessFieldCharacter(QChar typed);
// As above, but "?" is kept and "_", a space and Backspace become "?" (an unknown place).
std::optional<QChar> SolutionFieldCharacter(QChar typed);

// Exactly one capital A-Z.
bool IsFieldLetter(const QString& content);
// Content that a field may keep when it arrives other than by typing (pasted or set).
bool IsValidGuessContent(const QString& content);
bool IsValidSolutionContent(const QString& content);

enum class Direction { Left, Right };

// The first free position after `start` in `direction` among first..last, wrapping round;
// `start` itself is never returned; -1 when none is free.
int FindNextFree(int first, int last, int start, Direction direction,
                 const std::function<bool(int)>& isFree);

} // namespace lexel
