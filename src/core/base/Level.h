#pragma once

// How hard the hidden word is: the level chosen in the options, drawn from and scored by.

namespace lexel {

enum class Level { Beginner = 1, Advanced = 2, Expert = 3, Guru = 4 };

// What a stored level that is none of the four reads as, and what a new player starts with.
inline constexpr Level DefaultLevel = Level::Advanced;

constexpr int LevelNumber(Level level) {
    return static_cast<int>(level);
}

} // namespace lexel
