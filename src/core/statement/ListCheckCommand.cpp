#include "statement/ListCheckCommand.h"

#include <system_error>

#include "circuit/ListCheck.h"
#include "sheet/Ladder.h"
#include "statement/Conversion.h"

namespace lp {

std::optional<std::string> conversionRefusal(const Ladder& ladder) {
    Ladder copy(*ladder.ui);
    copy.sheet = ladder.sheet;
    copy.sheet.clearMarks();
    copy.state = ladder.state;
    bool finished = false;
    try {
        finished = runScan(copy) == ScanOutcome::Finished;
    } catch (const std::system_error&) {
        // No thread to run the scan on: its list counts as failing, as in "转换".
    }
    const ConversionOutcome outcome =
        settleConversion(copy.sheet, copy.state.CurRow, copy.state.CurCol, copy.StatementList, finished);
    if (outcome.source != ConversionOutcome::Source::Refused) return std::nullopt;
    return outcome.message;
}

ListVerdict checkText1(const Ladder& ladder) {
    return checkWrittenList(ladder.sheet, ladder.state.CurRow, ladder.state.CurCol, ladder.Text1,
                            [&] { return conversionRefusal(ladder); });
}

void checkListCommand(Ladder& ladder) { ladder.message(verdictMessage(checkText1(ladder))); }

}  // namespace lp
