#include "circuit/RungAnalysis.h"

#include <utility>

namespace lp {

namespace {

// Analyses rungs one after another, keeping its working memory.
class RungAnalyser {
public:
    explicit RungAnalyser(const Circuit& circuit)
        : circuit_(circuit), pointOfNet_(static_cast<std::size_t>(circuit.netCount) + 1, -1) {}

    RungAnalysis analyse(const Rung& rung);

private:
    // The rung's nets as points, numbered as first met, the rail first.
    // Slot net + 1, so that -1 (no wire) is numbered like any other net.
    int& slot(int net) { return pointOfNet_[static_cast<std::size_t>(net + 1)]; }
    int pointOf(int net);
    // The feed of a lead-in met first; a term it needs goes to `a`.
    CoilFeed feedOf(int leadIn, RungAnalysis& a);

    const Circuit& circuit_;
    std::vector<int> pointOfNet_;  // -1 outside the rung being analysed
    std::vector<int> nets_;        // the rung's nets by point
    std::vector<NetworkEdge> edges_;
    std::vector<std::pair<int, CoilFeed>> byLeadIn_;
    SeriesParallelSolver solver_;
};

int RungAnalyser::pointOf(int net) {
    int& point = slot(net);
    if (point < 0) {
        point = static_cast<int>(nets_.size());
        nets_.push_back(net);
    }
    return point;
}

CoilFeed RungAnalyser::feedOf(int leadIn, RungAnalysis& a) {
    CoilFeed feed;
    if (leadIn == circuit_.rail) {
        feed.feed = Feed::OnRail;
        return feed;
    }
    const int point = leadIn < 0 ? -1 : slot(leadIn);
    // No contact of the rung touches the lead-in, or no path leads to it.
    if (point < 0) return feed;
    const int points = static_cast<int>(nets_.size());
    const std::vector<NetworkEdge>& block = solver_.edgesBetween(points, edges_, 0, point);
    if (block.empty()) return feed;
    if (auto term = solver_.termOf(points, block, 0, point)) {
        feed.feed = Feed::Term;
        feed.term = static_cast<int>(a.terms.size());
        a.terms.push_back(std::move(*term));
    } else {
        feed.feed = Feed::NotSeriesParallel;
        feed.term = static_cast<int>(a.bridges.size());
        BridgedBlock bridged;
        // A plate that touches no wire joins nothing.
        for (const NetworkEdge& e : block)
            if (nets_[static_cast<std::size_t>(e.a)] >= 0 && nets_[static_cast<std::size_t>(e.b)] >= 0)
                bridged.edges.push_back(e);
        bridged.to = point;
        bridged.bridge = solver_.bridgeContact(points, bridged.edges, 0, point);
        a.bridges.push_back(std::move(bridged));
    }
    return feed;
}

RungAnalysis RungAnalyser::analyse(const Rung& rung) {
    RungAnalysis a;
    nets_.clear();
    edges_.clear();
    byLeadIn_.clear();
    pointOf(circuit_.rail);
    for (int i : rung.contacts) {
        const Contact& c = circuit_.contacts[static_cast<std::size_t>(i)];
        const int left = pointOf(c.left);
        edges_.push_back({left, pointOf(c.right), i});
    }
    a.coils.reserve(rung.coils.size());
    for (int k : rung.coils) {
        const int net = circuit_.coils[static_cast<std::size_t>(k)].leadIn;
        const CoilFeed* known = nullptr;
        for (const auto& [leadIn, feed] : byLeadIn_)
            if (leadIn == net) known = &feed;
        if (!known) {
            byLeadIn_.emplace_back(net, feedOf(net, a));
            known = &byLeadIn_.back().second;
        }
        a.coils.push_back(*known);
    }
    for (int net : nets_) slot(net) = -1;
    return a;
}

}  // namespace

RungAnalysis analyseRung(const Circuit& circuit, const Rung& rung) { return RungAnalyser(circuit).analyse(rung); }

std::vector<RungAnalysis> analyseRungs(const Circuit& circuit) {
    RungAnalyser analyser(circuit);
    std::vector<RungAnalysis> analyses;
    analyses.reserve(circuit.rungs.size());
    for (const Rung& rung : circuit.rungs) analyses.push_back(analyser.analyse(rung));
    return analyses;
}

}  // namespace lp
