#include "core/rules/BoardGeometry.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

TEST(BoardGeometry, LinesTileTheFieldsAndFitTheirWindows) {
    int expectedFirst = 0;
    for (int line = 1; line <= LineCount; ++line) {
        EXPECT_EQ(BL(line), expectedFirst) << "line " << line;
        EXPECT_LE(OF(line) + LineLength(line), HiddenWordLength) << "line " << line;
        for (int field = BL(line); field <= BH(line); ++field) {
            EXPECT_EQ(LineOfField(field), line) << "field " << field;
        }
        expectedFirst = BH(line) + 1;
    }
    EXPECT_EQ(expectedFirst, FieldCount);
}

TEST(BoardGeometry, MatchesTheBoardTable) {
    const int lengths[] = {3, 3, 3, 3, 4, 4, 5, 5, 6};
    const int offsets[] = {0, 1, 2, 3, 2, 1, 1, 0, 0};
    for (int line = 1; line <= LineCount; ++line) {
        EXPECT_EQ(LineLength(line), lengths[line - 1]) << "line " << line;
        EXPECT_EQ(OF(line), offsets[line - 1]) << "line " << line;
    }
    EXPECT_EQ(BH(9), 35);
    EXPECT_EQ(BL(5), 12);
}

TEST(BoardGeometry, OutsideLinesAndFieldsGiveZero) {
    for (const int line : {-1, 0, 10, 32767}) {
        EXPECT_EQ(BL(line), 0);
        EXPECT_EQ(BH(line), 0);
        EXPECT_EQ(OF(line), 0);
        EXPECT_EQ(LineLength(line), 0);
    }
    EXPECT_EQ(LineOfField(-1), 0);
    EXPECT_EQ(LineOfField(36), 0);
}

} // namespace
} // namespace lexel
