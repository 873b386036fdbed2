#include "circuit/RungAnalysis.h"

namespace lp {

RungNetwork::RungNetwork(const Circuit& circuit, const Rung& rung) {
    pointOf(circuit.rail);
    edges.reserve(rung.contacts.size());
    for (int i : rung.contacts) {
        const Contact& c = circuit.contacts[static_cast<std::size_t>(i)];
        const int a = pointOf(c.left), b = pointOf(c.right);
        edges.push_back({a, b, i});
        neighbours[static_cast<std::size_t>(a)].push_back(b);
        neighbours[static_cast<std::size_t>(b)].push_back(a);
    }
}

int RungNetwork::pointOf(int net) {
    const auto [it, added] = point.emplace(net, static_cast<int>(point.size()));
    if (added) neighbours.emplace_back();
    return it->second;
}

bool RungNetwork::reachesRail(int net) const {
    const auto it = point.find(net);
    if (it == point.end()) return false;
    std::vector<bool> seen(neighbours.size(), false);
    std::vector<int> todo{0};
    seen[0] = true;
    while (!todo.empty()) {
        const int p = todo.back();
        todo.pop_back();
        if (p == it->second) return true;
        for (int q : neighbours[static_cast<std::size_t>(p)])
            if (!seen[static_cast<std::size_t>(q)]) {
                seen[static_cast<std::size_t>(q)] = true;
                todo.push_back(q);
            }
    }
    return false;
}

RungAnalysis analyseRung(const Circuit& circuit, const Rung& rung) {
    RungAnalysis a{RungNetwork(circuit, rung), {}, {}};
    std::unordered_map<int, CoilFeed> byLeadIn;
    for (int k : rung.coils) {
        const int net = circuit.coils[static_cast<std::size_t>(k)].leadIn;
        const auto known = byLeadIn.find(net);
        if (known != byLeadIn.end()) {
            a.coils.push_back(known->second);
            continue;
        }
        CoilFeed feed;
        if (net == circuit.rail) {
            feed.feed = Feed::OnRail;
        } else if (net < 0 || !a.network.reachesRail(net)) {
            feed.feed = Feed::Nothing;
        } else if (auto term = decomposeSeriesParallel(a.network.pointCount(), a.network.edges, 0, a.network.point.at(net))) {
            feed.feed = Feed::Term;
            feed.term = static_cast<int>(a.terms.size());
            a.terms.push_back(std::move(*term));
        } else {
            feed.feed = Feed::NotSeriesParallel;
        }
        byLeadIn.emplace(net, feed);
        a.coils.push_back(feed);
    }
    return a;
}

}  // namespace lp
