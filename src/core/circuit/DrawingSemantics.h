#pragma once
// What the drawing does when it runs: rung by rung from the top, each coil
// receives the power that reaches its lead-in from the left rail through the
// closed contacts, over every path, bridges included. The coils of one rung
// all take the values the devices had when the rung began; their writes
// follow in drawing order (top to bottom) and a later rung reads them.
#include <vector>

#include "circuit/CircuitGraph.h"
#include "circuit/Devices.h"

namespace lp {

struct DrawingRun {
    std::vector<Write> writes;
    std::vector<int> rungOfWrite;  // index into Circuit::rungs of each write
};

// The power reaching each coil of the rung (in the order of Rung::coils),
// with the devices' values as `values` holds them.
std::vector<Bdd::Ref> rungPowerFlow(const Circuit& circuit, const Rung& rung, DeviceValues& values, Bdd& bdd);

DrawingRun runDrawing(const Circuit& circuit, DeviceTable& devices);

}  // namespace lp
