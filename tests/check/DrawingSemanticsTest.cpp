// What the drawing writes: the power over every path from the rail to each
// coil, rung by rung.
#include <gtest/gtest.h>

#include "Diagrams.h"
#include "PaletteDrawing.h"
#include "circuit/DrawingSemantics.h"

namespace lp {
namespace {

using test::PaletteDrawing;
namespace diagram = test::diagram;

struct Model {
    Circuit circuit;
    std::vector<RungAnalysis> analyses;
    Bdd bdd;
    DeviceTable devices{bdd};

    explicit Model(const PaletteDrawing& d) : circuit(readCircuit(d.sheet(), d.curRow(), d.curCol())) {
        for (const Rung& rung : circuit.rungs) analyses.push_back(analyseRung(circuit, rung));
    }
    Bdd::Ref v(const char* name) { return devices.initial(name); }
};

TEST(DrawingSemantics, TheTermOfASeriesParallelRungIsItsPowerFlow) {
    for (const char* session : {diagram::typical, diagram::railBranch, diagram::dropAfterOne, diagram::dropAfterTwo,
                                diagram::sealIn, diagram::middleBranch, diagram::twoContactBranches,
                                diagram::blocksInSeries, diagram::nested, diagram::parallelCoils,
                                diagram::branchToOwnCoil}) {
        const PaletteDrawing d(session);
        Model m(d);
        DeviceValues values(m.devices, Reading::Composed);
        for (std::size_t r = 0; r < m.circuit.rungs.size(); ++r) {
            const std::vector<Bdd::Ref> flow = rungPowerFlow(m.circuit, m.circuit.rungs[r], values, m.bdd);
            const RungAnalysis& a = m.analyses[r];
            for (std::size_t k = 0; k < a.coils.size(); ++k) {
                ASSERT_EQ(a.coils[k].feed, Feed::Term) << session;
                EXPECT_EQ(flow[k], termPower(a.terms[static_cast<std::size_t>(a.coils[k].term)], m.circuit, values, m.bdd))
                    << session << " rung " << r << " coil " << k;
            }
        }
    }
}

TEST(DrawingSemantics, ABridgeCarriesPowerOverEveryPath) {
    const PaletteDrawing d(diagram::bridge);
    Model m(d);
    ASSERT_EQ(m.analyses.size(), 1u);
    EXPECT_EQ(m.analyses[0].coils.at(0).feed, Feed::NotSeriesParallel);
    const DrawingRun run = runDrawing(m.circuit, m.analyses, m.devices, Reading::Composed);
    auto all = [&](std::initializer_list<const char*> names) {
        Bdd::Ref f = Bdd::True;
        for (const char* n : names) f = m.bdd.andOf(f, m.v(n));
        return f;
    };
    Bdd::Ref want = Bdd::False;
    for (Bdd::Ref path : {all({"X01", "X02"}), all({"X01", "X05", "X06"}), all({"X03", "X04", "X06"}),
                          all({"X03", "X04", "X05", "X02"})})
        want = m.bdd.orOf(want, path);
    ASSERT_EQ(run.writes.size(), 1u);
    EXPECT_EQ(run.writes[0], (Write{"Y01", want}));
}

TEST(DrawingSemantics, LaterRungsReadNewValuesCoilsOfOneRungTheOldOnes) {
    // Rung 1: ¬Y01 -> Y01, Y02 (parallel). Rung 2: Y01 -> Y03.
    const PaletteDrawing d("2 Y01,9 Y01,11,21 Y02,11,1 Y01,9 Y03,11,22");
    Model m(d);
    const DrawingRun run = runDrawing(m.circuit, m.analyses, m.devices, Reading::Composed);
    const Bdd::Ref notY = m.bdd.notOf(m.v("Y01"));
    ASSERT_EQ(run.writes.size(), 3u);
    EXPECT_EQ(run.writes[0], (Write{"Y01", notY}));
    EXPECT_EQ(run.writes[1], (Write{"Y02", notY}));
    EXPECT_EQ(run.writes[2], (Write{"Y03", notY}));
    EXPECT_EQ(run.rungOfWrite, (std::vector<int>{0, 0, 1}));
}

TEST(DrawingSemantics, CoilsFedByNothingOrByTheRailAloneAreConstant) {
    PaletteDrawing d("1 X01,9 Y01,11");
    auto coil = [&](int row, int from, const char* name) {
        for (int col = from; col <= 51; ++col) d.ladder.sheet.setCell(row, col, "━");
        const char* cells[] = {"（", "  ", "）", "━", "┫"};
        for (int i = 0; i < 5; ++i) d.ladder.sheet.setCell(row, 52 + i, cells[i]);
        d.ladder.sheet.setCell(row - 1, 53, name);
    };
    coil(4, 30, "Y02");  // a line from nowhere
    d.ladder.sheet.setCell(6, 1, "┣");
    d.ladder.sheet.setCell(5, 1, "┃");
    coil(6, 2, "Y03");  // straight from the rail
    Model m(d);
    const DrawingRun run = runDrawing(m.circuit, m.analyses, m.devices, Reading::Composed);
    ASSERT_EQ(run.writes.size(), 3u);
    EXPECT_EQ(run.writes[1], (Write{"Y02", Bdd::False}));
    EXPECT_EQ(run.writes[2], (Write{"Y03", Bdd::True}));
}

}  // namespace
}  // namespace lp
