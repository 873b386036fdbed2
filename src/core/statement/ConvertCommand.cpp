#include <optional>
#include <system_error>

#include "circuit/ListCheck.h"
#include "sheet/Ladder.h"
#include "statement/Conversion.h"
#include "statement/Convert.h"

namespace lp {

// "转换": translate the drawing, prove the list against it, show it and
// offer the export. The scan's own list is shown whenever it is right;
// where it is not (or the scan had to be stopped), the list built from the
// circuit takes its place; where no list can be written, the user is told
// which rung and why, and the sheet is left as before the conversion.
void Command13_Click(Ladder& ladder) {
    // While the scan runs on its own thread, this one reads the drawing as a
    // circuit for the proof: the scan writes only StatementList and the
    // marks, the reading only reads cells.
    std::optional<ListCheck> check;
    const auto readDrawing = [&] { check.emplace(ladder.sheet, ladder.state.CurRow, ladder.state.CurCol); };
    bool finished = false;
    try {
        finished = runScan(ladder, readDrawing) == ScanOutcome::Finished;
    } catch (const std::system_error&) {
        // No thread to run the scan on: its list counts as failing.
    }
    if (!check) readDrawing();
    const ConversionOutcome outcome = settleConversion(*check, ladder.StatementList, finished);
    switch (outcome.source) {
    case ConversionOutcome::Source::Scan:
        break;
    case ConversionOutcome::Source::Structural:
        ladder.StatementList = outcome.list;
        break;
    case ConversionOutcome::Source::Refused:
        ladder.message(outcome.message);
        ladder.StatementList.clear();
        ladder.sheet.clearMarks();
        return;
    }
    ladder.Text1 = ladder.StatementList;
    showExportRow(ladder.palette);
}

}  // namespace lp
