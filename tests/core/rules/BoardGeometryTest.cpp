#include "core/rules/BoardGeometry.h"

#include <array>
#include <gtest/gtest.h>

namespace lexel {
namespace {

TEST(BoardGeometry, LinesTileTheFieldsAndFitTheirWindows) {
    const int lengths[] = {3, 3, 3, 3, 4, 4, 5, 5, 6};
    const int offsets[] = {0, 1, 2, 3, 2, 1, 1, 0, 0};
    int expectedFirst = 0;
    for (int line = 0; line < LineCount; ++line) {
        EXPECT_EQ(FirstField(line), expectedFirst) << "line " << line;
        EXPECT_EQ(LineLength(line), lengths[line]) << "line " << line;
        EXPECT_EQ(WindowOffset(line), offsets[line]) << "line " << line;
        EXPECT_LE(WindowOffset(line) + LineLength(line), HiddenWordLength) << "line " << line;
        expectedFirst = LastField(line) + 1;
    }
    EXPECT_EQ(expectedFirst, FieldCount);
}

TEST(BoardGeometry, OutsideLinesGiveNothing) {
    for (const int line : {-1, 9, 32767}) {
        EXPECT_EQ(
            (std::array{FirstField(line), LastField(line), WindowOffset(line), LineLength(line)}),
            (std::array{0, 0, 0, 0}))
            << "line " << line;
    }
}

} // namespace
} // namespace lexel
