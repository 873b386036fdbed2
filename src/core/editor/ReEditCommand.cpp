// "重新编辑": throws the diagram and the statement list away and returns
// the editor to its start state, with convert enabled.
#include "editor/Commands.h"
#include "sheet/PaletteTables.h"
#include "sheet/Ladder.h"

namespace lp {

void Command12_Click(Ladder& ladder) {
    ladder.clearPicture();
    ladder.sheet.clear();
    // The cursor is still on the old rung here, so the picture shows as
    // many blank rows as the diagram had before the cursor goes back.
    ladder.Fresh();
    EditState& s = ladder.state;
    s.CurRow = 2;
    s.CurCol = 1;
    ladder.StatementList.clear();
    s.LastWidth = 5;
    s.LastKind = 0;
    s.PrevWidth = 0;
    s.PrevKind = 0;
    s.CoilFromCol = 0;
    Palette& p = ladder.palette;
    p.apply(paletteTable::afterReEdit);
    p.setVisible(13, true);
    p.setVisible(14, true);
    p.setVisible(19, false);
    p.setVisible(20, false);
    ladder.Text1.clear();
}

}  // namespace lp
