// Procedure: one call of the rung scan. The steps are not alternatives: a
// call falls through all of them.
#include "statement/Scan.h"

#include "statement/Emitters.h"
#include "statement/ScanSteps.h"

namespace lp {

void Procedure(ScanContext& x, int16_t& I, int16_t& J) {
    const Nesting nesting(x);
    if (x.sheet().emitted(I, J) != 0) return;  // handled already

    step::end(x, I, J);
    step::coil(x, I, J);
    step::firstRungStart(x, I, J);
    step::laterOnRowTwo(x, I, J);
    step::railStart(x, I, J);

    // Nothing below applies at the rail, on the first rung, or at or past
    // the row's coil.
    if (J < 6 || I < 3 || J >= x.sheet().rowEnd(I)) return;

    step::afterBranchOff(x, I, J);
    step::afterLine(x, I, J);
    step::afterCross(x, I, J);
    step::afterCorner(x, I, J);
    step::afterTeeUp(x, I, J);
    step::afterLeftTee(x, I, J);
}

namespace step {

void callORB(ScanContext& x, int16_t& I, int16_t& J) {
    int16_t J1 = s16(J + 5), I2 = s16(I - 2), J2 = s16(J + 5), signal = 0;
    ORB(x, I, J1, I2, J2, I, J, signal);
}

void callANB(ScanContext& x, int16_t& I, int16_t& J) {
    int16_t J1 = s16(J + 5), I2 = s16(I - 2), J2 = s16(J + 5), signal = 0;
    ANB(x, I, J1, I2, J2, I, J, signal);
}

}  // namespace step

}  // namespace lp
