#include "app/Buttons.h"

#include "editor/Commands.h"
#include "sheet/Ladder.h"
#include "statement/Convert.h"

namespace lp {

namespace {
using Command = void (*)(Ladder&);

Command commandFor(int n) {
    switch (n) {
    case 17: return Command17_Click;
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

}  // namespace lp
