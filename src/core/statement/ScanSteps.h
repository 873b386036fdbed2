#pragma once
// The steps of one scan call, in the order every call performs them. Each
// step tests its own condition with the current I and J, which earlier steps
// and the calls they made may have changed; a step that does not apply does
// nothing. All of them work on the caller's I and J.
#include <cstdint>

#include "statement/Scan.h"

namespace lp::step {

void end(ScanContext& x, int16_t& I, int16_t& J);                // 1
void coil(ScanContext& x, int16_t& I, int16_t& J);               // 2
void firstRungStart(ScanContext& x, int16_t& I, int16_t& J);     // 3
void laterOnRowTwo(ScanContext& x, int16_t& I, int16_t& J);      // 4
void railStart(ScanContext& x, int16_t& I, int16_t& J);          // 5
void afterBranchOff(ScanContext& x, int16_t& I, int16_t& J);     // 7
void afterLine(ScanContext& x, int16_t& I, int16_t& J);          // 8
void afterCross(ScanContext& x, int16_t& I, int16_t& J);         // 9
void afterCorner(ScanContext& x, int16_t& I, int16_t& J);        // 10
void afterTeeUp(ScanContext& x, int16_t& I, int16_t& J);         // 11
void afterLeftTee(ScanContext& x, int16_t& I, int16_t& J);       // 12

// The series runs: how a contact followed by plain line pieces is read.
void railRun(ScanContext& x, int16_t& I, int16_t& J);
void junctionRun(ScanContext& x, int16_t& I, int16_t& J);

// Recursive calls. The row is always the caller's I by reference; the
// column is the caller's J (here), or a fresh copy of J + 5 (right).
inline void here(ScanContext& x, int16_t& I, int16_t& J) { Procedure(x, I, J); }
inline void right(ScanContext& x, int16_t& I, int16_t J) {
    int16_t next = s16(J + 5);
    Procedure(x, I, next);
}
// A fresh copy of I + 2 with the caller's J by reference.
inline void below(ScanContext& x, int16_t I, int16_t& J) {
    int16_t next = s16(I + 2);
    Procedure(x, next, J);
}

// The block joins as the scan calls them from its element at (I, J):
// (I, J + 5, I - 2, J + 5, I, J, 0), where I1, I3 and J3 are the caller's
// I, I and J and the others fresh copies.
void callORB(ScanContext& x, int16_t& I, int16_t& J);
void callANB(ScanContext& x, int16_t& I, int16_t& J);

}  // namespace lp::step
