#include "app/Buttons.h"

#include "editor/Commands.h"
#include "sheet/Ladder.h"
#include "simulation/SimulationSession.h"
#include "statement/Convert.h"

namespace lp {

namespace {
using Command = void (*)(Ladder&);

Command commandFor(int n) {
    switch (n) {
    case 1: return Command1_Click;
    case 2: return Command2_Click;
    case 3: return Command3_Click;
    case 4: return Command4_Click;
    case 5: return Command5_Click;
    case 6: return Command6_Click;
    case 7: return Command7_Click;
    case 8: return Command8_Click;
    case 9: return Command9_Click;
    case 10: return Command10_Click;
    case 11: return Command11_Click;
    case 12: return Command12_Click;
    case 13: return Command13_Click;
    case 15: return Command15_Click;
    case 16: return Command16_Click;
    case 17: return Command17_Click;
    case 18: return Command18_Click;
    case 19: return Command19_Click;
    case 21: return Command21_Click;
    case 22: return Command22_Click;
    default: return nullptr;
    }
}
}  // namespace

ClickResult pressButton(Ladder& ladder, int n) {
    if (!ladder.palette.enabled(n) || !ladder.palette.visible(n)) return ClickResult::Ignored;
    if (n == 14 || n == 20) return ClickResult::Exit;
    Command command = commandFor(n);
    if (!command) return ClickResult::NotBuilt;
    command(ladder);
    return ClickResult::Done;
}

ClickResult pressButton(Ladder& ladder, SimulationSession& simulation, int n) {
    if (ladder.palette.enabled(n) && ladder.palette.visible(n)) simulation.stop();
    return pressButton(ladder, n);
}

}  // namespace lp
