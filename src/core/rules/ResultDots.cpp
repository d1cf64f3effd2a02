#include "ResultDots.h"

#include <algorithm>

namespace lexel {
namespace {

// A digit as a picture index; anything else shows no dots rather than a picture out of range.
int Digit(char c) {
    return (c >= '0' && c <= '9') ? std::min(c - '0', MaxDots) : 0;
}

} // namespace

ResultDots DotsForResult(std::string_view resultCode) {
    switch (resultCode.size()) {
    case 4:
        return {Digit(resultCode[0]), Digit(resultCode[1])};
    case 3:
        return {0, Digit(resultCode[0])};
    default:
        return {};
    }
}

} // namespace lexel
