// The line piece ("━━━━━") and the line piece that closes a parallel branch
// ("━━━━┛"): series elements without a device name.
#include "editor/Commands.h"
#include "sheet/PaletteTables.h"
#include "editor/Placement.h"
#include "editor/PlacementGuard.h"
#include "sheet/DrawingRules.h"
#include "sheet/Glyphs.h"
#include "sheet/Ladder.h"

namespace lp {

namespace {

void placeLinePiece(Ladder& ladder, int kind, bool closing) {
    if (refuseSlot(ladder)) return;
    const int row = ladder.state.CurRow;
    const int col = ladder.state.CurCol;
    enableStepBack(ladder);
    continuationFix(ladder);
    addRowEnd(ladder, row, 5);
    writeCells(ladder, row, col, {glyph::h, glyph::h, glyph::h, glyph::h, closing ? glyph::ul : glyph::h});
    if (closing) closingJoin(ladder, col + 4);
    if (ladder.state.LastKind == 18) droppedBranchStart(ladder);
    ladder.state.CurCol = col + 5;
    recordPlacement(ladder, 5, kind);
    ladder.Fresh();
    ladder.palette.apply(closing ? paletteTable::afterClosingElement : paletteTable::afterSeriesElement);
}

}  // namespace

void Command15_Click(Ladder& ladder) { placeLinePiece(ladder, 15, false); }
void Command16_Click(Ladder& ladder) { placeLinePiece(ladder, 16, true); }

}  // namespace lp
