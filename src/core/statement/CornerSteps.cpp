// Steps 10 to 12 of a scan call: an element after a corner ("┗"), after a
// tee-up ("┻") or after a left tee ("┣"), and the junction run they share.
#include "sheet/Glyphs.h"
#include "statement/Emitters.h"
#include "statement/ScanSteps.h"
#include "statement/ScanWalks.h"

namespace lp::step {

namespace {

// The element closes its branch upward: go up to the branch-off and on to
// the right of it.
void upToBranchOffAndRight(ScanContext& x, int16_t& I, int16_t& J) {
    walk::up(x, I, J + 4, {glyph::v, glyph::vl, glyph::cross});
    if (x.C(I, J + 4) == glyph::hd) right(x, I, J);
}

// The element is joined from below: go down to the lower branch's end and
// back along its row without a bound.
void downAndFarLeft(ScanContext& x, int16_t& I, int16_t& J) {
    walk::down(x, I, J + 4, {glyph::v, glyph::vr});
    walk::unboundedLeft(x, I, J);
    here(x, I, J);
}

}  // namespace

// 10. After a corner: the start of a dropped branch or of a parallel coil.
void afterCorner(ScanContext& x, int16_t& I, int16_t& J) {
    if (x.C(I, J - 1) != glyph::ur) return;
    const std::string right4 = x.C(I, J + 4);
    if (right4 == glyph::ul || right4 == glyph::hu) {
        ORorORI(x, I, J);
        upToBranchOffAndRight(x, I, J);
    } else if (right4 == glyph::cross || right4 == glyph::vl) {
        ORorORI(x, I, J);
        downAndFarLeft(x, I, J);
    } else {
        junctionRun(x, I, J);
    }
}

// 11. After a tee-up: the block to the left is joined in series.
void afterTeeUp(ScanContext& x, int16_t& I, int16_t& J) {
    if (x.C(I, J - 1) != glyph::hu) return;
    const std::string right4 = x.C(I, J + 4);
    if (right4 == glyph::ul || right4 == glyph::hu) {
        ORorORI(x, I, J);
        callANB(x, I, J);
        upToBranchOffAndRight(x, I, J);
    } else if (right4 == glyph::cross || right4 == glyph::vl) {
        ORorORI(x, I, J);
        callANB(x, I, J);
        downAndFarLeft(x, I, J);
    } else {
        junctionRun(x, I, J);
    }
}

// 12. After a left tee.
void afterLeftTee(ScanContext& x, int16_t& I, int16_t& J) {
    if (x.C(I, J - 1) != glyph::vr) return;
    const std::string right4 = x.C(I, J + 4);
    if (right4 == glyph::h) {
        junctionRun(x, I, J);
    } else if (right4 == glyph::hd || right4 == glyph::vl || right4 == glyph::cross) {
        if (right4 == glyph::hd)
            LDorLDI(x, I, J);
        else
            ORorORI(x, I, J);
        walk::down(x, I, J + 4, {glyph::v, glyph::vr});
        if (glyph::isClosing(x.C(I, J + 4))) {
            walk::left(x, I, J);
            here(x, I, J);
        }
    } else if (right4 == glyph::hu || right4 == glyph::ul) {
        ORorORI(x, I, J);
        upToBranchOffAndRight(x, I, J);
    }
}

// An element after a junction followed by line pieces: a line that closes
// upward makes it a branch (OR), a plain line to the coil a series contact
// (AND); a line that stops short of the coil starts a block where it stops.
void junctionRun(ScanContext& x, int16_t& I, int16_t& J) {
    ScanState& w = x.ladder.scan;
    if (x.C(I, J + 6) != glyph::h) {
        LDorLDI(x, I, J);
    } else {
        w.ScanCol = J;
        J = s16(J + 5);
        while (x.C(I, J - 1) == glyph::h && J < x.sheet().rowEnd(I)) J = s16(J + 5);
        const bool line = x.C(I, J - 1) == glyph::h;
        if (!line) {
            if (glyph::isClosing(x.C(I, J - 1))) {
                J = s16(w.ScanCol);
                ORorORI(x, I, J);
            }
        } else if (J == x.sheet().rowEnd(I)) {
            J = s16(w.ScanCol);
            ANDorANI(x, I, J);
        } else {
            LDorLDI(x, I, J);
        }
    }
    right(x, I, J);
}

}  // namespace lp::step
