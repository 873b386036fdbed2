#pragma once
// A small reduced ordered binary decision diagram: every Boolean function
// over the variables has exactly one node, so two functions are equal
// exactly when their references are. Variable 0 is tested first.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

namespace lp {

// Thrown when a function would need more nodes than the diagram allows.
class BddOverflow : public std::runtime_error {
public:
    BddOverflow() : std::runtime_error("the decision diagram outgrew its node limit") {}
};

class Bdd {
public:
    using Ref = uint32_t;
    static constexpr Ref False = 0;
    static constexpr Ref True = 1;

    // About 12 MB of nodes at the default limit, as much again for the tables.
    static constexpr std::size_t kDefaultNodeLimit = std::size_t{1} << 20;
    explicit Bdd(std::size_t nodeLimit = kDefaultNodeLimit);

    // The function that is true exactly when variable v is.
    Ref var(int v);
    Ref notOf(Ref f);
    Ref andOf(Ref f, Ref g);
    Ref orOf(Ref f, Ref g);
    // if f then g else h
    Ref ite(Ref f, Ref g, Ref h);

    // The value of f when variable v has the value values[v] (false beyond
    // the end of values).
    bool evaluate(Ref f, const std::vector<bool>& values) const;

    // One assignment under which f is true, as the variables tested on the
    // way and their values (every other variable may take any value);
    // empty when f is False or True.
    std::vector<std::pair<int, bool>> satisfyingPath(Ref f) const;

    std::size_t nodeCount() const { return nodes_.size(); }

private:
    struct Node {
        int var;
        Ref lo, hi;
    };
    struct CacheEntry {
        Ref f, g, h, result;
    };

    Ref make(int var, Ref lo, Ref hi);
    int topVar(Ref f) const { return nodes_[f].var; }
    Ref cofactor(Ref f, int var, bool high) const {
        const Node& n = nodes_[f];
        if (n.var != var) return f;
        return high ? n.hi : n.lo;
    }
    void growUnique();
    static std::size_t hashOf(int var, Ref lo, Ref hi);

    std::size_t limit_;
    std::vector<Node> nodes_;
    std::vector<Ref> unique_;  // open addressing, 0 = empty slot (node 0 is a terminal)
    std::vector<CacheEntry> cache_;
};

}  // namespace lp
