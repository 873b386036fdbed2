#pragma once
// The instruction list built from the circuit itself: for each rung from the
// top and each coil, the part of the rung that carries power from the rail
// to the coil's lead-in, decomposed into series and parallel parts. A series
// part is its first part followed by AND/ANI for a single contact or by a
// sub-block LD ... ANB; a parallel part is its first branch followed by
// OR/ORI for a single contact or by a sub-block LD ... ORB. Coils hanging
// from the same point follow one another as OUT lines; coils hanging from
// different points share the part before the point where they part, which
// is written once and kept on the branch stack (MPS, MRD, MPP), or, when
// asked, each coil gets its own copy of the shared part. A coil fed through
// a bridge gets the list of its paths, where they are few.
#include <optional>
#include <string>
#include <vector>

#include "circuit/CircuitGraph.h"
#include "circuit/InstructionList.h"
#include "circuit/Refusal.h"
#include "circuit/RungAnalysis.h"

namespace lp {

struct StructuralResult {
    bool ok = false;
    std::string list;  // CR LF after every line; empty when refused
    int rung_row = 0;  // refused: the graphics row the message names
    RefusalReason reason = RefusalReason::NoCoil;
    std::string message;  // refused: the message box text
};

// The lines for one series-parallel term, as a block that starts with LD or LDI.
void emitBlock(const SpTerm& term, const Circuit& circuit, std::vector<Instruction>& out);

struct BuiltLines {
    std::vector<Instruction> lines;  // the rungs above the first that cannot be written; no END
    std::optional<Refusal> refused;  // why that rung cannot be written
    int refusedRung = -1;            // and its index into Circuit::rungs
};

// The refusal of a rung fed through a bridge: it names the contact that
// makes the bridge of its first coil so fed.
Refusal bridgeRefusal(const Circuit& circuit, const Rung& rung, const RungAnalysis& analysis);

// `analyses` holds one analysis per rung of Circuit::rungs. `branched`:
// coils hanging from different points share their common part through the
// branch stack (where the points nest no deeper than the stack goes); else
// each gets its own copy of it.
BuiltLines buildLines(const Circuit& circuit, const std::vector<RungAnalysis>& analyses, bool branched = true);

// The result for a refusal, with its message.
StructuralResult refusedResult(const Refusal& refusal);

}  // namespace lp
