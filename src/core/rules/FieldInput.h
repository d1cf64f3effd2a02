#pragma once

// What the one-letter fields of the board accept, and the searches for the next free field.

#include "core/base/FieldContent.h"

#include <QChar>
#include <QString>
#include <functional>
#include <optional>

namespace lexel {

// The field content for a typed character: a letter A-Z in either case, an open place for "_",
// a space and Backspace; anything else is discarded.
std::optional<FieldContent> TypedGuessContent(QChar typed);
// As above, but "?", "_", a space and Backspace make an unknown place.
std::optional<FieldContent> TypedSolutionContent(QChar typed);

// What a field keeps of a text that arrives other than by typing (pasted or dropped): one
// capital A-Z, a blank, or the field's own mark for a free place ("_" or "?"); none otherwise.
std::optional<FieldContent> ArrivedGuessContent(const QString& content);
std::optional<FieldContent> ArrivedSolutionContent(const QString& content);

enum class Direction { Left, Right };

// The first free position after `start` in `direction` among first..last, wrapping round;
// `start` itself is never returned; -1 when none is free.
int FindNextFree(int first, int last, int start, Direction direction,
                 const std::function<bool(int)>& isFree);

} // namespace lexel
