#pragma once
// What the drawing does when it runs: rung by rung from the top, each coil
// receives the power that reaches its lead-in from the left rail through the
// closed contacts, over every path, bridges included. The coils of one rung
// all take the values the devices had when the rung began; their writes
// follow in drawing order (top to bottom) and a later rung reads them.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "circuit/CircuitGraph.h"
#include "circuit/Devices.h"
#include "circuit/RungAnalysis.h"

namespace lp {

struct DrawingRun {
    std::vector<Write> writes;
    std::vector<int> rungOfWrite;  // index into Circuit::rungs of each write
    // The rungs (indices into Circuit::rungs) whose power through a bridge
    // took more than kBridgeSteps: their writes are not known, and no list
    // can be proved against the drawing.
    std::vector<int> unknownRungs;
};

// The steps of the decision diagram one rung's power through a bridge may
// take: a bridge whose function is small is proved, a larger one refused.
inline constexpr std::size_t kBridgeSteps = 100000;

// The power reaching each coil of the rung (in the order of Rung::coils),
// with the devices' values as `values` holds them: the least fixpoint of
// "the rail is powered; a point joined to a powered point by a closed
// contact is powered", which holds for any network, bridges included.
std::vector<Bdd::Ref> rungPowerFlow(const Circuit& circuit, const Rung& rung, DeviceValues& values, Bdd& bdd);

// The power through a series-parallel term: AND along a series, OR across
// a parallel. For a series-parallel network it equals the fixpoint above
// and costs one operation per contact.
Bdd::Ref termPower(const SpTerm& term, const Circuit& circuit, DeviceValues& values, Bdd& bdd);

// `analyses` holds one analysis per rung of Circuit::rungs. With
// `maxWrites`, the run stops after the rung that brings the writes to that
// many or more.
DrawingRun runDrawing(const Circuit& circuit, const std::vector<RungAnalysis>& analyses, DeviceTable& devices,
                      Reading reading, std::size_t maxWrites = SIZE_MAX);

}  // namespace lp
