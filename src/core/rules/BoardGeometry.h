#pragma once

// The board: nine guess lines tiling the 36 letter fields, each compared with a fixed window
// of the six-letter hidden word. Lines and fields count from 0; the player sees lines 1 to 9.

namespace lexel {

inline constexpr int LineCount = 9;
inline constexpr int LastLine = LineCount - 1; // the six-letter line, evaluated as a solution
inline constexpr int FieldCount = 36;
inline constexpr int HiddenWordLength = 6;

// First field of line 0..8; 0 for any other line.
int FirstField(int line);
// Last field of line 0..8; 0 for any other line.
int LastField(int line);
// Offset of the hidden-word window that line 0..8 is compared with; 0 for any other line.
int WindowOffset(int line);
// Number of letters of line 0..8; 0 for any other line.
int LineLength(int line);

} // namespace lexel
