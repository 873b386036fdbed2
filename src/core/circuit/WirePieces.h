#pragma once
// What each cell of the sheet is as a piece of the circuit: the arms of a
// line glyph, the plates and the switch of a contact, the coil.
#include <cstdint>
#include <string_view>

namespace lp {

class Sheet;

namespace arm {
inline constexpr uint8_t N = 1;
inline constexpr uint8_t S = 2;
inline constexpr uint8_t W = 4;
inline constexpr uint8_t E = 8;
}  // namespace arm

// Columns of the coil: the lead-in, the brackets and the name above the body.
inline constexpr int kLeadInCol = 51;
inline constexpr int kCoilNameCol = 53;
inline constexpr int kLeftRailCol = 1;

// The arms of a line glyph in a graphics row ("━" W E, "┃" N S, "┣" N S E,
// "┫" N S W, "┛" N W, "┗" N E, "┻" N W E, "┳" S W E, "╋" N S W E); 0 for any
// other text. In a name row only "┃" is wire.
uint8_t glyphArms(std::string_view text, bool graphicsRow);

// Graphics rows are the even rows.
inline bool isGraphicsRow(int row) { return row % 2 == 0; }

// A contact whose slot starts at column `slot` of graphics row `row`: its
// left plate ("┥", or "┫" at the rail) at slot + 1, its type cell ("  "
// normally open, "╱" normally closed) at slot + 2, its right plate ("┝", or
// "┣") at slot + 3. Slots start at columns 1, 6, 11, ...
bool isContactAt(const Sheet& sheet, int row, int slot);

// A coil on graphics row `row`: "（" in column 52 and "）" in column 54.
bool isCoilAt(const Sheet& sheet, int row);

// The END element at (row, col): "┣", "━", "━", "━", "（", "E", "N", "D",
// "）", "     ".
bool isEndAt(const Sheet& sheet, int row, int col);

}  // namespace lp
