#include "statement/ScanWalks.h"

#include "sheet/Glyphs.h"

namespace lp::walk {

void left(const ScanContext& x, int16_t I, int16_t& J) {
    while (J >= 6 && isAny(x.C(I, J - 1), {glyph::h, glyph::hd})) J = s16(J - 5);
}

void unboundedLeft(const ScanContext& x, int16_t I, int16_t& J) {
    while (isAny(x.C(I, J - 1), {glyph::h, glyph::hd})) J = s16(J - 5);
}

void down(const ScanContext& x, int16_t& I, int col, GlyphSet glyphs) {
    I = s16(I + 2);
    while (isAny(x.C(I, col), glyphs)) I = s16(I + 2);
}

void up(const ScanContext& x, int16_t& I, int col, GlyphSet glyphs) {
    I = s16(I - 2);
    while (isAny(x.C(I, col), glyphs)) I = s16(I - 2);
}

void upToBranchOff(const ScanContext& x, int16_t& I, int col) {
    I = s16(I - 2);
    while (Sheet::inside(I, col) && x.C(I, col) != glyph::hd) I = s16(I - 2);
}

}  // namespace lp::walk
