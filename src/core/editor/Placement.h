#pragma once
// Steps that the placement commands share.
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace lp {

class Ladder;

// Writes the texts into consecutive cells of a row, from column col on, in
// column order.
void writeCells(Ladder& ladder, int row, int col, std::initializer_list<std::string_view> texts);

// The contact's name: Cell(row − 1, col + 1) = DeviceName,
// Cell(row − 1, col + 2) = " ".
void writeContactName(Ladder& ladder, int row, int col);

// RowEnd(row) += amount (16-bit, as stored).
void addRowEnd(Ladder& ladder, int row, int amount);

// The width and kind of the placement become the last ones; the old last
// ones become the previous ones.
void recordPlacement(Ladder& ladder, int16_t width, int kind);

// Every placement offers step back; the placements that set the rest of
// the palette after drawing enable it first.
void enableStepBack(Ladder& ladder);

}  // namespace lp
