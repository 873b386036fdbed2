#pragma once
// The rung scan: walks the drawn sheet from one element, recursively, and
// calls the emitters in the order of the instruction list.
#include <cstdint>

#include "statement/ScanContext.h"

namespace lp {

// I is a graphics row, J an element's start column, both the caller's own
// variables: whatever the scan leaves in them is what the caller goes on
// with. Pass a fresh copy (a named temporary) where the caller's variable
// must stay as it is. Uses and leaves the shared SaveRow, ScanCol and
// HoldPos of ladder.scan. Throws ScanTooDeep past the nesting limit.
void Procedure(ScanContext& x, int16_t& I, int16_t& J);

}  // namespace lp
