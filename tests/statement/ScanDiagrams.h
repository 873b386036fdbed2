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

// A diagram the palette can draw on which the scan goes round without end:
// the line piece at (8, 11) closes up to row 4, whose crossing leads down
// to the corner on row 6 and back along row 8 to (8, 11), which no emitter
// ever marks. Clicks: 1 9 11 3 7 9 11 3 18 16 11 3 15 16.
inline void endlessLoop(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫  ┣━");
    nameAbove(s, 2, 1, "X01");
    coil(s, 2, 6, "Y01");
    s.setCell(2, 5, "┳");
    s.setCell(2, 10, "┳");
    lay(s, 4, 1, "┣┫  ┣╋━┥  ┝╋");
    nameAbove(s, 4, 1, "X02");
    nameAbove(s, 4, 6, "X03");
    coil(s, 4, 11, "Y02");
    s.setCell(4, 15, "┳");
    lay(s, 6, 1, "┣┫  ┣┫");
    nameAbove(s, 6, 1, "X04");
    lay(s, 6, 10, "┗━━━━┫");
    s.setRowEnd(6, 16);
    lay(s, 8, 1, "┣┫  ┣┻━━━━━━━━━┛");
    nameAbove(s, 8, 1, "X05");
    s.setRowEnd(8, 16);
    vertical(s, 1, {1, 3, 5, 7});
    vertical(s, 5, {3, 5, 7});
    vertical(s, 10, {3, 5});
    vertical(s, 15, {5, 7});
    vertical(s, 56, {1, 3, 5, 6, 7, 8});
    l.state.CurRow = 8;
    l.state.CurCol = 16;
}

}  // namespace lp::test
