#pragma once
// Each rung as a network of contacts from the rail to its coils: which coil
// can be fed at all, and the series-parallel form of the part of the rung
// that feeds it.
#include <optional>
#include <unordered_map>
#include <vector>

#include "circuit/CircuitGraph.h"
#include "circuit/SeriesParallel.h"

namespace lp {

// The rung's nets as points, the rail as point 0, its contacts as edges.
struct RungNetwork {
    std::unordered_map<int, int> point;  // net -> point
    std::vector<NetworkEdge> edges;      // NetworkEdge::contact indexes Circuit::contacts
    std::vector<std::vector<int>> neighbours;

    RungNetwork(const Circuit& circuit, const Rung& rung);
    int pointCount() const { return static_cast<int>(neighbours.size()); }
    // Whether wire and contacts, all taken as closed, lead from the rail to the net.
    bool reachesRail(int net) const;

private:
    int pointOf(int net);
};

// How a coil is fed.
enum class Feed {
    Term,               // through the series-parallel term RungAnalysis::terms[term]
    OnRail,             // by wire from the rail, through no contact: always on
    Nothing,            // no path from the rail: never on
    NotSeriesParallel,  // through a bridge
};

struct CoilFeed {
    Feed feed = Feed::Nothing;
    int term = -1;
};

struct RungAnalysis {
    RungNetwork network;
    std::vector<CoilFeed> coils;  // in the order of Rung::coils
    std::vector<SpTerm> terms;    // one per lead-in net that a term feeds
};

RungAnalysis analyseRung(const Circuit& circuit, const Rung& rung);

}  // namespace lp
