#pragma once
// The drawing rules that several placement commands share. Each works on
// the cursor (CurRow, CurCol) of the ladder unless it takes a column.
namespace lp {

class Ladder;

// While Cell(t, col) is blank, set it to "┃" and go one row up, starting at
// row fromRow. Returns the row of the stop cell (the first non-blank cell,
// left unchanged); a walk reaching past row 1 stops with row 0, outside.
// The walk counts on the shared LoopRow.
int upwardWalk(Ladder& ladder, int col, int fromRow);

// Contacts at the rail and END: only at column 1. Below the first rung,
// walk up column 1 from the name row; on the first rung set (1, 1) to "┃".
void leftRailRule(Ladder& ladder);

// An element whose last cell is "┛" at column col: walk up from the name
// row, then the stop cell gains a downward arm ("━"→"┳", "┻"→"╋",
// "┛"→"┫", "┗"→"┣").
void closingJoin(Ladder& ladder, int col);

// After a blank slot: "┗" at (CurRow, CurCol − 1), a walk up that column
// from the name row, then the short fix ("━"→"┳", "┻"→"╋").
void droppedBranchStart(Ladder& ladder);

// (CurRow, CurCol − 1): "┛" becomes "┻"; otherwise "┫" becomes "╋".
void continuationFix(Ladder& ladder);

}  // namespace lp
