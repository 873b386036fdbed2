// The list built from the circuit, and the refusals when a rung cannot be
// written.
#include <gtest/gtest.h>

#include "Diagrams.h"
#include "PaletteDrawing.h"
#include "circuit/ListCheck.h"
#include "sheet/Glyphs.h"

namespace lp {
namespace {

using test::crlfLines;
using test::PaletteDrawing;
namespace diagram = test::diagram;

StructuralResult build(const PaletteDrawing& d) { return buildStructuralList(d.sheet(), d.curRow(), d.curCol()); }

struct Expected {
    const char* name;
    const char* session;
    std::initializer_list<std::string_view> lines;
};

class StructuralListOf : public ::testing::TestWithParam<Expected> {};

TEST_P(StructuralListOf, BuildsThisListAndItPassesTheCheck) {
    const Expected& e = GetParam();
    const PaletteDrawing d(e.session);
    const StructuralResult r = build(d);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.list, crlfLines(e.lines));
    EXPECT_TRUE(r.message.empty());
    EXPECT_TRUE(listMatchesDrawing(d.sheet(), d.curRow(), d.curCol(), r.list));
}

const Expected kCircuits[] = {
    {"typical", diagram::typical, {"LD  X01", "AND X02", "OUT Y01", "LDI X03", "OUT Y02", "END"}},
    {"railBranch", diagram::railBranch, {"LD  X01", "OR  X02", "AND X03", "OUT Y01", "END"}},
    {"dropAfterOne", diagram::dropAfterOne, {"LD  X01", "LD  X02", "OR  X03", "ANB ", "OUT Y01", "END"}},
    {"dropAfterTwo", diagram::dropAfterTwo, {"LD  X01", "AND X02", "LD  X03", "OR  X04", "ANB ", "OUT Y01", "END"}},
    {"sealIn", diagram::sealIn, {"LD  X01", "OR  Y01", "ANI X02", "OUT Y01", "END"}},
    {"interlock", diagram::interlock, {"LD  X01", "ANI Y02", "OUT Y01", "LD  X02", "ANI Y01", "OUT Y02", "END"}},
    {"middleBranch", diagram::middleBranch, {"LD  X01", "LD  X02", "OR  X03", "ANB ", "AND X04", "OUT Y01", "END"}},
    {"twoContactBranches",
     diagram::twoContactBranches,
     {"LD  X01", "AND X02", "LD  X03", "AND X04", "ORB ", "OUT Y01", "END"}},
    {"blocksInSeries", diagram::blocksInSeries, {"LD  X01", "OR  X02", "LD  X03", "OR  X04", "ANB ", "OUT Y01", "END"}},
    {"nested",
     diagram::nested,
     {"LD  X01", "LD  X02", "LD  X03", "OR  X04", "ANB ", "ORI X05", "ANB ", "OUT Y01", "END"}},
    {"parallelCoils", diagram::parallelCoils, {"LD  X01", "OUT Y01", "OUT Y02", "OUT Y03", "END"}},
    {"branchToOwnCoil",
     diagram::branchToOwnCoil,
     {"LD  X01", "MPS ", "AND X02", "OUT Y01", "MPP ", "AND X03", "OUT Y02", "END"}},
    // Every branch starts from the shared part as it was before the rung.
    {"sharedPartReadsCoil",
     diagram::sharedPartReadsCoil,
     {"LDI Y01", "MPS ", "AND X02", "OUT Y01", "MPP ", "AND X03", "OUT Y02", "END"}},
    {"sealInWithLamp",
     diagram::sealInWithLamp,
     {"LD  X01", "OR  Y01", "MPS ", "ANI X02", "OUT Y01", "MPP ", "AND X03", "OUT Y02", "END"}},
    // Three branches from one point, the middle one with a block in it:
    // MRD takes the point's result up again for it.
    {"threeBranches",
     "1 X01,5 X02,9 Y01,11,18,5 X03,5 X04,9 Y02,11,18,18,7 X05,11,18,5 X06,9 Y03,11,22",
     {"LD  X01", "MPS ", "AND X02", "OUT Y01", "MRD ", "AND X03", "LD  X04", "OR  X05", "ANB ", "OUT Y02", "MPP ",
      "AND X06", "OUT Y03", "END"}},
    {"noEnd", "1 X01,6 X02,9 Y01", {"LD  X01", "ANI X02", "OUT Y01"}},
    // A bridge has no series and parallel parts: its paths, one by one.
    {"bridge",
     diagram::bridge,
     {"LD  X01", "AND X02", "LD  X01", "AND X05", "AND X06", "ORB ", "LD  X03", "AND X04", "AND X05", "AND X02",
      "ORB ", "LD  X03", "AND X04", "AND X06", "ORB ", "OUT Y01", "END"}},
};

INSTANTIATE_TEST_SUITE_P(Circuits, StructuralListOf, ::testing::ValuesIn(kCircuits),
                         [](const auto& info) { return std::string(info.param.name); });

struct Refusal {
    const char* name;
    const char* session;
    RefusalReason reason;
    int row;
    const char* message;
};

class StructuralRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(StructuralRefusal, NamesTheFirstRungThatCannotBeWritten) {
    const Refusal& e = GetParam();
    const PaletteDrawing d(e.session);
    const StructuralResult r = build(d);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.list.empty());
    EXPECT_EQ(r.reason, e.reason);
    EXPECT_EQ(r.rung_row, e.row);
    EXPECT_EQ(r.message, e.message);
}

const Refusal kRefusals[] = {
    {"danglingRow", diagram::danglingRow, RefusalReason::NoCoil, 4, "第4行：该梯级没有输出线圈，无法生成语句表"},
    {"parallelCoilUnderNothing",
     diagram::parallelCoilUnderNothing,
     RefusalReason::ParallelCoilWithoutCoil,
     6,
     "第6行：并联线圈“Y02”的上方没有可以挂接的输出线圈，无法生成语句表"},
    {"branchRereadsCoil",
     diagram::branchRereadsCoil,
     RefusalReason::RereadsOwnCoil,
     2,
     "第2行：该梯级的分支读取了本梯级先输出的线圈，逐个输出会改变结果，无法生成语句表"},
    // The first faulty rung is named, whatever follows it.
    {"danglingThenBridge",
     "1 X01,9 Y01,11,1 X02,18,11,1 X11,5 X12,9 Y11,11,18,5 X15,7 X16,11,1 X13,7 X14,11,22",
     RefusalReason::NoCoil,
     4,
     "第4行：该梯级没有输出线圈，无法生成语句表"},
};

INSTANTIATE_TEST_SUITE_P(Refusals, StructuralRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

// Cases the palette does not draw, laid cell by cell below a drawn rung.
class LaidCells : public ::testing::Test {
protected:
    PaletteDrawing d{"1 X01,9 Y01,11"};

    void coilOnRow(int row, int from, const std::string& name) {
        for (int col = from; col <= 50; ++col) d.ladder.sheet.setCell(row, col, glyph::h);
        const std::string_view coil[] = {glyph::h, glyph::parenL, glyph::blank, glyph::parenR, glyph::h, glyph::vl};
        for (int i = 0; i < 6; ++i) d.ladder.sheet.setCell(row, 51 + i, coil[i]);
        d.ladder.sheet.setCell(row - 1, 53, name);
    }
};

TEST_F(LaidCells, ACoilWhoseLineStartsInTheAirIsJoinedToNothing) {
    coilOnRow(4, 40, "Y02");
    const StructuralResult r = build(d);
    EXPECT_EQ(r.reason, RefusalReason::CoilJoinedToNothing);
    EXPECT_EQ(r.message, "第4行：输出线圈“Y02”没有接通左母线，无法生成语句表");
}

TEST_F(LaidCells, ACoilWiredStraightToTheRailHasNoContactToWrite) {
    d.ladder.sheet.setCell(4, 1, glyph::vr);
    d.ladder.sheet.setCell(3, 1, glyph::v);
    coilOnRow(4, 2, "Y02");
    const StructuralResult r = build(d);
    EXPECT_EQ(r.reason, RefusalReason::CoilOnRail);
    EXPECT_EQ(r.rung_row, 4);
}

TEST_F(LaidCells, ALineUnderAContactPlateDoesNotJoinIt) {
    // "┃" below the right plate "┣" of X01: a plate joins only sideways.
    d.ladder.sheet.setCell(3, 4, glyph::v);
    d.ladder.sheet.setCell(4, 4, glyph::ur);
    coilOnRow(4, 5, "Y02");
    EXPECT_EQ(build(d).reason, RefusalReason::CoilJoinedToNothing);
    // The same line under the "━" after the plate joins it.
    d.ladder.sheet.setCell(3, 4, glyph::blank);
    d.ladder.sheet.setCell(4, 4, glyph::blank);
    d.ladder.sheet.setCell(3, 5, glyph::v);
    d.ladder.sheet.setCell(4, 5, glyph::ur);
    coilOnRow(4, 6, "Y02");
    const StructuralResult r = build(d);
    ASSERT_TRUE(r.ok) << r.message;
    // It joins the lead-in line of Y01: both coils hang from one point.
    EXPECT_EQ(r.list, crlfLines({"LD  X01", "OUT Y01", "OUT Y02"}));
}

}  // namespace
}  // namespace lp
