#include "Zoom.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace lexel {
namespace {

constexpr std::array<int, 13> Levels{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

// The largest percent at which `length` pixels at 100 % take no more than `room`.
int PercentWithin(int length, int room) {
    return length > 0 ? static_cast<int>(static_cast<long long>(room) * 100 / length) : MaxZoom;
}

} // namespace

int ZoomIn(int percent) {
    const auto next = std::upper_bound(Levels.begin(), Levels.end(), percent);
    return next == Levels.end() ? std::clamp(percent, MinZoom, MaxZoom) : *next;
}

int ZoomOut(int percent) {
    const auto next = std::lower_bound(Levels.begin(), Levels.end(), percent);
    return next == Levels.begin() ? std::clamp(percent, MinZoom, MaxZoom) : *(next - 1);
}

int FittingZoom(QSize layout, QSize available, int chosen) {
    const int fits = std::min(PercentWithin(layout.width(), available.width()),
                              PercentWithin(layout.height(), available.height()));
    return std::max(MinZoom, std::min(chosen, fits));
}

int ZoomOf(const std::string& stored) {
    int percent = 0;
    const auto* end = stored.data() + stored.size();
    const auto [at, error] = std::from_chars(stored.data(), end, percent);
    if (stored.empty() || at != end) {
        return DefaultZoom;
    }
    if (error == std::errc::result_out_of_range) {
        return stored.front() == '-' ? MinZoom : MaxZoom;
    }
    return std::clamp(percent, MinZoom, MaxZoom);
}

} // namespace lexel
