#pragma once
// What must hold after every step of any session, whatever the user pressed
// or typed: the cursor, the counters, the cells, RowEnd, the marks, the
// enabled and visible states of the palette and the statement list.
#include <array>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "sheet/Sheet.h"

namespace lp {
class Ladder;
}

namespace lp::hardening {

using Violations = std::vector<std::string>;

// What the session has done that the state alone cannot tell.
struct SessionFacts {
    // Every three-character reply the name prompt was given.
    std::unordered_set<std::string> names;
    // Step backs per graphics row since the last re-edit: undoing a blank
    // slot or a parallel coil at column 1 leaves RowEnd one higher than
    // before the placement, so each can raise the row's bound by one.
    std::array<int, kLastRow + 1> stepBacks{};
    // The last statement list found well-formed (it rarely changes, and
    // parsing it after every step would cost more than the step).
    mutable std::string checkedList;
    mutable std::size_t checkedNames = 0;
};

// How much of the sheet a check reads. After a step of a session it is
// enough to read the cells down to two rows below the cursor (no command
// writes below its own rung; the full check at the end of a session sees
// it if one did) and the marks only when convert or re-edit ran (nothing
// else touches them); reading it all costs more than the step itself.
struct CheckDepth {
    bool allRows = true;
    bool marks = true;
};

// Checks every invariant and appends one line per broken one. Returns a
// fingerprint of the cells read and of RowEnd (for "nothing changed" checks
// between two states with the same cursor row).
uint64_t checkInvariants(const Ladder& ladder, const SessionFacts& facts, Violations& out, CheckDepth depth = {});

// True when the list is made only of well-formed instruction lines: a
// four-character mnemonic and a cell's text (a glyph, a given name or
// nothing) for the element instructions, "ANB ", "ORB ", "MPS ", "MRD "
// and "MPP " alone, "END", each ended by CR LF.
bool isWellFormedList(const std::string& list, const std::unordered_set<std::string>& names);

// The glyph texts the commands write into graphics rows.
bool isGraphicsGlyph(const std::string& text);

}  // namespace lp::hardening
