// The output coil, which runs the rung's line to column 51 and draws the
// coil against the right rail, and the parallel coil, which hangs a further
// coil from the lead-in of the coil two rows above.
#include "editor/Commands.h"
#include "sheet/PaletteTables.h"
#include "editor/NamePrompt.h"
#include "editor/Placement.h"
#include "editor/PlacementGuard.h"
#include "sheet/DrawingRules.h"
#include "sheet/Glyphs.h"
#include "sheet/Ladder.h"

namespace lp {

namespace {

constexpr int kCoilStart = 51;      // lead-in cell
constexpr int kCoilNameCol = 53;    // above the coil body
constexpr int kRightRail = 56;
constexpr int kAfterCoil = 57;

void writeCoilName(Ladder& ladder, int row) {
    ladder.sheet.setCell(row - 1, kCoilNameCol, ladder.state.DeviceName);
    ladder.sheet.setCell(row - 1, kCoilNameCol + 1, glyph::nameGap);
}

// The rung is finished: only step back, line feed, re-edit and convert.
void setFinishedRungPalette(Ladder& ladder) {
    ladder.palette.apply(paletteTable::afterCoil);
}

}  // namespace

void Command9_Click(Ladder& ladder) {
    EditState& s = ladder.state;
    const int row = s.CurRow;
    const int col = s.CurCol;
    enableStepBack(ladder);
    ladder.sheet.setRowEnd(row, static_cast<int16_t>(col));
    continuationFix(ladder);
    for (s.LoopCol = col; s.LoopCol <= kCoilStart - 1; ++s.LoopCol) ladder.sheet.setCell(row, s.LoopCol, glyph::h);
    s.CoilFromCol = static_cast<int16_t>(col);
    s.CurCol = kCoilStart;
    namePrompt(ladder, kCoilPrompt);
    writeCells(ladder, row, kCoilStart, {glyph::h, glyph::parenL, glyph::blank, glyph::parenR, glyph::h, glyph::vl});
    s.CurCol = kAfterCoil;
    writeCoilName(ladder, row);
    if (row > 2)
        upwardWalk(ladder, kRightRail, row - 1);
    else
        ladder.sheet.setCell(row - 1, kRightRail, glyph::v);
    recordPlacement(ladder, 6, 9);
    ladder.Fresh();
    setFinishedRungPalette(ladder);
}

void Command21_Click(Ladder& ladder) {
    if (refuseParallelCoil(ladder)) return;
    EditState& s = ladder.state;
    const int row = s.CurRow;
    const int col = s.CurCol;
    enableStepBack(ladder);
    s.CoilFromCol = static_cast<int16_t>(col);
    s.CurCol = kCoilStart;
    ladder.sheet.setRowEnd(row, static_cast<int16_t>(kCoilStart));
    namePrompt(ladder, kCoilPrompt);
    // No line from the cursor, no continuation fix: the coil hangs from the
    // lead-in two rows above, whatever the cells held.
    ladder.sheet.setCell(row - 2, kCoilStart, glyph::hd);
    ladder.sheet.setCell(row - 1, kCoilStart, glyph::v);
    ladder.sheet.setCell(row, kCoilStart, glyph::ur);
    writeCells(ladder, row, kCoilStart + 1, {glyph::parenL, glyph::blank, glyph::parenR, glyph::h, glyph::vl});
    s.CurCol = kAfterCoil;
    writeCoilName(ladder, row);
    ladder.sheet.setCell(row - 1, kRightRail, glyph::v);
    recordPlacement(ladder, 6, 21);
    ladder.Fresh();
    setFinishedRungPalette(ladder);
}

}  // namespace lp
