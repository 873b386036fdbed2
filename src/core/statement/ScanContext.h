#pragma once
// What one conversion carries through the rung scan and its emitters: the
// ladder it reads and writes, and the nesting of the calls in progress.
#include <cstdint>
#include <stdexcept>

#include "sheet/Ladder.h"

namespace lp {

// Ordinary diagrams nest a few hundred calls; a cycle in a drawing never
// ends. A conversion gives up beyond this many nested calls of the scan and
// the block joins together.
inline constexpr int kScanNestingLimit = 20000;

// Thrown by a call that would nest deeper than the limit. It unwinds the
// whole conversion.
class ScanTooDeep : public std::runtime_error {
public:
    ScanTooDeep() : std::runtime_error("the rung scan nests too deeply") {}
};

class ScanContext {
public:
    explicit ScanContext(Ladder& ladder, int nestingLimit = kScanNestingLimit)
        : ladder(ladder), nestingLimit(nestingLimit) {}

    Ladder& ladder;
    int nestingLimit;
    int nesting = 0;  // calls in progress
    int deepest = 0;  // the most calls that were ever in progress at once

    Sheet& sheet() { return ladder.sheet; }
    const std::string& C(int row, int col) const { return ladder.sheet.cell(row, col); }
};

// Counts one call for as long as it runs; throws ScanTooDeep instead of
// going past the limit.
class Nesting {
public:
    explicit Nesting(ScanContext& context) : context_(context) {
        if (context_.nesting >= context_.nestingLimit) throw ScanTooDeep();
        ++context_.nesting;
        if (context_.nesting > context_.deepest) context_.deepest = context_.nesting;
    }
    ~Nesting() { --context_.nesting; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

private:
    ScanContext& context_;
};

// Rows and columns of the scan are 16-bit signed, as the sheet's RowEnd is.
inline int16_t s16(int value) { return static_cast<int16_t>(value); }

}  // namespace lp
