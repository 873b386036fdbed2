#include "sheet/Ladder.h"

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
    palette.enable({1, 2, 3, 4, 22});
    palette.disable({5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 18, 19, 21});
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
