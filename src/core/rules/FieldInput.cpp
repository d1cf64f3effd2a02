#include "FieldInput.h"

namespace lexel {
namespace {

constexpr QChar Backspace(0x08);

bool IsCapital(QChar c) {
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

} // namespace

std::optional<QChar> GuessFieldCharacter(QChar typed) {
    const QChar c = typed.toUpper();
    if (IsCapital(c)) {
        return c;
    }
    if (c == QLatin1Char('_') || c == QLatin1Char(' ') || c == Backspace) {
        return QLatin1Char('_');
    }
    return std::nullopt;
}

std::optional<QChar> SolutionFieldCharacter(QChar typed) {
    if (typed == QLatin1Char('?')) {
        return typed;
    }
    const auto c = GuessFieldCharacter(typed);
    if (c == QLatin1Char('_')) {
        return QLatin1Char('?');
    }
    return c;
}

bool IsFieldLetter(const QString& content) {
    return content.size() == 1 && IsCapital(content[0]);
}

bool IsValidGuessContent(const QString& content) {
    return IsFieldLetter(content) || content == QLatin1String(" ") || content == QLatin1String("_");
}

bool IsValidSolutionContent(const QString& content) {
    return IsFieldLetter(content) || content == QLatin1String(" ") || content == QLatin1String("?");
}

int FindNextFree(int first, int last, int start, Direction direction,
                 const std::function<bool(int)>& isFree) {
    const int count = last - first + 1;
    const int step = direction == Direction::Right ? 1 : -1;
    for (int i = 1; i < count; ++i) {
        const int position = first + ((start - first + step * i) % count + count) % count;
        if (isFree(position)) {
            return position;
        }
    }
    return -1;
}

} // namespace lexel
