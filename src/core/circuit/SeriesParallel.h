#pragma once
// Decomposition of a two-terminal network of contacts into series and
// parallel parts. Only the part that lies on some path from the first
// terminal to the second counts; stubs and loops hanging off it are left out.
#include <optional>
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

}  // namespace lp
