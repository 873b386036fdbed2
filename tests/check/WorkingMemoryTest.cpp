// The pieces of the proof that keep their working memory from one call to
// the next, or number things once: what they answer must not depend on what
// they answered before.
#include <gtest/gtest.h>

#include <string>

#include "Diagrams.h"
#include "PaletteDrawing.h"
#include "circuit/CircuitGraph.h"
#include "circuit/Devices.h"
#include "circuit/RungAnalysis.h"
#include "circuit/SeriesParallel.h"
#include "circuit/WirePieces.h"

namespace lp {
namespace {

using test::PaletteDrawing;
namespace diagram = test::diagram;

// Contacts by number, series as (a b ...), parallel as [a | b ...].
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

std::string show(const std::optional<SpTerm>& t) { return t ? show(*t) : "none"; }

TEST(SeriesParallelSolver, OneSolverAnswersEachNetworkAsIfItWereItsFirst) {
    // A large network first, so that a later smaller one finds its tables
    // longer than it needs and full of the earlier network's edges.
    const std::vector<NetworkEdge> nested = {{0, 1, 0}, {1, 2, 1}, {2, 3, 2}, {2, 3, 3}, {1, 3, 4}, {3, 4, 5}};
    const std::vector<NetworkEdge> bridge = {{0, 1, 0}, {1, 3, 1}, {0, 2, 2}, {2, 3, 3}, {1, 2, 4}};
    const std::vector<NetworkEdge> parallel = {{0, 1, 5}, {1, 0, 2}, {0, 1, 9}};
    const std::vector<NetworkEdge> chain = {{3, 2, 2}, {1, 0, 0}, {2, 1, 1}};
    SeriesParallelSolver solver;
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(show(solver.decompose(5, nested, 0, 4)), "(0 [(1 [2 | 3]) | 4] 5)");
        EXPECT_EQ(show(solver.decompose(4, bridge, 0, 3)), "none");
        EXPECT_EQ(show(solver.decompose(4, bridge, 1, 3)), "[([(0 2) | 4] 3) | 1]");
        EXPECT_EQ(show(solver.decompose(2, parallel, 0, 1)), "[2 | 5 | 9]");
        EXPECT_EQ(show(solver.decompose(4, chain, 3, 0)), "(2 1 0)");
        EXPECT_EQ(show(solver.decompose(3, {{0, 1, 0}}, 0, 2)), "none");
    }
}

TEST(SeriesParallelSolver, TermOfTheBlockIsTheDecomposition) {
    // Path 0, 1 from s to t, with a stub and a loop hanging off it.
    const std::vector<NetworkEdge> e = {{0, 1, 0}, {1, 2, 1}, {1, 3, 2}, {2, 4, 3}, {4, 2, 4}, {1, 1, 5}};
    SeriesParallelSolver solver;
    const std::vector<NetworkEdge> block = solver.edgesBetween(5, e, 0, 2);
    ASSERT_EQ(block.size(), 2u);
    EXPECT_EQ(show(solver.termOf(5, block, 0, 2)), "(0 1)");
    EXPECT_EQ(show(solver.termOf(5, block, 2, 0)), "(1 0)");
    // A stub's end lies behind one contact; a point no contact touches, behind none.
    EXPECT_EQ(solver.edgesBetween(5, e, 0, 3).size(), 2u);
    EXPECT_TRUE(solver.edgesBetween(6, e, 0, 5).empty());
}

void expectSameAnalysis(const RungAnalysis& a, const RungAnalysis& b, const std::string& where) {
    ASSERT_EQ(a.coils.size(), b.coils.size()) << where;
    for (std::size_t k = 0; k < a.coils.size(); ++k) {
        EXPECT_EQ(a.coils[k].feed, b.coils[k].feed) << where << " coil " << k;
        EXPECT_EQ(a.coils[k].term, b.coils[k].term) << where << " coil " << k;
    }
    ASSERT_EQ(a.terms.size(), b.terms.size()) << where;
    for (std::size_t t = 0; t < a.terms.size(); ++t) EXPECT_EQ(show(a.terms[t]), show(b.terms[t])) << where;
}

TEST(RungAnalysis, AllRungsAtOnceGiveWhatEachRungAloneGives) {
    // Sheets of one and of several rungs, each kind of feed among them.
    for (const char* session : {diagram::typical, diagram::interlock, diagram::bridge, diagram::parallelCoils,
                                diagram::branchToOwnCoil, diagram::parallelCoilUnderNothing, diagram::danglingRow,
                                "1 X01,5 X02,9 Y01,11,18,5 X05,7 X06,11,1 X03,7 X04,11,1 X07,5 X08,9 Y02,11,3 X09,18,11,22"}) {
        const PaletteDrawing d(session);
        const Circuit circuit = readCircuit(d.sheet(), d.curRow(), d.curCol());
        const std::vector<RungAnalysis> all = analyseRungs(circuit);
        ASSERT_EQ(all.size(), circuit.rungs.size()) << session;
        for (std::size_t r = 0; r < all.size(); ++r)
            expectSameAnalysis(all[r], analyseRung(circuit, circuit.rungs[r]), std::string(session) + " rung " + std::to_string(r));
    }
}

TEST(RungAnalysis, FeedsOfTheSheetWithEveryKind) {
    // Rung 1: a series-parallel term; rung 2: a bridge; rung 3 (row 10): a
    // parallel coil hanging where no coil is, fed by nothing.
    const PaletteDrawing d("1 X01,9 Y01,11,1 X02,5 X03,9 Y02,11,18,5 X05,7 X06,11,1 X07,7 X04,11,11,21 Y03,11,22");
    const Circuit circuit = readCircuit(d.sheet(), d.curRow(), d.curCol());
    const std::vector<RungAnalysis> all = analyseRungs(circuit);
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all[0].coils.at(0).feed, Feed::Term);
    EXPECT_EQ(show(all[0].terms.at(0)), "0");
    EXPECT_EQ(all[1].coils.at(0).feed, Feed::NotSeriesParallel);
    EXPECT_TRUE(all[1].terms.empty());
    EXPECT_EQ(all.back().coils.at(0).feed, Feed::Nothing);
}

TEST(DeviceTable, NumbersANameWithoutGivingItAVariable) {
    Bdd bdd;
    DeviceTable devices(bdd, {"X01", "X02", "X01"});
    EXPECT_EQ(devices.deviceCount(), 2);
    EXPECT_EQ(devices.variable("X01"), 1);
    EXPECT_EQ(devices.variable("X02"), 0);
    // A name only numbered, or only written, has no variable of its own yet.
    const int y = devices.deviceOf("Y01");
    EXPECT_EQ(devices.deviceOf("Y01"), y);
    EXPECT_EQ(devices.variable("Y01"), -1);
    const Bdd::Ref second = devices.version("Y01", 2);
    EXPECT_EQ(devices.variable("Y01"), -1);
    // The first read gives it the next variable; versions keep theirs.
    EXPECT_EQ(devices.initial("Y01"), bdd.var(3));
    EXPECT_EQ(devices.variable("Y01"), 3);
    EXPECT_EQ(devices.version("Y01", 2), second);
    EXPECT_EQ(second, bdd.var(2));
    EXPECT_EQ(devices.version("Y01", 1), bdd.var(4));
    EXPECT_EQ(devices.versionOf(y, 0), devices.initial("Y01"));
}

TEST(DeviceValues, AWriteTakesEffectForThatDeviceOnly) {
    Bdd bdd;
    DeviceTable devices(bdd, {"X01"});
    DeviceValues composed(devices, Reading::Composed);
    const Bdd::Ref x = composed.value("X01");
    composed.write("Y01", bdd.notOf(x));
    EXPECT_EQ(composed.value("Y01"), bdd.notOf(x));
    EXPECT_EQ(composed.value("X01"), x);
    EXPECT_EQ(composed.value("Y02"), devices.initial("Y02"));
    DeviceValues versioned(devices, Reading::Versioned);
    versioned.write("Y01", x);
    versioned.write("Y01", x);
    EXPECT_EQ(versioned.value("Y01"), devices.version("Y01", 2));
}

TEST(CellKind, EveryGlyphAndNothingElse) {
    using K = CellKind;
    const std::pair<std::string_view, K> glyphs[] = {
        {"  ", K::Blank}, {"╱", K::Slash}, {"┥", K::PlateL}, {"┝", K::PlateR}, {"━", K::H},   {"┃", K::V},  {"┣", K::VR},
        {"┫", K::VL},     {"┛", K::UL},    {"┗", K::UR},     {"┻", K::HU},     {"┳", K::HD}, {"╋", K::Cross}};
    for (const auto& [text, kind] : glyphs) EXPECT_EQ(cellKind(text), kind) << text;
    // Names, also three bytes long; brackets; "" outside the grid; one space.
    for (std::string_view other : {"X01", "输", "Y1 ", "（", "）", "", " ", "   ", "━━", "┃ ", "E"})
        EXPECT_EQ(cellKind(other), K::Other) << other;
    EXPECT_EQ(glyphArms("┃", false), arm::N | arm::S);
    EXPECT_EQ(glyphArms("━", false), 0);
    EXPECT_EQ(glyphArms("┳", true), arm::S | arm::W | arm::E);
    EXPECT_EQ(glyphArms("┥", true), 0);
}

}  // namespace
}  // namespace lp
