#pragma once

#include "core/base/RandomSource.h"

#include <deque>

namespace lexel::test {

// Hands out the given numbers in turn, then the last one for ever.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<float> values) : values_(std::move(values)) {}
    float Next() override {
        ++draws;
        const float value = values_.front();
        if (values_.size() > 1) {
            values_.pop_front();
        }
        return value;
    }
    int draws = 0;

private:
    std::deque<float> values_;
};

// The number that makes a draw of 1 + floor(count * r) pick `record`.
inline float DrawOf(int record, int count) {
    return (static_cast<float>(record) - 0.5f) / static_cast<float>(count);
}

} // namespace lexel::test
