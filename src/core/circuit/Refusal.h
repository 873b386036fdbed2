#pragma once
// Why a rung cannot be written as an instruction list, and how the user is
// told: "第N行：<why>，无法生成语句表", N being the rung's graphics row.
#include <string>

namespace lp {

enum class RefusalReason {
    NoCoil,                   // contacts that drive no coil
    CoilJoinedToNothing,      // no wire leads from the coil to the left rail
    ParallelCoilWithoutCoil,  // a parallel coil hung where no coil is above
    CoilOnRail,               // a coil wired straight to the left rail, no contact between
    NotSeriesParallel,        // a bridge with more paths than a list can spell out
    RereadsOwnCoil,           // a branch would read a coil the rung has just written
    TooComplex,               // the proof outgrew its memory
};

// A rung that cannot be written: why, the graphics row to name (the coil's
// row for a fault of one coil, the row of the contact that makes a bridge,
// else the rung's first row) and the coil; for a bridge, the contact that
// makes it (`coil` then holds its name) and its first column.
struct Refusal {
    RefusalReason reason = RefusalReason::NoCoil;
    int row = 0;
    std::string coil;
    int col = 0;
};

// The message box text. `coil` names the coil for the reasons about one
// coil, the contact for a bridge, which stands at column `col`.
std::string refusalMessage(RefusalReason reason, int row, const std::string& coil, int col = 0);

}  // namespace lp
