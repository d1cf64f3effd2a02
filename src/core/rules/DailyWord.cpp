#include "DailyWord.h"

#include <algorithm>
#include <vector>

namespace lexel {

std::uint64_t Fnv1a64(std::string_view text) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const unsigned char c : text) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string DailyWord(std::span<const std::string> levelWords, std::string_view date, Level level) {
    if (levelWords.empty()) {
        return {};
    }
    std::vector<std::string> sorted(levelWords.begin(), levelWords.end());
    std::sort(sorted.begin(), sorted.end());
    const std::string key = std::string(date) + "/" + std::to_string(LevelNumber(level));
    return sorted[Fnv1a64(key) % sorted.size()];
}

} // namespace lexel
