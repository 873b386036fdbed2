#pragma once
// The walks the rung scan uses to move along rows and columns. A walk stops
// at the first cell outside its glyph set; a cell outside the sheet reads ""
// and so stops every walk.
#include <cstdint>

#include "statement/CellTests.h"
#include "statement/ScanContext.h"

namespace lp::walk {

// While J >= 6 and C(I, J - 1) is "━" or "┳": J -= 5.
void left(const ScanContext& x, int16_t I, int16_t& J);
// While C(I, J - 1) is "━" or "┳": J -= 5. Stops at column 1 at the latest
// because column 0 holds neither.
void unboundedLeft(const ScanContext& x, int16_t I, int16_t& J);
// I += 2, then while C(I, col) is one of the glyphs: I += 2.
void down(const ScanContext& x, int16_t& I, int col, GlyphSet glyphs);
// I -= 2, then while C(I, col) is one of the glyphs: I -= 2.
void up(const ScanContext& x, int16_t& I, int col, GlyphSet glyphs);
// I -= 2, then while C(I, col) is not "┳": I -= 2; stops at the first row
// outside the sheet when there is no "┳" above.
void upToBranchOff(const ScanContext& x, int16_t& I, int col);

}  // namespace lp::walk
