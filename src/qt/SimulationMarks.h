#pragma once
// The cells of a running simulation as marks on the printed lines of the
// sheet view, and back from a display column to a cell.
#include <cstdint>
#include <vector>

#include "SheetView.h"

namespace lp {

class Ladder;

// Rows 1..CurRow as Fresh prints them; neighbouring cells with the same
// flags make one mark.
std::vector<CellMark> cellMarks(const Ladder& ladder, const std::vector<uint8_t>& cells);

// The column of the cell that covers display column `column` of `row`, -1
// past the last cell.
int cellAtDisplayColumn(const Ladder& ladder, int row, int column);

}  // namespace lp
