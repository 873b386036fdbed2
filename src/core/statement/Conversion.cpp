#include "statement/Conversion.h"
#include "sheet/PaletteTables.h"

#include <algorithm>
#include <system_error>

#include "sheet/Ladder.h"
#include "statement/LargeStack.h"
#include "statement/Scan.h"

namespace lp {

namespace {

// A scan call and the block joins beneath it take well under 12 KiB of stack
// each, sanitizers included; the rest is margin.
std::size_t stackBytesFor(int nestingLimit) {
    constexpr std::size_t perCall = 12 * 1024;
    constexpr std::size_t margin = 16u << 20;
    constexpr std::size_t atLeast = 256u << 20;
    return std::max(atLeast, static_cast<std::size_t>(std::max(nestingLimit, 0)) * perCall + margin);
}

// The whole scan: Procedure from (2, 1).
void scanSheet(Ladder& ladder, int nestingLimit, ScanOutcome& outcome) {
    ScanContext context(ladder, nestingLimit);
    int16_t row = 2;
    int16_t col = 1;
    try {
        Procedure(context, row, col);
    } catch (const ScanTooDeep&) {
        outcome = ScanOutcome::TooDeep;
    }
}

}  // namespace

ScanOutcome runScan(Ladder& ladder, int nestingLimit) {
    ScanOutcome outcome = ScanOutcome::Finished;
    runOnLargeStack(stackBytesFor(nestingLimit), [&] { scanSheet(ladder, nestingLimit, outcome); });
    return outcome;
}

ScanOutcome runScan(Ladder& ladder, const std::function<void()>& alongside, int nestingLimit) {
    ScanOutcome outcome = ScanOutcome::Finished;
    runOnLargeStack(stackBytesFor(nestingLimit), [&] { scanSheet(ladder, nestingLimit, outcome); }, alongside);
    return outcome;
}

void showExportRow(Palette& palette) {
    palette.apply(paletteTable::afterConvert);
}

}  // namespace lp
