#include "core/rules/BoardGeometry.h"

#include <gtest/gtest.h>
#include <string>

namespace lexel {
namespace {

// Each line as its first and last field, its length and the offset of its window in the hidden
// word: the lines tile the 36 fields, every window lies inside the word, and the lines just
// outside the board give nothing.
TEST(BoardGeometry, LinesTileTheFieldsAndFitTheirWindows) {
    std::string layout;
    for (int line = -1; line <= LineCount; ++line) {
        layout += std::to_string(FirstField(line)) + "-" + std::to_string(LastField(line)) + ":" +
                  std::to_string(LineLength(line)) + "@" + std::to_string(WindowOffset(line)) + " ";
    }
    EXPECT_EQ(layout, "0-0:0@0 0-2:3@0 3-5:3@1 6-8:3@2 9-11:3@3 12-15:4@2 16-19:4@1 20-24:5@1 "
                      "25-29:5@0 30-35:6@0 0-0:0@0 ");
}

} // namespace
} // namespace lexel
