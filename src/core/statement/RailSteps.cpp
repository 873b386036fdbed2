// Steps 1 to 5 of a scan call: END, the coil, and the elements that start a
// rung or a branch at the left rail or lie on the first rung.
#include "sheet/Glyphs.h"
#include "statement/Emitters.h"
#include "statement/ScanSteps.h"
#include "statement/ScanWalks.h"
#include "statement/StatementLines.h"

namespace lp::step {

// 1. The END element lies at the cursor.
void end(ScanContext& x, int16_t& I, int16_t& J) {
    if (x.ladder.state.CurRow == I && x.ladder.state.CurCol == J)
        mnemonic::appendLine(x.ladder.StatementList, mnemonic::END);
}

// 2. Reaching the row's RowEnd is reaching its coil. After it, go down the
// right rail to the next coil, or on to the rail start below.
void coil(ScanContext& x, int16_t& I, int16_t& J) {
    if (J != x.sheet().rowEnd(I)) return;
    OUT(x, I, J);
    while (x.C(I + 2, 56) == glyph::v) I = s16(I + 2);
    if (x.C(I + 2, 56) == glyph::vl && I <= x.ladder.state.CurRow) {
        I = s16(I + 2);
        J = x.sheet().rowEnd(I);
        walk::left(x, I, J);
        here(x, I, J);
    } else {
        int16_t railColumn = 1;
        Procedure(x, I, railColumn);
    }
}

// 3. The first rung's contact at the rail.
void firstRungStart(ScanContext& x, int16_t& I, int16_t& J) {
    if (!(I == 2 && J == 1)) return;
    LDorLDI(x, I, J);
    if (x.C(I, J + 4) == glyph::h) {
        right(x, I, J);
    } else if (x.C(I, J + 4) == glyph::hd) {
        walk::down(x, I, J, {glyph::v});
        here(x, I, J);
    }
}

namespace {

// 4.1: a series contact on the first rung.
void seriesOnRowTwo(ScanContext& x, int16_t& I, int16_t& J) {
    ScanState& w = x.ladder.scan;
    ANDorANI(x, I, J);
    if (x.C(I, J + 4) != glyph::hd) {
        right(x, I, J);
        return;
    }
    w.SaveRow = I;
    walk::down(x, I, J + 4, {glyph::vr, glyph::v});
    if (glyph::isClosing(x.C(I, J + 4))) {
        walk::left(x, I, J);
        here(x, I, J);
    } else if (x.C(I, J + 4) == glyph::ur) {
        I = s16(w.SaveRow);
        right(x, I, J);
    }
}

// 4.2: an element on the first rung that is neither after a line nor
// followed by one.
void junctionOnRowTwo(ScanContext& x, int16_t& I, int16_t& J) {
    ScanState& w = x.ladder.scan;
    w.SaveRow = I;
    walk::down(x, I, J - 1, {glyph::v, glyph::vl});
    if (x.C(I, J - 1) != glyph::ul) {
        w.HoldPos = I;
        I = s16(w.SaveRow);
        LDorLDI(x, I, J);
        I = w.HoldPos;
        here(x, I, J);
        return;
    }
    I = s16(w.SaveRow);
    ANDorANI(x, I, J);
    I = s16(w.SaveRow + 2);
    J = s16(J + 5);
    while (isAny(x.C(I, J - 1), {glyph::vr, glyph::v})) I = s16(I + 2);
    if (glyph::isClosing(x.C(I, J - 1))) {
        do {
            J = s16(J - 5);
        } while (isAny(x.C(I, J - 1), {glyph::hd, glyph::h}));
        here(x, I, J);
    }
}

// 4.3: an element on the first rung followed by a line.
void beforeLineOnRowTwo(ScanContext& x, int16_t& I, int16_t& J) {
    ScanState& w = x.ladder.scan;
    w.ScanCol = J + 5;
    while (w.ScanCol < x.sheet().rowEnd(I) && x.C(I, w.ScanCol - 1) == glyph::h) w.ScanCol += 5;
    if (x.C(I, w.ScanCol - 1) == glyph::h) {
        // A plain line up to the coil.
        ANDorANI(x, I, J);
        right(x, I, J);
        return;
    }
    w.SaveRow = I;
    walk::down(x, I, J - 1, {glyph::vl, glyph::v});
    const bool closesHere = x.C(I, J - 1) == glyph::ul;
    I = s16(w.SaveRow);
    if (closesHere)
        ANDorANI(x, I, J);
    else
        LDorLDI(x, I, J);
    right(x, I, J);
}

}  // namespace

// 4. A later element of the first rung.
void laterOnRowTwo(ScanContext& x, int16_t& I, int16_t& J) {
    if (!(I == 2 && J > 1 && J < x.sheet().rowEnd(I))) return;
    if (x.C(I, J - 1) == glyph::h)
        seriesOnRowTwo(x, I, J);
    else if (x.C(I, J + 4) != glyph::h)
        junctionOnRowTwo(x, I, J);
    else
        beforeLineOnRowTwo(x, I, J);
}

// 5. A rung or branch that starts at the left rail below the first rung.
void railStart(ScanContext& x, int16_t& I, int16_t& J) {
    if (!(I > 2 && J == 1)) return;
    const std::string right4 = x.C(I, J + 4);
    if (right4 == glyph::vl || right4 == glyph::cross) {
        ORorORI(x, I, J);
        below(x, I, J);
    } else if (right4 == glyph::vr || right4 == glyph::v) {
        below(x, I, J);
    } else if (right4 == glyph::hd) {
        LDorLDI(x, I, J);
        below(x, I, J);
    } else if (right4 == glyph::hu || right4 == glyph::ul) {
        ORorORI(x, I, J);
        walk::upToBranchOff(x, I, J + 4);
        right(x, I, J);
    } else if (right4 == glyph::h) {
        railRun(x, I, J);
    }
}

// A contact at the rail followed by line pieces: a plain line to a coil
// makes it a rung start (LD), a line that closes upward makes it a branch
// (OR).
void railRun(ScanContext& x, int16_t& I, int16_t& J) {
    ScanState& w = x.ladder.scan;
    if (x.C(I, J + 6) != glyph::h) {
        LDorLDI(x, I, J);
    } else {
        w.ScanCol = J;
        J = s16(J + 5);
        while (x.C(I, J - 1) == glyph::h && J < x.sheet().rowEnd(I)) J = s16(J + 5);
        if (x.C(I, J - 1) == glyph::h) {
            J = s16(w.ScanCol);
            LDorLDI(x, I, J);
        } else if (glyph::isClosing(x.C(I, J - 1))) {
            J = s16(w.ScanCol);
            ORorORI(x, I, J);
        }
    }
    right(x, I, J);
}

}  // namespace lp::step
