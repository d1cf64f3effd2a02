#pragma once

#include "core/base/LineResult.h"

#include <string_view>

namespace lexel {

// Evaluates one guess line: a black dot per letter right in the right place of the line's
// window, a white dot per letter found elsewhere in the whole hidden word. Each hidden letter is
// matched at most once; blacks are settled first. `offset` is the line's WindowOffset.
// Characters that are not letters (an open field) never match: the hidden word holds letters
// only.
LineResult EvaluateGuess(std::string_view hidden, std::string_view guess, int offset);

} // namespace lexel
