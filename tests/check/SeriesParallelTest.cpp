// Decomposing a network of contacts between two points into series and
// parallel parts.
#include <gtest/gtest.h>

#include "circuit/SeriesParallel.h"

namespace lp {
namespace {

// A term written out: contacts by number, series as (a b ...), parallel as [a | b ...].
std::string show(const SpTerm& t) {
    if (t.kind == SpTerm::Kind::Contact) return std::to_string(t.contact);
    const bool series = t.kind == SpTerm::Kind::Series;
    std::string s = series ? "(" : "[";
    for (std::size_t i = 0; i < t.parts.size(); ++i) {
        if (i) s += series ? " " : " | ";
        s += show(t.parts[i]);
    }
    return s + (series ? ")" : "]");
}

std::string decompose(int points, const std::vector<NetworkEdge>& edges, int from, int to) {
    const auto t = decomposeSeriesParallel(points, edges, from, to);
    return t ? show(*t) : "none";
}

TEST(SeriesParallel, OneContact) { EXPECT_EQ(decompose(2, {{0, 1, 0}}, 0, 1), "0"); }

TEST(SeriesParallel, SeriesPartsRunFromTheFirstPointToTheSecond) {
    // Edges given out of order and against the direction of reading.
    EXPECT_EQ(decompose(4, {{3, 2, 2}, {1, 0, 0}, {2, 1, 1}}, 0, 3), "(0 1 2)");
    EXPECT_EQ(decompose(4, {{3, 2, 2}, {1, 0, 0}, {2, 1, 1}}, 3, 0), "(2 1 0)");
}

TEST(SeriesParallel, ParallelBranchesComeInDrawingOrder) {
    EXPECT_EQ(decompose(2, {{0, 1, 5}, {1, 0, 2}, {0, 1, 9}}, 0, 1), "[2 | 5 | 9]");
    // A two-contact branch drawn first stays first.
    EXPECT_EQ(decompose(3, {{0, 2, 0}, {2, 1, 1}, {0, 1, 2}}, 0, 1), "[(0 1) | 2]");
}

TEST(SeriesParallel, NestedPartsAreFlattenedByKind) {
    // 0 then (1 then [2 | 3]) or 4, all in series with 5.
    const std::vector<NetworkEdge> e = {{0, 1, 0}, {1, 2, 1}, {2, 3, 2}, {2, 3, 3}, {1, 3, 4}, {3, 4, 5}};
    EXPECT_EQ(decompose(5, e, 0, 4), "(0 [(1 [2 | 3]) | 4] 5)");
    // Blocks in series: [0 | 1] then [2 | 3].
    EXPECT_EQ(decompose(3, {{0, 1, 0}, {0, 1, 1}, {1, 2, 2}, {1, 2, 3}}, 0, 2), "([0 | 1] [2 | 3])");
}

TEST(SeriesParallel, ABridgeIsNoSeriesParallelNetwork) {
    // Wheatstone bridge: 0 s-a, 1 a-t, 2 s-b, 3 b-t, 4 a-b.
    const std::vector<NetworkEdge> bridge = {{0, 1, 0}, {1, 3, 1}, {0, 2, 2}, {2, 3, 3}, {1, 2, 4}};
    EXPECT_EQ(decompose(4, bridge, 0, 3), "none");
    // Between a and t the same network is series-parallel.
    EXPECT_EQ(decompose(4, bridge, 1, 3), "[([(0 2) | 4] 3) | 1]");
}

TEST(SeriesParallel, StubsAndLoopsOffThePathAreLeftOut) {
    // Path 0 (s-a), 1 (a-t); a stub 2 (a-x); a loop 3, 4 (t-y, y-t); a
    // contact shorted by its own wire 5 (a-a); a bridge hanging off a (6..10).
    const std::vector<NetworkEdge> e = {{0, 1, 0}, {1, 2, 1}, {1, 3, 2},  {2, 4, 3},  {4, 2, 4},   {1, 1, 5},
                                        {1, 5, 6}, {5, 7, 7}, {1, 6, 8}, {6, 7, 9}, {5, 6, 10}};
    EXPECT_EQ(decompose(8, e, 0, 2), "(0 1)");
    const std::vector<NetworkEdge> between = edgesBetween(8, e, 0, 2);
    ASSERT_EQ(between.size(), 2u);
    EXPECT_EQ(between[0].contact, 0);
    EXPECT_EQ(between[1].contact, 1);
}

TEST(SeriesParallel, NothingBetweenPointsThatNoPathJoins) {
    EXPECT_EQ(decompose(3, {{0, 1, 0}}, 0, 2), "none");
    EXPECT_EQ(decompose(2, {{0, 1, 0}}, 1, 1), "none");
    EXPECT_TRUE(edgesBetween(3, {{0, 1, 0}}, 0, 2).empty());
}

}  // namespace
}  // namespace lp
