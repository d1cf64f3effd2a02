#pragma once

// A write or read that the game's file refused. The store throws it; the rooms above it meet
// every refusal the same way without knowing the database behind it.

#include <stdexcept>
#include <string>

namespace lexel {

class StorageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // The file itself is damaged or no database: no later try can succeed.
    virtual bool FileDamaged() const = 0;
};

} // namespace lexel
