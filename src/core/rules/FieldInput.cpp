#include "FieldInput.h"

namespace lexel {
namespace {

constexpr QChar Backspace(0x08);

// Letters outside A-Z (an umlaut, a Greek letter) are no letters of the game.
std::optional<Letter> AsciiLetter(QChar c) {
    return c.unicode() < 0x80 ? Letter::From(c.toLatin1()) : std::nullopt;
}

// One capital A-Z or one of the characters in `marks`.
std::optional<FieldContent> Arrived(const QString& content, std::initializer_list<Mark> marks) {
    if (content.size() != 1) {
        return std::nullopt;
    }
    const QChar c = content[0];
    if (c.isUpper()) {
        if (const auto letter = AsciiLetter(c)) {
            return *letter;
        }
    }
    for (const Mark mark : marks) {
        if (c == QLatin1Char(static_cast<char>(mark))) {
            return mark;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<FieldContent> TypedGuessContent(QChar typed) {
    if (const auto letter = AsciiLetter(typed)) {
        return *letter;
    }
    if (typed == QLatin1Char('_') || typed == QLatin1Char(' ') || typed == Backspace) {
        return Mark::Open;
    }
    return std::nullopt;
}

std::optional<FieldContent> TypedSolutionContent(QChar typed) {
    if (typed == QLatin1Char('?')) {
        return Mark::Unknown;
    }
    const auto content = TypedGuessContent(typed);
    return content == FieldContent(Mark::Open) ? Mark::Unknown : content;
}

std::optional<FieldContent> ArrivedGuessContent(const QString& content) {
    return Arrived(content, {Mark::Blank, Mark::Open});
}

std::optional<FieldContent> ArrivedSolutionContent(const QString& content) {
    return Arrived(content, {Mark::Blank, Mark::Unknown});
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
