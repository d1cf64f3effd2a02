#include "BoardGeometry.h"

#include <array>

namespace lexel {
namespace {

struct LineGeometry {
    int first;
    int last;
    int offset;
};

constexpr std::array<LineGeometry, LineCount> Lines{{
    {0, 2, 0},
    {3, 5, 1},
    {6, 8, 2},
    {9, 11, 3},
    {12, 15, 2},
    {16, 19, 1},
    {20, 24, 1},
    {25, 29, 0},
    {30, 35, 0},
}};

constexpr bool ValidLine(int line) {
    return line >= 1 && line <= LineCount;
}

} // namespace

int BL(int line) {
    return ValidLine(line) ? Lines[line - 1].first : 0;
}

int BH(int line) {
    return ValidLine(line) ? Lines[line - 1].last : 0;
}

int OF(int line) {
    return ValidLine(line) ? Lines[line - 1].offset : 0;
}

int LineLength(int line) {
    return ValidLine(line) ? BH(line) - BL(line) + 1 : 0;
}

int LineOfField(int field) {
    for (int line = 1; line <= LineCount; ++line) {
        if (field >= BL(line) && field <= BH(line)) {
            return line;
        }
    }
    return 0;
}

} // namespace lexel
