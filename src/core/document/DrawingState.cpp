#include "document/DrawingState.h"

#include "sheet/Ladder.h"

namespace lp {

bool sameEditState(const EditState& a, const EditState& b) {
    return a.CurRow == b.CurRow && a.CurCol == b.CurCol && a.DeviceName == b.DeviceName &&
           a.LastWidth == b.LastWidth && a.PrevWidth == b.PrevWidth && a.LastKind == b.LastKind &&
           a.PrevKind == b.PrevKind && a.CoilFromCol == b.CoilFromCol;
}

bool sameScanState(const ScanState& a, const ScanState& b) {
    return a.SaveRow == b.SaveRow && a.ScanCol == b.ScanCol && a.HoldPos == b.HoldPos;
}

DrawingState captureDrawing(const Ladder& ladder) {
    return DrawingState{ladder.sheet, ladder.state, ladder.scan, ladder.palette, ladder.StatementList, ladder.Text1};
}

void applyDrawing(Ladder& ladder, const DrawingState& drawing) {
    const int loopRow = ladder.state.LoopRow;
    const int loopCol = ladder.state.LoopCol;
    ladder.sheet = drawing.sheet;
    ladder.state = drawing.state;
    ladder.state.LoopRow = loopRow;
    ladder.state.LoopCol = loopCol;
    ladder.scan = drawing.scan;
    ladder.palette = drawing.palette;
    ladder.StatementList = drawing.StatementList;
    ladder.Text1 = drawing.Text1;
    ladder.Fresh();
}

bool sameDrawing(const Ladder& ladder, const DrawingState& drawing) {
    return sameEditState(ladder.state, drawing.state) && sameScanState(ladder.scan, drawing.scan) &&
           ladder.palette == drawing.palette && ladder.StatementList == drawing.StatementList &&
           ladder.Text1 == drawing.Text1 && ladder.sheet == drawing.sheet;
}

bool sheetIsEmpty(const Sheet& sheet) {
    for (int row = kFirstRow; row <= kLastRow; ++row)
        if (!sheet.rowIsBlank(row)) return false;
    return true;
}

}  // namespace lp
