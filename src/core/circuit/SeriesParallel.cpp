#include "circuit/SeriesParallel.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace lp {

namespace {

// A term under construction. Each part carries whether it is read in the
// opposite direction from the one it was built in.
struct Piece {
    SpTerm::Kind kind = SpTerm::Kind::Contact;
    int contact = -1;
    std::vector<std::pair<int, bool>> parts;  // piece index, reversed
};

struct LiveEdge {
    int a, b;   // the piece reads from a to b
    int piece;
    bool alive;
};

class Reducer {
public:
    Reducer(int pointCount, int from, int to)
        : from_(from), to_(to), degree_(static_cast<std::size_t>(pointCount), 0), incident_(static_cast<std::size_t>(pointCount)) {}

    void addContact(const NetworkEdge& e) {
        pieces_.push_back({SpTerm::Kind::Contact, e.contact, {}});
        addEdge(e.a, e.b, static_cast<int>(pieces_.size()) - 1);
    }

    // Series reductions at every inner point joined to exactly two others,
    // with the parallel reductions they bring about.
    void reduce() {
        std::vector<int> work;
        for (std::size_t v = 0; v < degree_.size(); ++v)
            if (degree_[v] == 2) work.push_back(static_cast<int>(v));
        while (!work.empty()) {
            const int v = work.back();
            work.pop_back();
            if (v == from_ || v == to_ || degree_[static_cast<std::size_t>(v)] != 2) continue;
            int e1 = -1, e2 = -1;
            for (int e : incident_[static_cast<std::size_t>(v)]) {
                if (!edges_[static_cast<std::size_t>(e)].alive) continue;
                (e1 < 0 ? e1 : e2) = e;
            }
            LiveEdge& first = edges_[static_cast<std::size_t>(e1)];
            LiveEdge& second = edges_[static_cast<std::size_t>(e2)];
            const int a = first.a == v ? first.b : first.a;
            const int b = second.a == v ? second.b : second.a;
            const std::pair<int, bool> p1{first.piece, first.a != a};   // read a -> v
            const std::pair<int, bool> p2{second.piece, second.a != v};  // read v -> b
            kill(e1);
            kill(e2);
            pieces_.push_back({SpTerm::Kind::Series, -1, {p1, p2}});
            addEdge(a, b, static_cast<int>(pieces_.size()) - 1);
            for (int w : {a, b})
                if (degree_[static_cast<std::size_t>(w)] == 2) work.push_back(w);
        }
    }

    // The single edge left from `from` to `to`, read in that direction.
    std::optional<std::pair<int, bool>> result() const {
        const LiveEdge* last = nullptr;
        for (const LiveEdge& e : edges_) {
            if (!e.alive) continue;
            if (last) return std::nullopt;
            last = &e;
        }
        if (!last || !((last->a == from_ && last->b == to_) || (last->a == to_ && last->b == from_))) return std::nullopt;
        return std::make_pair(last->piece, last->a != from_);
    }

    SpTerm build(int piece, bool reversed) const {
        const Piece& p = pieces_[static_cast<std::size_t>(piece)];
        SpTerm term;
        term.kind = p.kind;
        if (p.kind == SpTerm::Kind::Contact) {
            term.contact = p.contact;
            term.first = p.contact;
            return term;
        }
        std::vector<std::pair<int, bool>> order = p.parts;
        if (p.kind == SpTerm::Kind::Series && reversed) std::reverse(order.begin(), order.end());
        for (const auto& [child, childReversed] : order) {
            SpTerm sub = build(child, childReversed != reversed);
            if (sub.kind == p.kind) {
                for (SpTerm& s : sub.parts) term.parts.push_back(std::move(s));
            } else {
                term.parts.push_back(std::move(sub));
            }
        }
        if (p.kind == SpTerm::Kind::Parallel)
            std::stable_sort(term.parts.begin(), term.parts.end(),
                             [](const SpTerm& x, const SpTerm& y) { return x.first < y.first; });
        term.first = term.parts.front().first;
        for (const SpTerm& s : term.parts) term.first = std::min(term.first, s.first);
        return term;
    }

private:
    static uint64_t key(int a, int b) {
        if (a > b) std::swap(a, b);
        return (static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32) | static_cast<uint32_t>(b);
    }

    void kill(int e) {
        LiveEdge& edge = edges_[static_cast<std::size_t>(e)];
        edge.alive = false;
        --degree_[static_cast<std::size_t>(edge.a)];
        --degree_[static_cast<std::size_t>(edge.b)];
        between_.erase(key(edge.a, edge.b));
    }

    // A new edge a..b; one already there takes it as a parallel branch.
    void addEdge(int a, int b, int piece) {
        const auto it = between_.find(key(a, b));
        if (it != between_.end()) {
            LiveEdge& old = edges_[static_cast<std::size_t>(it->second)];
            pieces_.push_back({SpTerm::Kind::Parallel, -1, {{old.piece, false}, {piece, old.a != a}}});
            old.piece = static_cast<int>(pieces_.size()) - 1;
            return;
        }
        edges_.push_back({a, b, piece, true});
        const int id = static_cast<int>(edges_.size()) - 1;
        between_[key(a, b)] = id;
        ++degree_[static_cast<std::size_t>(a)];
        ++degree_[static_cast<std::size_t>(b)];
        incident_[static_cast<std::size_t>(a)].push_back(id);
        incident_[static_cast<std::size_t>(b)].push_back(id);
    }

    int from_, to_;
    std::vector<Piece> pieces_;
    std::vector<LiveEdge> edges_;
    std::vector<int> degree_;
    std::vector<std::vector<int>> incident_;
    std::unordered_map<uint64_t, int> between_;
};

}  // namespace

std::vector<NetworkEdge> edgesBetween(int pointCount, const std::vector<NetworkEdge>& edges, int from, int to) {
    std::vector<NetworkEdge> block;
    if (from == to || pointCount <= 0) return block;
    const std::size_t n = static_cast<std::size_t>(pointCount);
    const int extra = static_cast<int>(edges.size());
    std::vector<std::vector<std::pair<int, int>>> adjacent(n);  // point, edge
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const NetworkEdge& e = edges[i];
        if (e.a == e.b) continue;  // a contact shorted by its own wire lies on no path
        adjacent[static_cast<std::size_t>(e.a)].push_back({e.b, static_cast<int>(i)});
        adjacent[static_cast<std::size_t>(e.b)].push_back({e.a, static_cast<int>(i)});
    }
    adjacent[static_cast<std::size_t>(from)].push_back({to, extra});
    adjacent[static_cast<std::size_t>(to)].push_back({from, extra});

    // Depth-first search for the biconnected blocks, without recursion.
    struct Frame {
        int point, viaEdge;
        std::size_t next;
    };
    std::vector<int> order(n, -1), low(n, 0);
    std::vector<int> stack;
    std::vector<Frame> frames;
    int clock = 0;
    order[static_cast<std::size_t>(from)] = low[static_cast<std::size_t>(from)] = clock++;
    frames.push_back({from, -1, 0});
    while (!frames.empty()) {
        Frame& top = frames.back();
        const std::size_t v = static_cast<std::size_t>(top.point);
        if (top.next < adjacent[v].size()) {
            const auto [w, e] = adjacent[v][top.next++];
            if (e == top.viaEdge) continue;
            const std::size_t wi = static_cast<std::size_t>(w);
            if (order[wi] < 0) {
                stack.push_back(e);
                order[wi] = low[wi] = clock++;
                frames.push_back({w, e, 0});
            } else if (order[wi] < order[v]) {
                stack.push_back(e);
                low[v] = std::min(low[v], order[wi]);
            }
            continue;
        }
        const Frame done = top;
        frames.pop_back();
        if (frames.empty()) break;
        const std::size_t parent = static_cast<std::size_t>(frames.back().point);
        const std::size_t child = static_cast<std::size_t>(done.point);
        low[parent] = std::min(low[parent], low[child]);
        if (low[child] < order[parent]) continue;
        // The edges above done.viaEdge on the stack form one block.
        bool holdsExtra = false;
        std::vector<int> edgesOfBlock;
        for (;;) {
            const int e = stack.back();
            stack.pop_back();
            if (e == extra)
                holdsExtra = true;
            else
                edgesOfBlock.push_back(e);
            if (e == done.viaEdge) break;
        }
        if (!holdsExtra) continue;
        std::sort(edgesOfBlock.begin(), edgesOfBlock.end());
        for (int e : edgesOfBlock) block.push_back(edges[static_cast<std::size_t>(e)]);
        return block;
    }
    return block;
}

std::optional<SpTerm> decomposeSeriesParallel(int pointCount, const std::vector<NetworkEdge>& edges, int from, int to) {
    const std::vector<NetworkEdge> block = edgesBetween(pointCount, edges, from, to);
    if (block.empty()) return std::nullopt;
    Reducer reducer(pointCount, from, to);
    for (const NetworkEdge& e : block) reducer.addContact(e);
    reducer.reduce();
    const auto last = reducer.result();
    if (!last) return std::nullopt;
    return reducer.build(last->first, last->second);
}

}  // namespace lp
