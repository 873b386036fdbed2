#pragma once
// The cells of a running simulation as marks on the printed lines of the
// sheet (display columns of UTF-8 lines, whatever toolkit paints them), and
// back from a display column to a cell.
#include <cstdint>
#include <vector>

namespace lp {

class Ladder;

// A mark on a run of display columns of one printed line: how a running
// simulation colours the cells (the flags of cellpower::).
struct CellMark {
    int line = 0;    // 0-based printed line
    int column = 0;  // first display column
    int width = 2;   // display columns
    uint8_t flags = 0;
    bool operator==(const CellMark&) const = default;
};

// Rows 1..CurRow as Fresh prints them; neighbouring cells with the same
// flags make one mark.
std::vector<CellMark> cellMarks(const Ladder& ladder, const std::vector<uint8_t>& cells);

// The column of the cell that covers display column `column` of `row`, -1
// past the last cell.
int cellAtDisplayColumn(const Ladder& ladder, int row, int column);

}  // namespace lp
