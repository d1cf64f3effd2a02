#pragma once

#include <string>
#include <string_view>

namespace lexel {

// `text` without the blanks before and after it: how stored values are read.
inline std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

} // namespace lexel
