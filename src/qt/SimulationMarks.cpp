#include "SimulationMarks.h"

#include "DisplayColumns.h"
#include "sheet/Ladder.h"
#include "simulation/CellPower.h"

namespace lp {

namespace {

// Display columns of a cell's UTF-8 text, by the sheet's display rule.
int cellColumns(const std::string& text) {
    int columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        char32_t cp = c;
        std::size_t n = 1;
        if (c >= 0xF0) {
            n = 4;
            cp = c & 0x07;
        } else if (c >= 0xE0) {
            n = 3;
            cp = c & 0x0F;
        } else if (c >= 0xC0) {
            n = 2;
            cp = c & 0x1F;
        }
        for (std::size_t k = 1; k < n && i + k < text.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        columns += displayWidth(cp);
        i += n;
    }
    return columns;
}

}  // namespace

std::vector<CellMark> cellMarks(const Ladder& ladder, const std::vector<uint8_t>& cells) {
    std::vector<CellMark> marks;
    const int lastRow = std::min<int>(ladder.state.CurRow, kLastRow);
    for (int row = kFirstRow; row <= lastRow; ++row) {
        bool any = false;
        for (int col = kFirstCol; col <= kLastCol && !any; ++col) any = cells[cellIndex(row, col)] != 0;
        if (!any) continue;
        int column = 0;
        for (int col = kFirstCol; col <= kLastCol; ++col) {
            const int width = cellColumns(ladder.sheet.cell(row, col));
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
        at += cellColumns(ladder.sheet.cell(row, col));
        if (column < at) return col;
    }
    return -1;
}

}  // namespace lp
