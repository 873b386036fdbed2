#pragma once
// The emitters: each appends at most one line of its own to StatementList.
//
// Element emitters: (I1, J1) is the element's graphics row and start
// column; they are read, never changed. Each marks Emitted(I1, J1) on its
// first call and does nothing on later ones.
//
// Block joins: seven values passed by reference. I1, J1 go on to the partner
// call; (I2, J2) lies on the upper side of the junction, (I3, J3) on the
// lower side; signal is 0 from the scan and 1 from the partner. While the
// partner runs, I2, J2, I3, J3 hold the partner's values; all four are put
// back when it returns. Joined marks a handled junction.
#include <cstdint>

namespace lp {

class ScanContext;

// "LD  " for a normally-open type cell, "LDI " for a normally-closed one.
void LDorLDI(ScanContext& x, int16_t& I1, int16_t& J1);
// "AND " / "ANI ".
void ANDorANI(ScanContext& x, int16_t& I1, int16_t& J1);
// "OR  " / "ORI ".
void ORorORI(ScanContext& x, int16_t& I1, int16_t& J1);
// "OUT " and the coil's name from column 53 of the name row.
void OUT(ScanContext& x, int16_t& I1, int16_t& J1);

// Series join of two blocks: "ANB ".
void ANB(ScanContext& x, int16_t& I1, int16_t& J1, int16_t& I2, int16_t& J2, int16_t& I3, int16_t& J3,
         int16_t& signal);
// Parallel join of two blocks: "ORB ".
void ORB(ScanContext& x, int16_t& I1, int16_t& J1, int16_t& I2, int16_t& J2, int16_t& I3, int16_t& J3,
         int16_t& signal);

}  // namespace lp
