#include "sheet/DrawingRules.h"

#include "sheet/Glyphs.h"
#include "sheet/Ladder.h"

namespace lp {

int upwardWalk(Ladder& ladder, int col, int fromRow) {
    Sheet& sheet = ladder.sheet;
    int& t = ladder.state.LoopRow;
    t = fromRow;
    // Outside the grid a cell reads "", which is not blank: the walk stops
    // at row 0 at the latest.
    while (sheet.cell(t, col) == glyph::blank) {
        sheet.setCell(t, col, glyph::v);
        --t;
    }
    return t;
}

void leftRailRule(Ladder& ladder) {
    const int row = ladder.state.CurRow;
    const int col = ladder.state.CurCol;
    if (col != 1) return;
    if (row > 2)
        upwardWalk(ladder, col, row - 1);
    else
        ladder.sheet.setCell(row - 1, col, glyph::v);
}

void closingJoin(Ladder& ladder, int col) {
    Sheet& sheet = ladder.sheet;
    const int stop = upwardWalk(ladder, col, ladder.state.CurRow - 1);
    const std::string& c = sheet.cell(stop, col);
    if (c == glyph::h)
        sheet.setCell(stop, col, glyph::hd);
    else if (c == glyph::hu)
        sheet.setCell(stop, col, glyph::cross);
    else if (c == glyph::ul)
        sheet.setCell(stop, col, glyph::vl);
    else if (c == glyph::ur)
        sheet.setCell(stop, col, glyph::vr);
}

void droppedBranchStart(Ladder& ladder) {
    Sheet& sheet = ladder.sheet;
    const int row = ladder.state.CurRow;
    const int col = ladder.state.CurCol - 1;
    sheet.setCell(row, col, glyph::ur);
    const int stop = upwardWalk(ladder, col, row - 1);
    const std::string& c = sheet.cell(stop, col);
    if (c == glyph::h)
        sheet.setCell(stop, col, glyph::hd);
    else if (c == glyph::hu)
        sheet.setCell(stop, col, glyph::cross);
}

void continuationFix(Ladder& ladder) {
    Sheet& sheet = ladder.sheet;
    const int row = ladder.state.CurRow;
    const int col = ladder.state.CurCol - 1;
    const std::string& c = sheet.cell(row, col);
    if (c == glyph::ul)
        sheet.setCell(row, col, glyph::hu);
    else if (c == glyph::vl)
        sheet.setCell(row, col, glyph::cross);
}

}  // namespace lp
