#include "circuit/SeriesParallel.h"

#include <algorithm>

namespace lp {

namespace {

std::size_t idx(int i) { return static_cast<std::size_t>(i); }

}  // namespace

std::vector<NetworkEdge> edgesBetween(int pointCount, const std::vector<NetworkEdge>& edges, int from, int to) {
    return SeriesParallelSolver().edgesBetween(pointCount, edges, from, to);
}

std::optional<SpTerm> decomposeSeriesParallel(int pointCount, const std::vector<NetworkEdge>& edges, int from, int to) {
    return SeriesParallelSolver().decompose(pointCount, edges, from, to);
}

const std::vector<NetworkEdge>& SeriesParallelSolver::edgesBetween(int pointCount, const std::vector<NetworkEdge>& edges,
                                                                   int from, int to) {
    block_.clear();
    if (from == to || pointCount <= 0) return block_;
    const std::size_t n = idx(pointCount);
    const int extra = static_cast<int>(edges.size());

    // Adjacency lists, each point's run in the order of the edges, the
    // extra edge from..to last. A contact shorted by its own wire lies on no path.
    adjacencyStart_.assign(n + 1, 0);
    auto counted = [&](const NetworkEdge& e) { return e.a != e.b; };
    for (const NetworkEdge& e : edges)
        if (counted(e)) {
            ++adjacencyStart_[idx(e.a) + 1];
            ++adjacencyStart_[idx(e.b) + 1];
        }
    ++adjacencyStart_[idx(from) + 1];
    ++adjacencyStart_[idx(to) + 1];
    for (std::size_t p = 0; p < n; ++p) adjacencyStart_[p + 1] += adjacencyStart_[p];
    adjacency_.resize(idx(adjacencyStart_[n]));
    order_.assign(adjacencyStart_.begin(), adjacencyStart_.end() - 1);  // next free place of each run
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const NetworkEdge& e = edges[i];
        if (!counted(e)) continue;
        adjacency_[idx(order_[idx(e.a)]++)] = {e.b, static_cast<int>(i)};
        adjacency_[idx(order_[idx(e.b)]++)] = {e.a, static_cast<int>(i)};
    }
    adjacency_[idx(order_[idx(from)]++)] = {to, extra};
    adjacency_[idx(order_[idx(to)]++)] = {from, extra};

    // Depth-first search for the biconnected blocks, without recursion.
    order_.assign(n, -1);
    low_.assign(n, 0);
    stack_.clear();
    frames_.clear();
    int clock = 0;
    order_[idx(from)] = low_[idx(from)] = clock++;
    frames_.push_back({from, -1, adjacencyStart_[idx(from)]});
    while (!frames_.empty()) {
        Frame& top = frames_.back();
        const std::size_t v = idx(top.point);
        if (top.next < adjacencyStart_[v + 1]) {
            const auto [w, e] = adjacency_[idx(top.next++)];
            if (e == top.viaEdge) continue;
            const std::size_t wi = idx(w);
            if (order_[wi] < 0) {
                stack_.push_back(e);
                order_[wi] = low_[wi] = clock++;
                frames_.push_back({w, e, adjacencyStart_[wi]});
            } else if (order_[wi] < order_[v]) {
                stack_.push_back(e);
                low_[v] = std::min(low_[v], order_[wi]);
            }
            continue;
        }
        const Frame done = top;
        frames_.pop_back();
        if (frames_.empty()) break;
        const std::size_t parent = idx(frames_.back().point);
        const std::size_t child = idx(done.point);
        low_[parent] = std::min(low_[parent], low_[child]);
        if (low_[child] < order_[parent]) continue;
        // The edges above done.viaEdge on the stack form one block.
        bool holdsExtra = false;
        blockEdges_.clear();
        for (;;) {
            const int e = stack_.back();
            stack_.pop_back();
            if (e == extra)
                holdsExtra = true;
            else
                blockEdges_.push_back(e);
            if (e == done.viaEdge) break;
        }
        if (!holdsExtra) continue;
        std::sort(blockEdges_.begin(), blockEdges_.end());
        for (int e : blockEdges_) block_.push_back(edges[idx(e)]);
        return block_;
    }
    return block_;
}

std::optional<SpTerm> SeriesParallelSolver::decompose(int pointCount, const std::vector<NetworkEdge>& edges, int from,
                                                      int to) {
    const std::vector<NetworkEdge>& block = edgesBetween(pointCount, edges, from, to);
    if (block.empty()) return std::nullopt;
    return termOf(pointCount, block, from, to);
}

std::optional<SpTerm> SeriesParallelSolver::termOf(int pointCount, const std::vector<NetworkEdge>& block, int from,
                                                   int to) {
    startReduction(pointCount);
    for (const NetworkEdge& e : block) {
        pieces_.push_back({SpTerm::Kind::Contact, e.contact, {}, {}});
        addEdge(e.a, e.b, static_cast<int>(pieces_.size()) - 1);
    }
    reduce(from, to);
    // What is left must be a single edge from `from` to `to`.
    const LiveEdge* last = nullptr;
    for (const LiveEdge& e : edges_) {
        if (!e.alive) continue;
        if (last) return std::nullopt;
        last = &e;
    }
    if (!last || !((last->a == from && last->b == to) || (last->a == to && last->b == from))) return std::nullopt;
    return build(last->piece, last->a != from);
}

int SeriesParallelSolver::bridgeContact(int pointCount, const std::vector<NetworkEdge>& block, int from, int to) {
    if (block.empty()) return -1;
    std::vector<NetworkEdge> drawn(block);
    std::sort(drawn.begin(), drawn.end(), [](const NetworkEdge& x, const NetworkEdge& y) { return x.contact < y.contact; });
    // A network that holds a bridge still holds it with more contacts drawn,
    // so the contact is found by halving: the first `good` contacts form no
    // bridge, the first `bad` do.
    std::size_t good = 0, bad = drawn.size();
    std::vector<NetworkEdge> prefix;
    while (bad - good > 1) {
        const std::size_t mid = good + (bad - good) / 2;
        prefix.assign(drawn.begin(), drawn.begin() + static_cast<std::ptrdiff_t>(mid));
        const std::vector<NetworkEdge> sub = edgesBetween(pointCount, prefix, from, to);
        const bool bridged = !sub.empty() && !termOf(pointCount, sub, from, to);
        (bridged ? bad : good) = mid;
    }
    return drawn[bad - 1].contact;
}

void SeriesParallelSolver::startReduction(int pointCount) {
    const std::size_t n = idx(pointCount);
    pieces_.clear();
    edges_.clear();
    degree_.assign(n, 0);
    if (incident_.size() < n) incident_.resize(n);
    for (std::size_t p = 0; p < n; ++p) incident_[p].clear();
}

int SeriesParallelSolver::liveEdgeBetween(int a, int b) const {
    const std::vector<int>& shorter = incident_[idx(a)].size() <= incident_[idx(b)].size() ? incident_[idx(a)] : incident_[idx(b)];
    for (int id : shorter) {
        const LiveEdge& e = edges_[idx(id)];
        if (e.alive && ((e.a == a && e.b == b) || (e.a == b && e.b == a))) return id;
    }
    return -1;
}

// A new edge a..b; one already there takes it as a parallel branch.
void SeriesParallelSolver::addEdge(int a, int b, int piece) {
    const int existing = liveEdgeBetween(a, b);
    if (existing >= 0) {
        LiveEdge& old = edges_[idx(existing)];
        pieces_.push_back({SpTerm::Kind::Parallel, -1, {old.piece, false}, {piece, old.a != a}});
        old.piece = static_cast<int>(pieces_.size()) - 1;
        return;
    }
    edges_.push_back({a, b, piece, true});
    const int id = static_cast<int>(edges_.size()) - 1;
    ++degree_[idx(a)];
    ++degree_[idx(b)];
    incident_[idx(a)].push_back(id);
    incident_[idx(b)].push_back(id);
}

void SeriesParallelSolver::kill(int e) {
    LiveEdge& edge = edges_[idx(e)];
    edge.alive = false;
    --degree_[idx(edge.a)];
    --degree_[idx(edge.b)];
}

// Series reductions at every inner point joined to exactly two others, with
// the parallel reductions they bring about.
void SeriesParallelSolver::reduce(int from, int to) {
    work_.clear();
    for (std::size_t v = 0; v < degree_.size(); ++v)
        if (degree_[v] == 2) work_.push_back(static_cast<int>(v));
    while (!work_.empty()) {
        const int v = work_.back();
        work_.pop_back();
        if (v == from || v == to || degree_[idx(v)] != 2) continue;
        int e1 = -1, e2 = -1;
        for (int e : incident_[idx(v)]) {
            if (!edges_[idx(e)].alive) continue;
            (e1 < 0 ? e1 : e2) = e;
        }
        const LiveEdge first = edges_[idx(e1)];
        const LiveEdge second = edges_[idx(e2)];
        const int a = first.a == v ? first.b : first.a;
        const int b = second.a == v ? second.b : second.a;
        kill(e1);
        kill(e2);
        // first read a -> v, second read v -> b
        pieces_.push_back({SpTerm::Kind::Series, -1, {first.piece, first.a != a}, {second.piece, second.a != v}});
        addEdge(a, b, static_cast<int>(pieces_.size()) - 1);
        for (int w : {a, b})
            if (degree_[idx(w)] == 2) work_.push_back(w);
    }
}

SpTerm SeriesParallelSolver::build(int piece, bool reversed) const {
    const Piece& p = pieces_[idx(piece)];
    SpTerm term;
    term.kind = p.kind;
    if (p.kind == SpTerm::Kind::Contact) {
        term.contact = p.contact;
        term.first = p.contact;
        return term;
    }
    appendParts({piece, reversed}, p.kind, term.parts);
    // Branches share no contact, so their first contacts all differ and
    // the order is the same whichever sort makes it.
    if (p.kind == SpTerm::Kind::Parallel)
        std::sort(term.parts.begin(), term.parts.end(), [](const SpTerm& x, const SpTerm& y) { return x.first < y.first; });
    term.first = term.parts.front().first;
    for (const SpTerm& s : term.parts) term.first = std::min(term.first, s.first);
    return term;
}

// The parts of a `kind` term, in reading order: a piece of the same kind
// gives its own parts in its place, any other piece is one part.
void SeriesParallelSolver::appendParts(Part part, SpTerm::Kind kind, std::vector<SpTerm>& out) const {
    const Piece& p = pieces_[idx(part.piece)];
    if (p.kind != kind) {
        out.push_back(build(part.piece, part.reversed));
        return;
    }
    // A series read backwards takes its second part first.
    const bool swap = p.kind == SpTerm::Kind::Series && part.reversed;
    const Part one = swap ? p.two : p.one;
    const Part two = swap ? p.one : p.two;
    appendParts({one.piece, one.reversed != part.reversed}, kind, out);
    appendParts({two.piece, two.reversed != part.reversed}, kind, out);
}

}  // namespace lp
