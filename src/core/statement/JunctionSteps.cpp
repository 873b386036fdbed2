// Steps 7 to 9 of a scan call: an element after a branch-off ("┳"), after a
// line ("━") or after a crossing ("╋") on a row below the first rung.
#include "sheet/Glyphs.h"
#include "statement/Emitters.h"
#include "statement/ScanSteps.h"
#include "statement/ScanWalks.h"

namespace lp::step {

namespace {

// Down column J + 4 past the rails of a branch; at its closing glyph, back
// left along that row and scan from there.
void downToClosing(ScanContext& x, int16_t& I, int16_t& J) {
    walk::down(x, I, J + 4, {glyph::v, glyph::vr});
    if (glyph::isClosing(x.C(I, J + 4))) {
        walk::left(x, I, J);
        here(x, I, J);
    }
}

// 7.1: the element is followed by a line.
void branchOffBeforeLine(ScanContext& x, int16_t& I, int16_t& J) {
    ScanState& w = x.ladder.scan;
    if (x.C(I, J + 7) == glyph::h) {
        ANDorANI(x, I, J);
        right(x, I, J);
        return;
    }
    w.ScanCol = J;
    J = s16(J + 5);
    while (x.C(I, J + 4) == glyph::h && J < x.sheet().rowEnd(I)) J = s16(J + 5);
    const bool lineToEnd = x.C(I, J + 4) == glyph::h;
    J = s16(w.ScanCol);
    if (lineToEnd)
        ANDorANI(x, I, J);
    else
        LDorLDI(x, I, J);
    right(x, I, J);
}

// 7.2 and 7.3: the element ends in a junction ("╋" or "┫" for 7.2, "┳" for
// 7.3). They differ only where the branch below does not close.
void branchOffBeforeJunction(ScanContext& x, int16_t& I, int16_t& J, bool rightJunction) {
    ScanState& w = x.ladder.scan;
    w.SaveRow = I;
    walk::down(x, I, J - 1, {glyph::v, glyph::vl});
    const std::string below4 = x.C(I, J - 1);
    if (below4 == glyph::cross || below4 == glyph::hu) {
        I = s16(w.SaveRow);
        LDorLDI(x, I, J);
        below(x, I, J);
    } else if (below4 == glyph::ul) {
        I = s16(w.SaveRow);
        ANDorANI(x, I, J);
        walk::down(x, I, J + 4, {glyph::v, glyph::vr});
        if (glyph::isClosing(x.C(I, J + 4))) {
            walk::left(x, I, J);
            here(x, I, J);
        } else if (rightJunction) {
            I = s16(w.SaveRow - 2);
            while (isAny(x.C(I, J + 4), {glyph::vl, glyph::v})) I = s16(I - 2);
            right(x, I, J);
        } else {
            I = s16(w.SaveRow);
            right(x, I, J);
        }
    }
}

}  // namespace

// 7. After a branch-off.
void afterBranchOff(ScanContext& x, int16_t& I, int16_t& J) {
    if (x.C(I, J - 1) != glyph::hd) return;
    const std::string right4 = x.C(I, J + 4);
    if (right4 == glyph::h)
        branchOffBeforeLine(x, I, J);
    else if (right4 == glyph::cross || right4 == glyph::vl)
        branchOffBeforeJunction(x, I, J, true);
    else if (right4 == glyph::hd)
        branchOffBeforeJunction(x, I, J, false);
}

// 8. After a line: a contact in series (a line piece gives no line).
void afterLine(ScanContext& x, int16_t& I, int16_t& J) {
    if (x.C(I, J - 1) != glyph::h) return;
    ScanState& w = x.ladder.scan;
    const bool contact = x.C(I, J + 2) != glyph::h;
    if (contact) ANDorANI(x, I, J);
    const std::string right4 = x.C(I, J + 4);
    if (right4 == glyph::h) {
        right(x, I, J);
    } else if (right4 == glyph::hd) {
        w.SaveRow = I;
        walk::down(x, I, J + 4, {glyph::v, glyph::vr});
        if (glyph::isClosing(x.C(I, J + 4))) {
            walk::left(x, I, J);
            here(x, I, J);
        } else {
            I = s16(w.SaveRow);
            right(x, I, J);
        }
    } else if (right4 == glyph::vl || right4 == glyph::cross) {
        if (x.C(I, J + 2) != glyph::h) callORB(x, I, J);
        downToClosing(x, I, J);
    } else if (right4 == glyph::hu || right4 == glyph::ul) {
        // A branch closes upward here: a block of more than one contact on
        // this row is joined in parallel.
        w.SaveRow = 0;
        w.ScanCol = 3;
        while (w.ScanCol < J + 5) {
            if (x.C(I, w.ScanCol) != glyph::h) w.SaveRow += 1;
            w.ScanCol += 5;
        }
        if (w.SaveRow > 1) callORB(x, I, J);
        walk::up(x, I, J + 4, {glyph::v, glyph::vl, glyph::cross});
        if (x.C(I, J + 4) == glyph::hd) right(x, I, J);
    }
}

// 9. After a crossing.
void afterCross(ScanContext& x, int16_t& I, int16_t& J) {
    if (x.C(I, J - 1) != glyph::cross) return;
    ScanState& w = x.ladder.scan;
    if (isAny(x.C(I, J + 4), {glyph::ul, glyph::hu})) {
        ORorORI(x, I, J);
        walk::up(x, I, J - 1, {glyph::v, glyph::vl});
        if (x.C(I, J - 1) == glyph::hd) here(x, I, J);
        return;
    }
    w.ScanCol = J;
    J = s16(J + 5);
    while (x.C(I, J - 1) == glyph::h && J != x.sheet().rowEnd(I)) J = s16(J + 5);
    if (J == x.sheet().rowEnd(I)) {
        J = s16(w.ScanCol);
        ANDorANI(x, I, J);
        right(x, I, J);
    } else if (isAny(x.C(I, J - 1), {glyph::cross, glyph::hd})) {
        w.HoldPos = J;
        J = s16(w.ScanCol);
        LDorLDI(x, I, J);
        if (w.HoldPos == J + 5) {
            walk::down(x, I, J - 1, {glyph::v, glyph::vl});
            here(x, I, J);
        } else {
            right(x, I, J);
        }
    } else if (isAny(x.C(I, J - 1), {glyph::ul, glyph::hu})) {
        w.HoldPos = J;
        J = s16(w.ScanCol);
        if (w.HoldPos == J + 5) {
            ANDorANI(x, I, J);
            J = w.HoldPos;
            walk::up(x, I, J - 1, {glyph::v, glyph::vl, glyph::cross});
            if (x.C(I, J - 1) == glyph::hd) here(x, I, J);
        } else {
            LDorLDI(x, I, J);
            right(x, I, J);
        }
    }
}

}  // namespace lp::step
