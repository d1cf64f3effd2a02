#pragma once

#include "core/ports/Help.h"

#include <vector>

namespace lexel::test {

class FakeHelp final : public Help {
public:
    void ShowTopic(HelpTopic topic) override { topics.push_back(topic); }
    std::vector<HelpTopic> topics;
};

} // namespace lexel::test
