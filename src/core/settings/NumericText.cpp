#include "NumericText.h"

#include <cmath>
#include <limits>

namespace lexel {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double NumericValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    double sign = 1.0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        sign = text[i] == '-' ? -1.0 : 1.0;
        ++i;
    }
    double value = 0.0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10.0 + (text[i] - '0');
    }
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && IsDigit(text[i]); ++i, scale /= 10.0) {
            value += (text[i] - '0') * scale;
        }
    }
    return sign * value;
}

std::int64_t WholeValue(std::string_view text) {
    constexpr double Limit = 9.0e18; // inside the 64-bit range with room to spare
    const double rounded = std::nearbyint(NumericValue(text));
    if (std::isnan(rounded)) {
        return 0;
    }
    if (rounded > Limit || rounded < -Limit) { // infinity too: a very long row of digits
        return rounded > 0 ? std::numeric_limits<std::int64_t>::max()
                           : std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(rounded);
}

} // namespace lexel
