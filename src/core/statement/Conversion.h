#pragma once
// The conversion behind "转换": the rung scan over the whole sheet, and what
// the window shows afterwards.
#include <functional>

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

// The same, running `alongside` on the calling thread while the scan runs
// (see runOnLargeStack). `alongside` must not touch what the scan writes.
ScanOutcome runScan(Ladder& ladder, const std::function<void()>& alongside, int nestingLimit = kScanNestingLimit);

// The bottom row's export state, changed in this order: hide Command13,
// hide Command14, show Command19, enable Command12, enable Command19, show
// Command20.
void showExportRow(Palette& palette);

}  // namespace lp
