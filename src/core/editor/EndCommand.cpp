// END ("┣━(END)"): closes the program being drawn. The cursor stays where
// it is; only step back and convert remain.
#include "editor/Commands.h"
#include "sheet/PaletteTables.h"
#include "editor/Placement.h"
#include "editor/PlacementGuard.h"
#include "sheet/DrawingRules.h"
#include "sheet/Glyphs.h"
#include "sheet/Ladder.h"

namespace lp {

void Command22_Click(Ladder& ladder) {
    if (refuseEnd(ladder)) return;
    Palette& p = ladder.palette;
    p.apply(paletteTable::afterEnd);
    leftRailRule(ladder);
    writeCells(ladder, ladder.state.CurRow, ladder.state.CurCol,
               {glyph::vr, glyph::h, glyph::h, glyph::h, glyph::parenL, "E", "N", "D", glyph::parenR, glyph::endTail});
    recordPlacement(ladder, 10, 22);
    ladder.Fresh();
}

}  // namespace lp
