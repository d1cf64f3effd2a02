#pragma once

namespace lexel {

// How a game stands or ended.
enum class Outcome {
    Playing,
    Won,     // on line 9 or ahead of time
    Lost,    // line 9 was not the hidden word
    GivenUp, // abandoned through New Game or leaving
};

} // namespace lexel
