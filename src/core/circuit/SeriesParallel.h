#pragma once
// Decomposition of a two-terminal network of contacts into series and
// parallel parts. Only the part that lies on some path from the first
// terminal to the second counts; stubs and loops hanging off it are left out.
#include <optional>
#include <utility>
#include <vector>

namespace lp {

struct NetworkEdge {
    int a = 0, b = 0;  // the points it joins
    int contact = 0;   // what it is; also its rank in drawing order
};

struct SpTerm {
    enum class Kind { Contact, Series, Parallel };
    Kind kind = Kind::Contact;
    int contact = -1;           // Kind::Contact
    std::vector<SpTerm> parts;  // Series: from the first terminal on; Parallel: in drawing order
    int first = 0;              // the lowest contact rank in the term
};

// The edges of `edges` that lie on some simple path from `from` to `to`
// (the block of the network that an extra edge from..to would lie in).
std::vector<NetworkEdge> edgesBetween(int pointCount, const std::vector<NetworkEdge>& edges, int from, int to);

// The network as a series-parallel term from `from` to `to`; nothing when
// no edge lies between them or when it is no series-parallel network (a
// bridge). Series parts never hold a series, parallel branches never a
// parallel; branches come in the order of their first contact.
std::optional<SpTerm> decomposeSeriesParallel(int pointCount, const std::vector<NetworkEdge>& edges, int from, int to);

// The two functions above, keeping their working memory from one call to
// the next: the analysis of a sheet decomposes a few hundred small networks
// in a row, and would otherwise spend most of its time allocating.
class SeriesParallelSolver {
public:
    // As edgesBetween; the answer holds until the next call.
    const std::vector<NetworkEdge>& edgesBetween(int pointCount, const std::vector<NetworkEdge>& edges, int from, int to);
    // The edges of one block, as edgesBetween gives them, as a term from
    // `from` to `to`; nothing for a bridge.
    std::optional<SpTerm> termOf(int pointCount, const std::vector<NetworkEdge>& block, int from, int to);
    // As decomposeSeriesParallel.
    std::optional<SpTerm> decompose(int pointCount, const std::vector<NetworkEdge>& edges, int from, int to);
    // For a block that is a bridge (termOf gives nothing), in drawing order:
    // the contact with which the block, drawn up to it, stops being series
    // and parallel parts between `from` and `to`.
    int bridgeContact(int pointCount, const std::vector<NetworkEdge>& block, int from, int to);

private:
    struct Part {
        int piece;
        bool reversed;  // read against the direction it was built in
    };
    // A term under construction: a contact, or two parts in series or in parallel.
    struct Piece {
        SpTerm::Kind kind;
        int contact;  // Kind::Contact
        Part one, two;
    };
    struct LiveEdge {
        int a, b;  // the piece reads from a to b
        int piece;
        bool alive;
    };
    struct Frame {
        int point, viaEdge;
        int next;
    };

    void startReduction(int pointCount);
    void addEdge(int a, int b, int piece);
    void kill(int e);
    int liveEdgeBetween(int a, int b) const;
    void reduce(int from, int to);
    SpTerm build(int piece, bool reversed) const;
    void appendParts(Part part, SpTerm::Kind kind, std::vector<SpTerm>& out) const;

    // edgesBetween: the network as adjacency lists (point, edge), one run per point.
    std::vector<int> adjacencyStart_;
    std::vector<std::pair<int, int>> adjacency_;
    std::vector<int> order_, low_, stack_, blockEdges_;
    std::vector<Frame> frames_;
    std::vector<NetworkEdge> block_;

    // termOf: the network being reduced.
    std::vector<Piece> pieces_;
    std::vector<LiveEdge> edges_;
    std::vector<int> degree_;
    std::vector<std::vector<int>> incident_;  // edges at each point, the dead ones included
    std::vector<int> work_;
};

}  // namespace lp
