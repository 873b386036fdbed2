#pragma once
// The editing state that every palette command advances, and the three work
// values of the rung scan.
#include <cstdint>
#include <string>

namespace lp {

struct EditState {
    int CurRow = 2;          // graphics row of the rung being drawn (even)
    int CurCol = 1;          // column where the next element starts
    std::string DeviceName;  // last name accepted by the name prompt
    int16_t LastWidth = 5;   // width of the last element placed
    int16_t PrevWidth = 0;   // LastWidth before the last placement
    int LastKind = 0;        // kind code (button number) of the last element
    int16_t PrevKind = 0;    // LastKind before the last placement
    int16_t CoilFromCol = 0; // CurCol when the last coil was placed
    int LoopRow = 0;         // shared loop counters of the walks and loops
    int LoopCol = 0;
};

// Work values of the rung scan, shared by every level of its recursion and
// kept from one conversion to the next.
struct ScanState {
    int SaveRow = 0;
    int ScanCol = 0;
    int16_t HoldPos = 0;
};

}  // namespace lp
