#include "AnagramSet.h"

namespace lexel {

std::string AnagramSet::Word() const {
    return AtEnd() ? std::string() : CodeToWord(codes_[current_], 6);
}

void AnagramSet::MoveNext() {
    if (!AtEnd()) {
        ++current_;
    }
}

} // namespace lexel
