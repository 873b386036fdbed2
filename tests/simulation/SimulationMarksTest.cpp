// The marks of a running simulation over the printed lines, on random
// palette sessions: every display column a mark covers leads back (through
// cellAtDisplayColumn) to a cell with exactly the mark's flags, every cell
// with flags is covered, and neighbouring cells with the same flags share one
// mark.
#include <gtest/gtest.h>

#include "RandomLadders.h"
#include "circuit/ListFaultText.h"
#include "texts/DisplayColumns.h"
#include "simulation/CellPower.h"
#include "simulation/Simulation.h"
#include "simulation/SimulationMarks.h"

namespace lp {
namespace {

uint8_t shownFlags(const std::vector<uint8_t>& cells, int row, int col) {
    return cells[cellIndex(row, col)] & static_cast<uint8_t>(~cellpower::InputContact);
}

TEST(SimulationMarks, MarksAndCellsLeadToEachOther) {
    std::mt19937 rng(20261210u);
    int ladders = 0, marked = 0;
    for (int s = 0; s < 600; ++s) {
        test::RandomLadder random(rng, 1 + static_cast<int>(rng() % 40));
        if (!random.convert()) continue;
        SCOPED_TRACE("session \"" + random.steps + "\"");
        const Ladder& ladder = random.drawing.ladder;
        const TypedListReading reading = readTypedList(ladder.Text1);
        ASSERT_EQ(reading.fault, ListFault::None);
        Simulation sim(reading.parsed, ladder.sheet, ladder.state.CurRow, ladder.state.CurCol);
        for (int d = 0; d < sim.deviceCount(); ++d)
            if (sim.isInput(d) && rng() % 2) sim.toggleInput(d);
        sim.scan();
        for (int k = static_cast<int>(rng() % 4); k > 0; --k) sim.step();
        const std::vector<uint8_t>& cells = sim.cells();
        const std::vector<CellMark> marks = cellMarks(ladder, cells);
        ++ladders;
        for (std::size_t i = 0; i < marks.size(); ++i) {
            const CellMark& m = marks[i];
            ASSERT_NE(m.flags, 0);
            ASSERT_GT(m.width, 0);
            for (int c = m.column; c < m.column + m.width; ++c) {
                const int col = cellAtDisplayColumn(ladder, m.line + 1, c);
                ASSERT_GE(col, kFirstCol) << "line " << m.line << " column " << c;
                ASSERT_EQ(shownFlags(cells, m.line + 1, col), m.flags) << "line " << m.line << " column " << c;
            }
            if (i > 0) {
                const CellMark& before = marks[i - 1];
                ASSERT_FALSE(before.line == m.line && before.flags == m.flags && before.column + before.width == m.column)
                    << "two marks where one would do, line " << m.line;
            }
        }
        const int lastRow = std::min(ladder.state.CurRow, kLastRow);
        for (int row = kFirstRow; row <= lastRow; ++row) {
            int column = 0;
            for (int col = kFirstCol; col <= kLastCol; ++col) {
                const int width = displayColumns(ladder.sheet.cell(row, col));
                if (shownFlags(cells, row, col) && width > 0) {
                    ++marked;
                    bool covered = false;
                    for (const CellMark& m : marks)
                        covered = covered || (m.line == row - 1 && m.column <= column && column < m.column + m.width);
                    ASSERT_TRUE(covered) << "row " << row << " col " << col;
                }
                column += width;
            }
        }
    }
    EXPECT_GT(ladders, 100);
    EXPECT_GT(marked, 1000);
}

}  // namespace
}  // namespace lp
