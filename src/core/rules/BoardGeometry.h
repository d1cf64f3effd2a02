#pragma once

// The board: nine guess lines tiling the 36 letter fields, each compared with a fixed window
// of the six-letter hidden word.
namespace lexel {

inline constexpr int LineCount = 9;
inline constexpr int FieldCount = 36;
inline constexpr int HiddenWordLength = 6;

// First field of line 1..9; 0 for any other line.
int BL(int line);
// Last field of line 1..9; 0 for any other line.
int BH(int line);
// Offset of the hidden-word window that line 1..9 is compared with; 0 for any other line.
int OF(int line);

// Number of letters of line 1..9; 0 for any other line.
int LineLength(int line);
// The line that owns field 0..35; 0 for any other field.
int LineOfField(int field);

} // namespace lexel
