// ANB and ORB: the joins of two blocks of a parallel structure. Each marks
// the junction it handles in Joined, writes its line only when its own tests
// succeed, and may hand the junction on to the other.
//
// Every search loop that tests a cell stops as soon as that cell lies outside
// the sheet, its variable keeping the value it has then.
#include "sheet/Glyphs.h"
#include "statement/CellTests.h"
#include "statement/Emitters.h"
#include "statement/ScanContext.h"
#include "statement/StatementLines.h"

namespace lp {

namespace {

// Gate and mark shared by both joins: a junction is handled once. From the
// scan (signal 0) the junction is (I2 + 2, J3), from the partner (I2, J3).
bool claimJunction(Sheet& sheet, int16_t I2, int16_t J3, int16_t signal) {
    const bool open = (signal == 1 && sheet.joined(I2, J3) == 0) || (signal == 0 && sheet.joined(I2 + 2, J3) == 0);
    if (!open) return false;
    if (signal != 0)
        sheet.setJoined(I2, J3, 1);
    else
        sheet.setJoined(I2 + 2, J3, 1);
    return true;
}

using Join = void (*)(ScanContext&, int16_t&, int16_t&, int16_t&, int16_t&, int16_t&, int16_t&, int16_t&);

// Calls the partner with I2 := upperRow and J3 := lowerStart while it runs,
// then gives I2, J2, I3 and J3 back the values they had.
void callPartner(Join partner, ScanContext& x, int16_t& I1, int16_t& J1, int16_t& I2, int16_t& J2, int16_t& I3,
                 int16_t& J3, int16_t upperRow, int16_t lowerStart) {
    const int16_t savedI2 = I2, savedJ2 = J2, savedI3 = I3, savedJ3 = J3;
    I2 = upperRow;
    J3 = lowerStart;
    int16_t fromPartner = 1;
    partner(x, I1, J1, I2, J2, I3, J3, fromPartner);
    I2 = savedI2;
    J2 = savedJ2;
    I3 = savedI3;
    J3 = savedJ3;
}

}  // namespace

void ANB(ScanContext& x, int16_t& I1, int16_t& J1, int16_t& I2, int16_t& J2, int16_t& I3, int16_t& J3,
         int16_t& signal) {
    const Nesting nesting(x);
    if (!claimJunction(x.sheet(), I2, J3, signal)) return;

    // The branch-off row above the lower branch.
    int16_t T = s16(I3 - 2);
    while (Sheet::inside(T, J3 - 1) && x.C(T, J3 - 1) != glyph::hd) T = s16(T - 2);

    // The upper row. The test looks at (I2, J2 - 1) whatever U is.
    int16_t U;
    if (I2 > T && signal == 0) {
        U = s16(I2 - 2);
        while (U > T && Sheet::inside(I2, J2 - 1) && x.C(I2, J2 - 1) != glyph::hd) U = s16(U - 2);
    } else {
        U = I2;
    }

    // Without a matching upper row the lower branch's start is unknown: no
    // line, and nothing to hand on.
    if (T != U) return;

    // Start column of the lower chain.
    int16_t M = J3;
    while (isAny(x.C(I3, M - 1), {glyph::hu, glyph::h})) M = s16(M - 5);

    // Walk the upper row left from the junction.
    int16_t K = s16(J2 - 5);
    while (x.C(U, K - 1) == glyph::h && K > J3) K = s16(K - 5);
    if (K == J3) {
        while (isAny(x.C(U, K - 1), {glyph::hd, glyph::h})) K = s16(K - 5);
        if (K == M) {
            int16_t P = s16(U + 2);
            if (K != 1)
                while (isAny(x.C(P, K - 1), {glyph::vr, glyph::v})) P = s16(P + 2);
            if (K == 1)
                while (P < I3) P = s16(P + 2);
            if (P == I3) mnemonic::appendLine(x.ladder.StatementList, mnemonic::ANB);
        }
    }

    if (isAny(x.C(U, J2 - 1), {glyph::cross, glyph::vl})) callPartner(ORB, x, I1, J1, I2, J2, I3, J3, U, M);
}

void ORB(ScanContext& x, int16_t& I1, int16_t& J1, int16_t& I2, int16_t& J2, int16_t& I3, int16_t& J3,
         int16_t& signal) {
    const Nesting nesting(x);
    if (!claimJunction(x.sheet(), I2, J3, signal)) return;

    int16_t T = signal == 1 ? s16(I2 - 2) : I2;

    // Start column of the lower chain.
    int16_t M = J3;
    while (x.C(I3, M - 1) == glyph::h) M = s16(M - 5);

    // The upper chain that starts at the same column: rows T, T - 2, ...
    // are tried until one leads left from the junction to column M.
    bool tried = false;
    int16_t R = 0;
    int16_t K = 0;
    while (T >= 2) {
        R = T;
        K = s16(J2 - 5);
        tried = true;
        bool reached = false;
        for (;;) {
            if (!isAny(x.C(R, K - 1), {glyph::hd, glyph::h})) {
                T = s16(T - 2);
                break;
            }
            K = s16(K - 5);
            if (K == M) {
                reached = true;
                break;
            }
        }
        if (reached) break;
    }
    // No row above to try: the junction has no upper block.
    if (!tried) return;

    // Down from the upper chain's start to the lower one.
    int16_t P = s16(R + 2);
    while ((K == 1 || isAny(x.C(P, K - 1), {glyph::vr, glyph::v})) && P < I3)
        P = s16(P + 2);

    if (P == I3) {
        // A clear row: every tested cell between the two chains' starts is
        // a line or a tee-up. The first clear row settles it.
        bool clearRow = false;
        for (int X = R; X <= I3 && !clearRow; X += 2) {
            bool blocked = false;
            for (int Z = K + 5; Z <= J2 - 5; Z += 5) {
                if (!isAny(x.C(X, Z - 1), {glyph::hu, glyph::h})) {
                    blocked = true;
                    break;
                }
            }
            clearRow = !blocked;
        }
        if (clearRow) mnemonic::appendLine(x.ladder.StatementList, mnemonic::ORB);
    }

    if (x.C(I3, M - 1) == glyph::hu) callPartner(ANB, x, I1, J1, I2, J2, I3, J3, T, M);
}

}  // namespace lp
