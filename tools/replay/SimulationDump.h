#pragma once
// The replay tool's lines for the check and the simulation.
#include <string>

namespace lp {

class SimulationSession;
struct ListVerdict;

// "check: ok", "check: line K: TEXT", "check: differs: NAME=V ...: COIL
// drawing=V list=V" or "check: refused: TEXT", with its line end; then
// "check: note: TEXT" when the verdict has a note.
std::string checkLine(const ListVerdict& verdict);

// The dump's section of a running simulation: "sim:", "scans=N next=K",
// "stack=...", for a list that uses the branch stack "branch=...",
// "devices: NAME=V ...", "differs: ...", "powered:" and a
// "ROW:MASK" line for each graphics row with an energized cell.
std::string simulationSection(SimulationSession& session);

}  // namespace lp
