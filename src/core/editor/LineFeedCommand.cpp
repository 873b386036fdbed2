// "回车换行": the cursor moves to column 1 of the next rung, two rows down,
// and the right rail is continued beside it.
#include "editor/Commands.h"
#include "sheet/PaletteTables.h"
#include "editor/PlacementGuard.h"
#include "sheet/Glyphs.h"
#include "sheet/Ladder.h"

namespace lp {

void Command11_Click(Ladder& ladder) {
    if (refuseLineFeed(ladder)) return;
    EditState& s = ladder.state;
    s.CurRow += 2;
    s.CurCol = 1;
    constexpr int kRightRail = 56;
    if (ladder.sheet.cell(s.CurRow, kRightRail) == glyph::blank) {
        ladder.sheet.setCell(s.CurRow - 1, kRightRail, glyph::v);
        ladder.sheet.setCell(s.CurRow, kRightRail, glyph::v);
    }
    Palette& p = ladder.palette;
    p.apply(paletteTable::afterLineFeed);
    ladder.Fresh();
}

}  // namespace lp
