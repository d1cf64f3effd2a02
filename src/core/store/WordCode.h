#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lexel {

// Words of 3 to 6 letters are stored as base-26 numbers, first letter least significant:
// "abc" is 0 + 26*1 + 676*2 = 1378. "zzzzzz" (308915775) is the largest code.
using WordCodeValue = std::int32_t;

// The code of `word`; 0 when it is shorter than 3 characters or its first min(length, 6)
// characters include anything but a-z. Characters after the sixth are ignored.
WordCodeValue WordCode(std::string_view word);

// The lower-case word of `length` letters (3..6; shorter lengths give 3, longer give 6) whose
// code is `code`; the inverse of WordCode for 0 <= code < 26^length. A negative code gives "".
std::string CodeToWord(WordCodeValue code, int length);

// The a-z letters among the first six characters of `word`, in alphabetical order, repeated
// letters repeated: "planet" gives "aelnpt".
std::string SortedLetters(std::string_view word);

} // namespace lexel
