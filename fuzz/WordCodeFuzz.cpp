// Word codes: every text of letters a-z survives the round trip, everything else codes to 0,
// and the sorted letters are a sorted selection of the text.

#include "core/store/WordCode.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto head = text.substr(0, 6);
    const bool isWord = text.size() >= 3 && std::all_of(head.begin(), head.end(), [](char c) {
                            return c >= 'a' && c <= 'z';
                        });
    const auto code = lexel::WordCode(text);
    if (!isWord && code != 0) {
        std::abort();
    }
    if (isWord && lexel::CodeToWord(code, static_cast<int>(head.size())) != head) {
        std::abort();
    }
    const auto sorted = lexel::SortedLetters(text);
    if (sorted.size() > 6 || !std::is_sorted(sorted.begin(), sorted.end())) {
        std::abort();
    }
    return 0;
}
