#pragma once
// Each rung as a network of contacts from the rail to its coils: which coil
// can be fed at all, and the series-parallel form of the part of the rung
// that feeds it.
#include <vector>

#include "circuit/CircuitGraph.h"
#include "circuit/SeriesParallel.h"

namespace lp {

// How a coil is fed.
enum class Feed {
    Term,               // through the series-parallel term RungAnalysis::terms[term]
    OnRail,             // by wire from the rail, through no contact: always on
    Nothing,            // no path from the rail: never on
    NotSeriesParallel,  // through a bridge, RungAnalysis::bridges[term]
};

struct CoilFeed {
    Feed feed = Feed::Nothing;
    int term = -1;
};

// The part of a rung that carries power from the rail (point 0) to a lead-in
// (point `to`) through a bridge: its contacts between local points, and the
// contact (an index into Circuit::contacts) with which, drawn in order,
// the part stops being series and parallel parts.
struct BridgedBlock {
    std::vector<NetworkEdge> edges;
    int to = 0;
    int bridge = -1;
};

struct RungAnalysis {
    std::vector<CoilFeed> coils;         // in the order of Rung::coils
    std::vector<SpTerm> terms;           // one per lead-in net that a term feeds
    std::vector<BridgedBlock> bridges;   // one per lead-in net fed through a bridge
};

RungAnalysis analyseRung(const Circuit& circuit, const Rung& rung);

// One analysis per rung of Circuit::rungs, in that order.
std::vector<RungAnalysis> analyseRungs(const Circuit& circuit);

}  // namespace lp
