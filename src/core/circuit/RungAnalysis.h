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
    NotSeriesParallel,  // through a bridge
};

struct CoilFeed {
    Feed feed = Feed::Nothing;
    int term = -1;
};

struct RungAnalysis {
    std::vector<CoilFeed> coils;  // in the order of Rung::coils
    std::vector<SpTerm> terms;    // one per lead-in net that a term feeds
};

RungAnalysis analyseRung(const Circuit& circuit, const Rung& rung);

// One analysis per rung of Circuit::rungs, in that order.
std::vector<RungAnalysis> analyseRungs(const Circuit& circuit);

}  // namespace lp
