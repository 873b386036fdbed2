#include "editor/Commands.h"
#include "sheet/Ladder.h"

namespace lp {

// "显示图形": print the sheet again; nothing else changes.
void Command17_Click(Ladder& ladder) { ladder.Fresh(); }

}  // namespace lp
