#include "editor/PlacementGuard.h"

#include "sheet/Ladder.h"

namespace lp {

namespace {
bool refuse(Ladder& ladder, bool refused, const char* text) {
    if (refused) ladder.message(text);
    return refused;
}
}  // namespace

bool refuseSlot(Ladder& ladder) {
    const int col = ladder.state.CurCol;
    return refuse(ladder, col < 1 || col + 4 > kElementAreaEnd, kNoSlotLeft);
}

bool refuseEnd(Ladder& ladder) {
    const int col = ladder.state.CurCol;
    return refuse(ladder, col < 1 || col + 9 > kLastCol, kNoSlotLeft);
}

bool refuseLineFeed(Ladder& ladder) {
    return refuse(ladder, ladder.state.CurRow + 2 > kLastRow, kLastRowReached);
}

bool refuseParallelCoil(Ladder& ladder) {
    return refuse(ladder, ladder.state.CurRow <= 2, kNoCoilAbove);
}

}  // namespace lp
