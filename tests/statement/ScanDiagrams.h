#pragma once
// Diagrams laid cell by cell as the palette would draw them, for the scan
// tests. Each leaves the cursor where the palette would (on the END element
// unless said otherwise).
#include "SheetDrawing.h"

namespace lp::test {

// Rung 1: X01 at the rail, X02 in series, coil Y01. Rung 2: X03 normally
// closed at the rail, coil Y02. END on row 6.
inline void twoRungs(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫  ┣━━┥  ┝━");
    nameAbove(s, 2, 1, "X01");
    nameAbove(s, 2, 6, "X02");
    coil(s, 2, 11, "Y01");
    lay(s, 4, 1, "┣┫╱┣━");
    nameAbove(s, 4, 1, "X03");
    coil(s, 4, 6, "Y02");
    vertical(s, 1, {1, 3, 5});
    vertical(s, 56, {1, 3, 5, 6});
    endElement(s, 6, 1);
    l.state.CurRow = 6;
    l.state.CurCol = 1;
}

// X01 at the rail with X02 in parallel below it (closing up at column 5),
// then X03 in series and coil Y01. Row 4 ends with a blank slot.
inline void parallelAtTheRail(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫  ┣┳━┥  ┝━");
    nameAbove(s, 2, 1, "X01");
    nameAbove(s, 2, 6, "X03");
    coil(s, 2, 11, "Y01");
    lay(s, 4, 1, "┣┫  ┣┛");
    nameAbove(s, 4, 1, "X02");
    s.setRowEnd(4, 11);
    s.setCell(3, 5, "┃");
    vertical(s, 1, {1, 3, 5});
    vertical(s, 56, {1, 3, 4, 5, 6});
    endElement(s, 6, 1);
    l.state.CurRow = 6;
    l.state.CurCol = 1;
}

}  // namespace lp::test

namespace lp::test {

// X01 at the rail with X02 and X03 in parallel below it, each closing up at
// column 5 (the middle one's "┛" joined from below), then X04 in series and
// coil Y01.
inline void threeAtTheRail(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫  ┣┳━┥  ┝━");
    nameAbove(s, 2, 1, "X01");
    nameAbove(s, 2, 6, "X04");
    coil(s, 2, 11, "Y01");
    lay(s, 4, 1, "┣┫  ┣┫");
    nameAbove(s, 4, 1, "X02");
    s.setRowEnd(4, 11);
    lay(s, 6, 1, "┣┫  ┣┛");
    nameAbove(s, 6, 1, "X03");
    s.setRowEnd(6, 11);
    vertical(s, 5, {3, 5});
    vertical(s, 1, {1, 3, 5, 7});
    vertical(s, 56, {1, 3, 4, 5, 6, 7, 8});
    endElement(s, 8, 1);
    l.state.CurRow = 8;
    l.state.CurCol = 1;
}

// Two rungs X01-Y01 and X02-Y02; X03 on row 6 closes up under X02, turning
// the line after X02 into a branch-off.
inline void branchOffAtTheRail(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫  ┣━");
    nameAbove(s, 2, 1, "X01");
    coil(s, 2, 6, "Y01");
    lay(s, 4, 1, "┣┫  ┣━");
    nameAbove(s, 4, 1, "X02");
    coil(s, 4, 6, "Y02");
    s.setCell(4, 5, "┳");
    lay(s, 6, 1, "┣┫  ┣┛");
    nameAbove(s, 6, 1, "X03");
    s.setRowEnd(6, 11);
    s.setCell(5, 5, "┃");
    vertical(s, 1, {1, 3, 5, 7});
    vertical(s, 56, {1, 3, 5, 6, 7, 8});
    endElement(s, 8, 1);
    l.state.CurRow = 8;
    l.state.CurCol = 1;
}

// X01 X02 in parallel with X03 X04, then coil Y01.
inline void orbParallelChains(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫  ┣━━┥  ┝┳");
    nameAbove(s, 2, 1, "X01");
    nameAbove(s, 2, 6, "X02");
    coil(s, 2, 11, "Y01");
    lay(s, 4, 1, "┣┫  ┣━━┥  ┝┛");
    nameAbove(s, 4, 1, "X03");
    nameAbove(s, 4, 6, "X04");
    s.setRowEnd(4, 11);
    s.setCell(3, 10, "┃");
    vertical(s, 1, {1, 3, 5});
    vertical(s, 56, {1, 3, 4, 5, 6});
    endElement(s, 6, 1);
    l.state.CurRow = 6;
    l.state.CurCol = 1;
}

// (X01 X02 | X03 X04) in series with (X05 | X06), then coil Y01.
inline void anbBlocksInSeries(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫  ┣━━┥  ┝┳━┥  ┝┳");
    nameAbove(s, 2, 1, "X01");
    nameAbove(s, 2, 6, "X02");
    nameAbove(s, 2, 11, "X05");
    coil(s, 2, 16, "Y01");
    lay(s, 4, 1, "┣┫  ┣━━┥  ┝┻━┥  ┝┛");
    nameAbove(s, 4, 1, "X03");
    nameAbove(s, 4, 6, "X04");
    nameAbove(s, 4, 11, "X06");
    s.setRowEnd(4, 16);
    vertical(s, 10, {3});
    vertical(s, 15, {3});
    vertical(s, 1, {1, 3, 5});
    vertical(s, 56, {1, 3, 4, 5, 6});
    endElement(s, 6, 1);
    l.state.CurRow = 6;
    l.state.CurCol = 1;
}

// X01 X02 X03 and coil Y01; on row 4 two blank slots, then X04 dropping
// from the line after X02 and closing up after X03.
inline void droppedBranch(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫  ┣━━┥  ┝┳━┥  ┝┳");
    nameAbove(s, 2, 1, "X01");
    nameAbove(s, 2, 6, "X02");
    nameAbove(s, 2, 11, "X03");
    coil(s, 2, 16, "Y01");
    s.setCell(4, 10, "┗");
    lay(s, 4, 11, "━┥  ┝┛");
    nameAbove(s, 4, 11, "X04");
    s.setRowEnd(4, 16);
    vertical(s, 10, {3});
    vertical(s, 15, {3});
    vertical(s, 1, {1, 3, 4, 5});
    vertical(s, 56, {1, 3, 4, 5, 6});
    endElement(s, 6, 1);
    l.state.CurRow = 6;
    l.state.CurCol = 1;
}

// X01 driving coil Y01 and, in parallel, coil Y02.
inline void parallelCoils(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫  ┣━");
    nameAbove(s, 2, 1, "X01");
    coil(s, 2, 6, "Y01");
    parallelCoil(s, 4, "Y02");
    vertical(s, 1, {1, 3, 4, 5});
    vertical(s, 56, {1, 5, 6});
    endElement(s, 6, 1);
    l.state.CurRow = 6;
    l.state.CurCol = 1;
}

// Rung 1: X01, Y01. Rung 2: X02 X03 X04 and Y02, with X05 X06 on row 6
// closing up after X03, which turns the line there into a branch-off.
inline void branchOffMidRow(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫  ┣━");
    nameAbove(s, 2, 1, "X01");
    coil(s, 2, 6, "Y01");
    lay(s, 4, 1, "┣┫  ┣━━┥  ┝┳━┥  ┝━");
    nameAbove(s, 4, 1, "X02");
    nameAbove(s, 4, 6, "X03");
    nameAbove(s, 4, 11, "X04");
    coil(s, 4, 16, "Y02");
    lay(s, 6, 1, "┣┫  ┣━━┥  ┝┛");
    nameAbove(s, 6, 1, "X05");
    nameAbove(s, 6, 6, "X06");
    s.setRowEnd(6, 11);
    s.setCell(5, 10, "┃");
    vertical(s, 1, {1, 3, 5, 7});
    vertical(s, 56, {1, 3, 5, 6, 7, 8});
    endElement(s, 8, 1);
    l.state.CurRow = 8;
    l.state.CurCol = 1;
}

// X01 X02 X03 and Y01; X04 X05 X06 on row 4 closing up after X05 and again
// after X06; X07 X08 on row 6 closing up into the tee-up after X05, which
// becomes a crossing.
inline void crossing(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫  ┣━━┥  ┝┳━┥  ┝┳");
    nameAbove(s, 2, 1, "X01");
    nameAbove(s, 2, 6, "X02");
    nameAbove(s, 2, 11, "X03");
    coil(s, 2, 16, "Y01");
    lay(s, 4, 1, "┣┫  ┣━━┥  ┝╋━┥  ┝┛");
    nameAbove(s, 4, 1, "X04");
    nameAbove(s, 4, 6, "X05");
    nameAbove(s, 4, 11, "X06");
    s.setRowEnd(4, 16);
    lay(s, 6, 1, "┣┫  ┣━━┥  ┝┛");
    nameAbove(s, 6, 1, "X07");
    nameAbove(s, 6, 6, "X08");
    s.setRowEnd(6, 11);
    vertical(s, 10, {3, 5});
    vertical(s, 15, {3});
    vertical(s, 1, {1, 3, 5, 7});
    vertical(s, 56, {1, 3, 4, 5, 6, 7, 8});
    endElement(s, 8, 1);
    l.state.CurRow = 8;
    l.state.CurCol = 1;
}

// X01 X02 X03 and Y01; on row 4 a blank slot, then X04 dropping from the
// line after X01 and X05 closing up after X03; X06 at the rail of row 6
// closes up into row 4's corner, which becomes a left tee.
inline void leftTee(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫  ┣┳━┥  ┝━━┥  ┝┳");
    nameAbove(s, 2, 1, "X01");
    nameAbove(s, 2, 6, "X02");
    nameAbove(s, 2, 11, "X03");
    coil(s, 2, 16, "Y01");
    s.setCell(4, 5, "┣");
    lay(s, 4, 6, "━┥  ┝━━┥  ┝┛");
    nameAbove(s, 4, 6, "X04");
    nameAbove(s, 4, 11, "X05");
    s.setRowEnd(4, 16);
    lay(s, 6, 1, "┣┫  ┣┛");
    nameAbove(s, 6, 1, "X06");
    s.setRowEnd(6, 11);
    vertical(s, 5, {3, 5});
    vertical(s, 15, {3});
    vertical(s, 1, {1, 3, 4, 5, 7});
    vertical(s, 56, {1, 3, 4, 5, 6, 7, 8});
    endElement(s, 8, 1);
    l.state.CurRow = 8;
    l.state.CurCol = 1;
}

// A diagram the palette can draw on which the scan goes round without end:
// the line piece at (6, 11) closes up to row 2, whose crossing leads down to
// the corner on row 4 and back along row 6 to (6, 11), which no emitter
// ever marks. Clicks: 2 7 9 11 18 18 16 11 4 5 16 11 22.
inline void endlessLoop(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫╱┣┳━┥  ┝╋");
    nameAbove(s, 2, 1, "X01");
    nameAbove(s, 2, 6, "X02");
    coil(s, 2, 11, "Y01");
    s.setCell(2, 15, "┳");
    lay(s, 4, 10, "┗━━━━┫");
    s.setRowEnd(4, 16);
    lay(s, 6, 1, "┣┫╱┣┻━┥  ┝━━━━━┛");
    nameAbove(s, 6, 1, "X03");
    nameAbove(s, 6, 6, "X04");
    s.setRowEnd(6, 16);
    s.setCell(1, 10, "┃");
    vertical(s, 1, {1, 3, 4, 5, 7});
    vertical(s, 5, {3, 4, 5});
    vertical(s, 10, {3});
    vertical(s, 15, {3, 5});
    vertical(s, 56, {1, 3, 4, 5, 6, 7, 8});
    endElement(s, 8, 1);
    l.state.CurRow = 8;
    l.state.CurCol = 1;
}

}  // namespace lp::test
