#pragma once

#include "store/RandomSource.h"

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

} // namespace lexel::test
