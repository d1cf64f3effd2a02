#pragma once

#include <cstdint>
#include <string_view>

namespace lexel {

// The numeric value of stored text, read the forgiving way the Options rows need: leading
// blanks, an optional sign and the digits that follow, with an optional fraction; whatever
// comes after is ignored, and text without a number is 0. "12" is 12, " 7x" is 7, "junk" is 0.
double NumericValue(std::string_view text);

// The numeric value rounded to a whole number (halves to even) and kept within 64 bits.
std::int64_t WholeValue(std::string_view text);

} // namespace lexel
