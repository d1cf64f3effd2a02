#pragma once

#include "WordCode.h"

#include <cstddef>
#include <string>
#include <vector>

namespace lexel {

// The anagrams of a won word, read from the first record on by the anagram window.
class AnagramSet {
public:
    explicit AnagramSet(std::vector<WordCodeValue> codes) : codes_(std::move(codes)) {}

    int RecordCount() const { return static_cast<int>(codes_.size()); }
    bool AtEnd() const { return current_ >= codes_.size(); }
    // The current record's word, lower case; "" past the end.
    std::string Word() const;
    void MoveFirst() { current_ = 0; }
    void MoveNext();

private:
    std::vector<WordCodeValue> codes_;
    std::size_t current_ = 0;
};

} // namespace lexel
