#pragma once
// The list and the drawing run once with plain Boolean values: to find the
// fault of a list's structure without a proof, and a start of a scan under
// which a list and the drawing end apart (a witness, exact as it stands).
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "circuit/CircuitGraph.h"
#include "circuit/InstructionList.h"

namespace lp {

using DeviceStates = std::unordered_map<std::string, bool>;  // a device missing is off

struct BooleanListRun {
    ListFault fault = ListFault::None;
    std::size_t faultLine = 0;  // 1-based, as runList tells it
    bool endsWithEnd = false;
};

// Runs the lines, every write taking effect in `states` at once; stops at a
// fault of the list's structure, which does not depend on the values.
BooleanListRun runListOnStates(const std::vector<Instruction>& lines, DeviceStates& states);

// Runs the drawing rung by rung: every coil of a rung takes the power that
// reaches its lead-in with the states from before the rung, over every
// path, then the rung's coils write.
void runDrawingOnStates(const Circuit& circuit, DeviceStates& states);

}  // namespace lp
