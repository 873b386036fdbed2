// "后退一步": removes the element the last placement drew and puts the
// cursor back where it began. One level deep: it works only from the last
// and previous width and kind, the cursor, RowEnd and CoilFromCol, and what
// the sheet shows.
#include "editor/Commands.h"
#include "sheet/PaletteTables.h"
#include "editor/Placement.h"
#include "sheet/Glyphs.h"
#include "sheet/Ladder.h"

namespace lp {

namespace {

enum class Retract { TwoRules, ThreeRules };

void blank(Ladder& ladder, int row, int col) { ladder.sheet.setCell(row, col, glyph::blank); }

// Blanks the "┃" run in column col from row fromRow upward and returns the
// row of the first cell that is not "┃". Above row 1 a cell reads "", so
// the walk ends at row 0 at the latest.
int blankRailRun(Ladder& ladder, int col, int fromRow) {
    int row = fromRow;
    while (ladder.sheet.cell(row, col) == glyph::v) {
        blank(ladder, row, col);
        --row;
    }
    return row;
}

// Reverse of a closing join or of the walk of a dropped-branch start: the
// "┃" run above the graphics row goes, and the cell where it stopped loses
// its downward arm. A stop cell outside the sheet matches no rule.
void retractBranchLine(Ladder& ladder, int col, Retract form) {
    const int stop = blankRailRun(ladder, col, ladder.state.CurRow - 1);
    const std::string& c = ladder.sheet.cell(stop, col);
    if (c == glyph::hd)
        ladder.sheet.setCell(stop, col, glyph::h);
    else if (c == glyph::cross)
        ladder.sheet.setCell(stop, col, glyph::hu);
    else if (form == Retract::ThreeRules && c == glyph::vl)
        ladder.sheet.setCell(stop, col, glyph::ul);
}

// Reverse of the continuation fix at (CurRow, col).
void undoContinuationFix(Ladder& ladder, int col) {
    const int row = ladder.state.CurRow;
    const std::string& c = ladder.sheet.cell(row, col);
    if (c == glyph::hu)
        ladder.sheet.setCell(row, col, glyph::ul);
    else if (c == glyph::cross)
        ladder.sheet.setCell(row, col, glyph::vl);
}

void blankSlot(Ladder& ladder, int c0) {
    for (int col = c0 - 5; col <= c0 - 1; ++col) blank(ladder, ladder.state.CurRow, col);
}

void blankContact(Ladder& ladder, int c0) {
    blankSlot(ladder, c0);
    blank(ladder, ladder.state.CurRow - 1, c0 - 4);
    blank(ladder, ladder.state.CurRow - 1, c0 - 3);
}

// The preparatory work of a series element: the dropped-branch start after
// a blank slot, then the continuation fix.
void undoSeriesStart(Ladder& ladder, int c0) {
    if (ladder.state.PrevKind == 18) {
        blank(ladder, ladder.state.CurRow, c0 - 6);
        retractBranchLine(ladder, c0 - 6, Retract::TwoRules);
    }
    undoContinuationFix(ladder, c0 - 6);
}

void undoSlotElement(Ladder& ladder) {
    const int r = ladder.state.CurRow;
    const int c0 = ladder.state.CurCol;
    switch (ladder.state.LastKind) {
    case 1:
    case 2:
        blankContact(ladder, c0);
        addRowEnd(ladder, r, -6);
        break;
    case 3:
    case 4:
        blankContact(ladder, c0);
        retractBranchLine(ladder, c0 - 1, Retract::ThreeRules);
        addRowEnd(ladder, r, -6);
        break;
    case 5:
    case 6:
    case 7:
    case 8:
        blankContact(ladder, c0);
        undoSeriesStart(ladder, c0);
        if (ladder.state.LastKind >= 7) retractBranchLine(ladder, c0 - 1, Retract::ThreeRules);
        addRowEnd(ladder, r, -5);
        break;
    case 15:
    case 16:
        // The line pieces did the same preparatory work as the series
        // contacts and undo it the same way, so that the sheet is the one
        // from before the placement.
        blankSlot(ladder, c0);
        undoSeriesStart(ladder, c0);
        if (ladder.state.LastKind == 16) retractBranchLine(ladder, c0 - 1, Retract::ThreeRules);
        addRowEnd(ladder, r, -5);
        break;
    case 18:
        // The rail run a blank slot drew at column 1 stays; RowEnd drops by
        // 5 even where it rose by 6.
        addRowEnd(ladder, r, -5);
        break;
    default:
        break;
    }
    ladder.state.CurCol = c0 - 5;
}

void undoCoil(Ladder& ladder) {
    EditState& s = ladder.state;
    const int r = s.CurRow;
    const int c0 = s.CurCol;
    const int from = s.CoilFromCol;
    if (s.LastKind == 9) {
        ladder.sheet.setRowEnd(r, s.CoilFromCol);
        for (int col = from; col <= 50; ++col) blank(ladder, r, col);
        for (int col = c0 - 6; col <= c0 - 1; ++col) blank(ladder, r, col);
        blank(ladder, r - 1, c0 - 1);
        blank(ladder, r - 1, c0 - 4);
        blank(ladder, r - 1, c0 - 3);
        s.CurCol = from;
        undoContinuationFix(ladder, s.CurCol - 1);
    } else if (s.LastKind == 21) {
        ladder.sheet.setRowEnd(r, s.CoilFromCol);
        // The coil above gets its plain lead-in back, whatever the cell held
        // before the parallel coil.
        ladder.sheet.setCell(r - 2, c0 - 6, glyph::h);
        blank(ladder, r - 1, c0 - 6);
        for (int col = c0 - 6; col <= c0 - 1; ++col) blank(ladder, r, col);
        blank(ladder, r - 1, c0 - 1);
        blank(ladder, r - 1, c0 - 4);
        blank(ladder, r - 1, c0 - 3);
        s.CurCol = from;
    }
}

void undoEnd(Ladder& ladder) {
    EditState& s = ladder.state;
    const int r = s.CurRow;
    s.CurCol = 1;
    if (r > 2)
        blankRailRun(ladder, 1, r - 1);
    else
        ladder.sheet.setCell(r - 1, 1, glyph::v);
    for (int col = 1; col <= 10; ++col) blank(ladder, r, col);
    ladder.palette.apply(paletteTable::endUndone);
}

}  // namespace

void Command10_Click(Ladder& ladder) {
    EditState& s = ladder.state;
    if (s.LastWidth == 5)
        undoSlotElement(ladder);
    else if (s.LastWidth == 6)
        undoCoil(ladder);
    else
        undoEnd(ladder);

    s.LastWidth = s.PrevWidth;
    s.LastKind = s.PrevKind;
    ladder.Fresh();

    ladder.palette.apply(s.CurCol == 1 ? paletteTable::afterStepBackAtRail : paletteTable::afterStepBackInRung);
}

}  // namespace lp
