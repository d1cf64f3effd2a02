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
    return line >= 0 && line < LineCount;
}

} // namespace

int FirstField(int line) {
    return ValidLine(line) ? Lines[line].first : 0;
}

int LastField(int line) {
    return ValidLine(line) ? Lines[line].last : 0;
}

int WindowOffset(int line) {
    return ValidLine(line) ? Lines[line].offset : 0;
}

int LineLength(int line) {
    return ValidLine(line) ? LastField(line) - FirstField(line) + 1 : 0;
}

} // namespace lexel
