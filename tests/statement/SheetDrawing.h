#pragma once
// Laying cells straight onto a sheet, for tests of the scan and its
// emitters. A row of cells is written as its glyphs one after another, two
// spaces standing for one blank cell: "┣┫  ┣━" is five cells.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/Ladder.h"
#include "support/FakeUserInterface.h"

namespace lp::test {

inline std::vector<std::string> cellsOf(std::string_view row) {
    std::vector<std::string> cells;
    std::size_t i = 0;
    while (i < row.size()) {
        if (row[i] == ' ') {
            if (i + 1 >= row.size() || row[i + 1] != ' ') throw std::invalid_argument("a lone space in a row of cells");
            cells.emplace_back("  ");
            i += 2;
            continue;
        }
        const unsigned char lead = static_cast<unsigned char>(row[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        cells.emplace_back(row.substr(i, length));
        i += length;
    }
    return cells;
}

// Writes the cells from (row, col) rightwards.
inline void lay(Sheet& sheet, int row, int col, std::string_view cells) {
    for (const std::string& cell : cellsOf(cells)) sheet.setCell(row, col++, cell);
}

// A device name as the palette writes it for an element starting at (row,
// col): the name above the element's second cell, then one half-width space.
inline void nameAbove(Sheet& sheet, int row, int col, std::string_view name) {
    sheet.setCell(row - 1, col + 1, name);
    sheet.setCell(row - 1, col + 2, " ");
}

// A coil's name above column 53.
inline void coilName(Sheet& sheet, int row, std::string_view name) {
    sheet.setCell(row - 1, 53, name);
    sheet.setCell(row - 1, 54, " ");
}

// A coil as the palette draws it: a line from `from` to column 50, the coil
// cells in columns 51 to 56, its name above column 53; RowEnd is `from`.
inline void coil(Sheet& sheet, int row, int from, std::string_view name) {
    for (int col = from; col <= 50; ++col) sheet.setCell(row, col, "━");
    lay(sheet, row, 51, "━（  ）━┫");
    coilName(sheet, row, name);
    sheet.setRowEnd(row, static_cast<int16_t>(from));
}

// A parallel coil hanging from the row two above: RowEnd is 51.
inline void parallelCoil(Sheet& sheet, int row, std::string_view name) {
    sheet.setCell(row - 2, 51, "┳");
    sheet.setCell(row - 1, 51, "┃");
    lay(sheet, row, 51, "┗（  ）━┫");
    coilName(sheet, row, name);
    sheet.setCell(row - 1, 56, "┃");
    sheet.setRowEnd(row, 51);
}

// The END element's ten cells from (row, col).
inline void endElement(Sheet& sheet, int row, int col) {
    lay(sheet, row, col, "┣━━━（END）");
    sheet.setCell(row, col + 9, "     ");
}

// "┃" in column col of each row listed.
inline void vertical(Sheet& sheet, int col, std::initializer_list<int> rows) {
    for (int row : rows) sheet.setCell(row, col, "┃");
}

// The StatementList lines, each without its CR LF; a text that does not end
// in CR LF gets a last line marked "<unended>".
inline std::vector<std::string> linesOf(const std::string& list) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t at = list.find("\r\n", start);
        if (at == std::string::npos) {
            lines.push_back("<unended>" + list.substr(start));
            break;
        }
        lines.push_back(list.substr(start, at - start));
        start = at + 2;
    }
    return lines;
}

// A ladder with a fresh sheet and a user interface that records messages.
struct TestLadder {
    FakeUserInterface ui;
    Ladder ladder{ui};
    TestLadder() {
        ladder.Form_Load();
        ladder.Form_Activate();
    }
};

}  // namespace lp::test
