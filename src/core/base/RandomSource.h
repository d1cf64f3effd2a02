#pragma once

#include <cstdint>
#include <random>

namespace lexel {

// The game's source of chance: uniform numbers in [0, 1). Tests inject fixed sequences.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float Next() = 0;
};

// Draws 1 + floor(count * r), so 1 <= k <= count for count >= 1.
int DrawIndex(RandomSource& random, int count);

// A Mersenne Twister seeded once per run.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    static SeededRandom FromClock();

    float Next() override;

private:
    std::mt19937 engine_;
};

} // namespace lexel
