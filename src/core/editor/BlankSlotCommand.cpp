// The blank slot ("空 位 键"): skips one slot without drawing in it, so that
// the next series element starts a branch dropped from the line above.
#include "editor/Commands.h"
#include "sheet/PaletteTables.h"
#include "editor/Placement.h"
#include "editor/PlacementGuard.h"
#include "sheet/DrawingRules.h"
#include "sheet/Ladder.h"

namespace lp {

void Command18_Click(Ladder& ladder) {
    if (refuseSlot(ladder)) return;
    const int row = ladder.state.CurRow;
    const int col = ladder.state.CurCol;
    enableStepBack(ladder);
    // At the rail the rail is drawn from the graphics row itself upward.
    if (col == 1) upwardWalk(ladder, 1, row);
    addRowEnd(ladder, row, col == 1 ? 6 : 5);
    ladder.state.CurCol = col + 5;
    recordPlacement(ladder, 5, 18);
    ladder.Fresh();
    Palette& p = ladder.palette;
    p.apply(paletteTable::afterBlankSlot);
}

}  // namespace lp
