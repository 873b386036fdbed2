#include "circuit/Bdd.h"

#include <algorithm>
#include <climits>

namespace lp {

namespace {
constexpr int kTerminalVar = INT_MAX;
constexpr std::size_t kFirstUniqueSize = 1 << 10;
constexpr std::size_t kFirstCacheSize = 1 << 12;  // powers of two
}  // namespace

Bdd::Bdd(std::size_t nodeLimit, std::size_t stepLimit)
    : limit_(nodeLimit), stepLimit_(stepLimit), unique_(kFirstUniqueSize, 0), cache_(kFirstCacheSize, CacheEntry{}) {
    nodes_.push_back({kTerminalVar, False, False});
    nodes_.push_back({kTerminalVar, True, True});
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
    return r;
}

// Keeps the current operation's entries; those of earlier operations are
// dropped. The table doubles when the current ones fill half of it.
void Bdd::growCache() {
    const std::size_t size = cacheCurrent_ * 2 > cache_.size() ? cache_.size() * 2 : cache_.size();
    std::vector<CacheEntry> fresh(size, CacheEntry{});
    const std::size_t mask = size - 1;
    for (const CacheEntry& e : cache_) {
        if (e.operation != operation_) continue;
        std::size_t i = hashOf(static_cast<int>(e.f), e.g, e.h) & mask;
        while (fresh[i].operation != 0) i = (i + 1) & mask;
        fresh[i] = e;
    }
    cache_.swap(fresh);
    cacheUsed_ = cacheCurrent_;
}

Bdd::Ref Bdd::var(int v) { return make(v, False, True); }

Bdd::Ref Bdd::notOf(Ref f) { return ite(f, False, True); }

Bdd::Ref Bdd::andOf(Ref f, Ref g) { return ite(f, g, False); }

Bdd::Ref Bdd::orOf(Ref f, Ref g) { return ite(f, True, g); }

Bdd::Ref Bdd::ite(Ref f, Ref g, Ref h) {
    // A new operation: entries of earlier ones stay valid answers, but may
    // give way to this one's.
    if (++operation_ == 0) {
        // After 2^32 operations the numbers come round: start afresh.
        std::fill(cache_.begin(), cache_.end(), CacheEntry{});
        cacheUsed_ = 0;
        operation_ = 1;
    }
    cacheCurrent_ = 0;
    return iteStep(f, g, h);
}

Bdd::Ref Bdd::iteStep(Ref f, Ref g, Ref h) {
    if (f == True) return g;
    if (f == False) return h;
    if (g == h) return g;
    if (g == True && h == False) return f;
    if (f == g) g = True;
    if (f == h) h = False;
    if (g == h) return g;

    // Entries of the current operation are never overwritten, so a lookup
    // can stop at the first empty slot; one of an earlier operation still
    // answers when it matches.
    const std::size_t hash = hashOf(static_cast<int>(f), g, h);
    std::size_t mask = cache_.size() - 1;
    for (std::size_t i = hash & mask; cache_[i].operation != 0; i = (i + 1) & mask) {
        const CacheEntry& e = cache_[i];
        if (e.f == f && e.g == g && e.h == h) return e.result;
    }

    if (steps_ >= stepLimit_) throw BddOverflow();
    ++steps_;
    int v = topVar(f);
    if (topVar(g) < v) v = topVar(g);
    if (topVar(h) < v) v = topVar(h);
    const Ref lo = iteStep(cofactor(f, v, false), cofactor(g, v, false), cofactor(h, v, false));
    const Ref hi = iteStep(cofactor(f, v, true), cofactor(g, v, true), cofactor(h, v, true));
    const Ref r = make(v, lo, hi);

    // The recursion may have filled or moved the table: find the place anew,
    // the first slot that is empty or holds an earlier operation's entry.
    mask = cache_.size() - 1;
    std::size_t i = hash & mask;
    while (cache_[i].operation == operation_) i = (i + 1) & mask;
    if (cache_[i].operation == 0) ++cacheUsed_;
    cache_[i] = {f, g, h, r, operation_};
    ++cacheCurrent_;
    if (cacheUsed_ * 4 > cache_.size() * 3) growCache();
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
