#include "circuit/Bdd.h"

#include <climits>

namespace lp {

namespace {
constexpr int kTerminalVar = INT_MAX;
constexpr std::size_t kFirstUniqueSize = 1 << 10;
constexpr std::size_t kFirstCacheSize = 1 << 12;  // powers of two
constexpr std::size_t kLargestCache = 1 << 20;
}  // namespace

Bdd::Bdd(std::size_t nodeLimit) : limit_(nodeLimit), unique_(kFirstUniqueSize, 0), cache_(kFirstCacheSize) {
    nodes_.push_back({kTerminalVar, False, False});
    nodes_.push_back({kTerminalVar, True, True});
    // An entry whose f is 0 never matches a lookup: ite(0, ...) is answered
    // before the cache is consulted.
    for (auto& e : cache_) e = {False, False, False, False};
}

std::size_t Bdd::hashOf(int var, Ref lo, Ref hi) {
    std::size_t h = static_cast<std::size_t>(var) * 0x9E3779B97F4A7C15ull;
    h ^= (static_cast<std::size_t>(lo) + 0x7F4A7C15u) * 0xC2B2AE3D27D4EB4Full;
    h ^= (static_cast<std::size_t>(hi) + 0x165667B1u) * 0x165667B19E3779F9ull;
    return h ^ (h >> 29);
}

void Bdd::growUnique() {
    std::vector<Ref> bigger(unique_.size() * 2, 0);
    const std::size_t mask = bigger.size() - 1;
    for (Ref r : unique_) {
        if (r == 0) continue;
        const Node& n = nodes_[r];
        std::size_t i = hashOf(n.var, n.lo, n.hi) & mask;
        while (bigger[i] != 0) i = (i + 1) & mask;
        bigger[i] = r;
    }
    unique_.swap(bigger);
}

Bdd::Ref Bdd::make(int var, Ref lo, Ref hi) {
    if (lo == hi) return lo;
    const std::size_t mask = unique_.size() - 1;
    std::size_t i = hashOf(var, lo, hi) & mask;
    while (unique_[i] != 0) {
        const Node& n = nodes_[unique_[i]];
        if (n.var == var && n.lo == lo && n.hi == hi) return unique_[i];
        i = (i + 1) & mask;
    }
    if (nodes_.size() >= limit_) throw BddOverflow();
    const Ref r = static_cast<Ref>(nodes_.size());
    nodes_.push_back({var, lo, hi});
    unique_[i] = r;
    if (nodes_.size() * 2 > unique_.size()) growUnique();
    // The computed table keeps pace with the diagram, or the same
    // sub-results are worked out again and again.
    if (nodes_.size() > cache_.size() && cache_.size() < kLargestCache)
        cache_.assign(cache_.size() * 4, CacheEntry{False, False, False, False});
    return r;
}

Bdd::Ref Bdd::var(int v) { return make(v, False, True); }

Bdd::Ref Bdd::notOf(Ref f) { return ite(f, False, True); }

Bdd::Ref Bdd::andOf(Ref f, Ref g) { return ite(f, g, False); }

Bdd::Ref Bdd::orOf(Ref f, Ref g) { return ite(f, True, g); }

Bdd::Ref Bdd::ite(Ref f, Ref g, Ref h) {
    if (f == True) return g;
    if (f == False) return h;
    if (g == h) return g;
    if (g == True && h == False) return f;
    if (f == g) g = True;
    if (f == h) h = False;
    if (g == h) return g;

    const std::size_t slot = (hashOf(static_cast<int>(f), g, h) >> 7) & (cache_.size() - 1);
    CacheEntry& e = cache_[slot];
    if (e.f == f && e.g == g && e.h == h) return e.result;

    int v = topVar(f);
    if (topVar(g) < v) v = topVar(g);
    if (topVar(h) < v) v = topVar(h);
    const Ref lo = ite(cofactor(f, v, false), cofactor(g, v, false), cofactor(h, v, false));
    const Ref hi = ite(cofactor(f, v, true), cofactor(g, v, true), cofactor(h, v, true));
    const Ref r = make(v, lo, hi);
    // The recursion may have reused the slot.
    cache_[slot] = {f, g, h, r};
    return r;
}

bool Bdd::evaluate(Ref f, const std::vector<bool>& values) const {
    while (f != False && f != True) {
        const Node& n = nodes_[f];
        const bool value = static_cast<std::size_t>(n.var) < values.size() && values[static_cast<std::size_t>(n.var)];
        f = value ? n.hi : n.lo;
    }
    return f == True;
}

std::vector<std::pair<int, bool>> Bdd::satisfyingPath(Ref f) const {
    std::vector<std::pair<int, bool>> path;
    if (f == False) return path;
    // In a reduced diagram every node other than False reaches True, so
    // leaving False aside at each node ends at True.
    while (f != True) {
        const Node& n = nodes_[f];
        const bool high = n.lo == False;
        path.emplace_back(n.var, high);
        f = high ? n.hi : n.lo;
    }
    return path;
}

}  // namespace lp
