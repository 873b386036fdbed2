#include "sheet/Ladder.h"
#include "sheet/PaletteTables.h"

namespace lp {

void Ladder::Form_Load() {
    state.CurRow = 2;
    state.CurCol = 1;
    StatementList.clear();
    state.LastWidth = 5;
    state.LastKind = 0;
    state.PrevWidth = 0;
    state.PrevKind = 0;
    state.CoilFromCol = 0;
    palette.apply(paletteTable::atFormLoad);
}

void Ladder::Form_Activate() {
    sheet.clear();
    Fresh();
}

void Ladder::Fresh() {
    clearPicture();
    const int last = state.CurRow;  // the bound is taken once
    for (int row = 1; row <= last; ++row) picture.push_back(sheet.rowText(row));
}

}  // namespace lp
