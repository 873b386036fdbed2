#pragma once
// Everything of the editor that a later command reads, as a drawing file
// keeps it: the sheet with its marks and RowEnd, the editing state (without
// the loop counters, which every walk sets before it reads them), the scan's
// work values, the palette's enabled and visible states, the statement list
// and the text of the list box.
#include <string>

#include "sheet/EditState.h"
#include "sheet/Palette.h"
#include "sheet/Sheet.h"

namespace lp {

class Ladder;

struct DrawingState {
    Sheet sheet;
    EditState state;
    ScanState scan;
    Palette palette;
    std::string StatementList;
    std::string Text1;
};

DrawingState captureDrawing(const Ladder& ladder);
// The editing and scan state alike, the scratch loop counters left aside.
bool sameEditState(const EditState& a, const EditState& b);
bool sameScanState(const ScanState& a, const ScanState& b);
// Replaces the ladder's drawing with `drawing` and prints the sheet with
// Fresh. The loop counters are left as they are.
void applyDrawing(Ladder& ladder, const DrawingState& drawing);
// True when the ladder holds exactly what `drawing` holds.
bool sameDrawing(const Ladder& ladder, const DrawingState& drawing);
// True when every cell of the sheet is the blank cell.
bool sheetIsEmpty(const Sheet& sheet);

}  // namespace lp
