#pragma once

#include <string>
#include <string_view>

namespace lexel {

// Result code of one guess line: 1000 per black dot (right letter in the right place of the
// line's window) plus 100 per white dot (letter found elsewhere in the whole hidden word), as
// decimal text. Each hidden letter is matched at most once; blacks are settled first.
// `offset` is OF of the line. Characters that are not letters (the "." of an open field) never
// match because the hidden word holds letters only.
std::string EvaluateGuess(std::string_view hidden, std::string_view guess, int offset);

// Black plus white dots of a result code text ("2100" gives 3); 0 for empty or non-numeric text.
int CountGoodLetters(std::string_view resultCode);

} // namespace lexel
