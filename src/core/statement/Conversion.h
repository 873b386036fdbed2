#pragma once
// The conversion behind "转换": the rung scan over the whole sheet, and what
// the window shows afterwards.
#include "statement/ScanContext.h"

namespace lp {

class Ladder;
class Palette;

enum class ScanOutcome {
    Finished,  // the scan ran to its end
    TooDeep,   // the scan nested past its limit and was stopped
};

// Calls Procedure once with fresh copies of row 2 and column 1, on a thread
// whose stack holds `nestingLimit` nested calls. The scan appends to
// StatementList and sets the Emitted and Joined marks; nothing is cleared
// before or after, also when it stops (TooDeep). Throws std::system_error
// when no thread can be started; anything else the scan throws is thrown
// again on the calling thread.
ScanOutcome runScan(Ladder& ladder, int nestingLimit = kScanNestingLimit);

// The scan for "转换": true when the list is complete. Otherwise the user is
// told "梯形图结构异常，无法转换", StatementList is emptied and every Emitted
// and Joined mark reset, and false is returned; Text1 and the buttons are
// left as they are. Call it on the user-interface thread: the message box is
// shown from the calling thread.
bool convertSheet(Ladder& ladder, int nestingLimit = kScanNestingLimit);

// The bottom row's export state, changed in this order: hide Command13,
// hide Command14, show Command19, enable Command12, enable Command19, show
// Command20.
void showExportRow(Palette& palette);

}  // namespace lp
