// The decision diagram: one node per function, so that equal functions
// have equal references, checked against truth tables.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "circuit/Bdd.h"

namespace lp {
namespace {

std::vector<bool> bitsOf(unsigned n, int vars) {
    std::vector<bool> v(static_cast<std::size_t>(vars));
    for (int i = 0; i < vars; ++i) v[static_cast<std::size_t>(i)] = (n >> i) & 1u;
    return v;
}

TEST(Bdd, EqualFunctionsShareOneReference) {
    Bdd bdd;
    const auto a = bdd.var(0), b = bdd.var(1), c = bdd.var(2);
    EXPECT_EQ(bdd.orOf(bdd.andOf(a, b), bdd.andOf(a, c)), bdd.andOf(a, bdd.orOf(b, c)));
    EXPECT_EQ(bdd.notOf(bdd.andOf(a, b)), bdd.orOf(bdd.notOf(a), bdd.notOf(b)));
    EXPECT_EQ(bdd.orOf(a, bdd.notOf(a)), Bdd::True);
    EXPECT_EQ(bdd.andOf(a, bdd.notOf(a)), Bdd::False);
    EXPECT_EQ(bdd.notOf(bdd.notOf(c)), c);
    EXPECT_NE(bdd.andOf(a, b), bdd.orOf(a, b));
    EXPECT_EQ(bdd.var(1), b);
}

TEST(Bdd, RandomFormulasAgreeWithTheirTruthTables) {
    constexpr int kVars = 5;
    std::mt19937 rng(7);
    Bdd bdd;
    // A random formula as a truth table (bit per assignment) and a diagram.
    std::function<std::pair<uint32_t, Bdd::Ref>(int)> make = [&](int depth) -> std::pair<uint32_t, Bdd::Ref> {
        if (depth == 0 || rng() % 4 == 0) {
            const int v = static_cast<int>(rng() % kVars);
            uint32_t table = 0;
            for (unsigned n = 0; n < 32; ++n)
                if ((n >> v) & 1u) table |= 1u << n;
            return {table, bdd.var(v)};
        }
        const auto x = make(depth - 1);
        switch (rng() % 3) {
        case 0: return {~x.first, bdd.notOf(x.second)};
        case 1: {
            const auto y = make(depth - 1);
            return {x.first & y.first, bdd.andOf(x.second, y.second)};
        }
        default: {
            const auto y = make(depth - 1);
            return {x.first | y.first, bdd.orOf(x.second, y.second)};
        }
        }
    };
    std::vector<std::pair<uint32_t, Bdd::Ref>> seen;
    for (int i = 0; i < 400; ++i) {
        const auto f = make(6);
        for (unsigned n = 0; n < 32; ++n)
            ASSERT_EQ(bdd.evaluate(f.second, bitsOf(n, kVars)), ((f.first >> n) & 1u) != 0) << "formula " << i;
        for (const auto& g : seen) ASSERT_EQ(f.first == g.first, f.second == g.second) << "formula " << i;
        seen.push_back(f);
    }
}

TEST(Bdd, IteChoosesByTheCondition) {
    Bdd bdd;
    const auto a = bdd.var(0), b = bdd.var(1), c = bdd.var(2);
    const auto f = bdd.ite(a, b, c);
    for (unsigned n = 0; n < 8; ++n) {
        const auto v = bitsOf(n, 3);
        EXPECT_EQ(bdd.evaluate(f, v), v[0] ? v[1] : v[2]);
    }
}

TEST(Bdd, RefusesToGrowBeyondItsLimit) {
    Bdd bdd(64);
    Bdd::Ref f = Bdd::False;
    EXPECT_THROW(
        for (int i = 0; i < 40; i += 2) f = bdd.orOf(f, bdd.andOf(bdd.var(i), bdd.var(i + 1))), BddOverflow);
    EXPECT_LE(bdd.nodeCount(), 64u);
}

// The pairs (x_i, y_i) tested as x_0..x_n-1 then y_0..y_n-1: the function
// OR(x_i AND y_i) needs 2^n nodes, and as many steps.
Bdd::Ref pairsApart(Bdd& bdd, int n) {
    Bdd::Ref f = Bdd::False;
    for (int i = 0; i < n; ++i) f = bdd.orOf(f, bdd.andOf(bdd.var(i), bdd.var(n + i)));
    return f;
}

TEST(Bdd, StopsAtItsStepLimitTheSameWayEveryTime) {
    std::size_t stepsTaken = 0;
    for (int run = 0; run < 2; ++run) {
        Bdd bdd(Bdd::kDefaultNodeLimit, 5000);
        EXPECT_THROW(pairsApart(bdd, 16), BddOverflow);
        EXPECT_EQ(bdd.stepCount(), 5000u);
        if (run == 1) {
            EXPECT_EQ(bdd.nodeCount(), stepsTaken);
        }
        stepsTaken = bdd.nodeCount();
    }
}

TEST(Bdd, AnAllowanceStopsOnePieceOfWorkAndLeavesTheRest) {
    Bdd bdd(Bdd::kDefaultNodeLimit, 100000);
    {
        StepAllowance small(bdd, 1000);
        EXPECT_THROW(pairsApart(bdd, 16), BddOverflow);
    }
    EXPECT_LE(bdd.stepCount(), 1000u);
    // The same function in an order that keeps it small fits the rest.
    Bdd::Ref f = Bdd::False;
    for (int i = 0; i < 16; ++i) f = bdd.orOf(f, bdd.andOf(bdd.var(100 + 2 * i), bdd.var(101 + 2 * i)));
    std::vector<bool> values(200, false);
    values[110] = values[111] = true;
    EXPECT_TRUE(bdd.evaluate(f, values));
}

}  // namespace
}  // namespace lp
