#include "simulation/SimulationMarks.h"

#include <algorithm>
#include <string>

#include "texts/DisplayColumns.h"
#include "sheet/Ladder.h"
#include "simulation/CellPower.h"

namespace lp {

std::vector<CellMark> cellMarks(const Ladder& ladder, const std::vector<uint8_t>& cells) {
    std::vector<CellMark> marks;
    const int lastRow = std::min<int>(ladder.state.CurRow, kLastRow);
    for (int row = kFirstRow; row <= lastRow; ++row) {
        bool any = false;
        for (int col = kFirstCol; col <= kLastCol && !any; ++col) any = cells[cellIndex(row, col)] != 0;
        if (!any) continue;
        int column = 0;
        for (int col = kFirstCol; col <= kLastCol; ++col) {
            const int width = displayColumns(ladder.sheet.cell(row, col));
            const uint8_t flags = cells[cellIndex(row, col)] & ~cellpower::InputContact;
            if (flags) {
                CellMark* last = marks.empty() ? nullptr : &marks.back();
                if (last && last->line == row - 1 && last->flags == flags && last->column + last->width == column)
                    last->width += width;
                else
                    marks.push_back({row - 1, column, width, flags});
            }
            column += width;
        }
    }
    return marks;
}

int cellAtDisplayColumn(const Ladder& ladder, int row, int column) {
    if (!Sheet::insideRows(row)) return -1;
    int at = 0;
    for (int col = kFirstCol; col <= kLastCol; ++col) {
        at += displayColumns(ladder.sheet.cell(row, col));
        if (column < at) return col;
    }
    return -1;
}

}  // namespace lp
