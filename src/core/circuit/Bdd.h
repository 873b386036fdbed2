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

// Thrown when a function would need more nodes, or more steps of work, than
// the diagram allows. Both limits are counts, never times, so that the same
// work overflows, or not, on every machine and in every run.
class BddOverflow : public std::runtime_error {
public:
    BddOverflow() : std::runtime_error("the decision diagram outgrew its limits") {}
};

class Bdd {
public:
    using Ref = uint32_t;
    static constexpr Ref False = 0;
    static constexpr Ref True = 1;

    // About 12 MB of nodes at the default limit, as much again for the tables.
    static constexpr std::size_t kDefaultNodeLimit = std::size_t{1} << 20;
    // Steps of work over the diagram's life: one per sub-problem worked out
    // (not found in the computed table). A conversion, or a check with the
    // conversion before it and the search for a differing scan after it,
    // stays within a second of work on a 2.6 GHz core.
    static constexpr std::size_t kDefaultStepLimit = std::size_t{1} << 19;
    explicit Bdd(std::size_t nodeLimit = kDefaultNodeLimit, std::size_t stepLimit = kDefaultStepLimit);

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
    std::size_t stepCount() const { return steps_; }
    // Whether the next new node would pass the node limit.
    bool full() const { return nodes_.size() >= limit_; }
    // The steps still allowed; a caller can hand part of them to one piece
    // of work (see StepAllowance).
    std::size_t stepsLeft() const { return stepLimit_ - steps_; }
    std::size_t stepLimit() const { return stepLimit_; }
    void setStepLimit(std::size_t limit) { stepLimit_ = limit; }

private:
    struct Node {
        int var;
        Ref lo, hi;
    };
    // The computed table: open addressing, complete for the operation at
    // hand (an entry of an earlier operation may be overwritten, one of the
    // current operation never is), so that one operation never works out
    // the same sub-problem twice.
    struct CacheEntry {
        Ref f, g, h, result;
        uint32_t operation;  // 0: empty
    };
    Ref iteStep(Ref f, Ref g, Ref h);
    void growCache();

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
    std::size_t stepLimit_;
    std::size_t steps_ = 0;
    std::vector<Node> nodes_;
    std::vector<Ref> unique_;  // open addressing, 0 = empty slot (node 0 is a terminal)
    std::vector<CacheEntry> cache_;
    std::size_t cacheUsed_ = 0;     // slots holding an entry of any operation
    std::size_t cacheCurrent_ = 0;  // of them, the current operation's
    uint32_t operation_ = 0;
};

// Lowers the diagram's step limit to at most `steps` more while it lives,
// and gives back what is left of the outer limit afterwards: a piece of
// work that must stay small overflows without using up the whole budget.
class StepAllowance {
public:
    StepAllowance(Bdd& bdd, std::size_t steps) : bdd_(bdd), outer_(bdd.stepLimit()) {
        if (bdd.stepsLeft() > steps) bdd.setStepLimit(bdd.stepCount() + steps);
    }
    ~StepAllowance() { bdd_.setStepLimit(outer_); }
    StepAllowance(const StepAllowance&) = delete;
    StepAllowance& operator=(const StepAllowance&) = delete;

private:
    Bdd& bdd_;
    std::size_t outer_;
};

}  // namespace lp
