// Reading the drawing as a circuit: contacts, coils, nets, the rail, rungs.
#include <gtest/gtest.h>

#include "Diagrams.h"
#include "PaletteDrawing.h"
#include "circuit/CircuitGraph.h"

namespace lp {
namespace {

using test::PaletteDrawing;
namespace diagram = test::diagram;

Circuit read(const PaletteDrawing& d) { return readCircuit(d.sheet(), d.curRow(), d.curCol()); }

TEST(CircuitGraph, TypicalRunHasThreeContactsTwoCoilsTwoRungs) {
    const PaletteDrawing d(diagram::typical);
    const Circuit c = read(d);
    ASSERT_EQ(c.contacts.size(), 3u);
    EXPECT_EQ(c.contacts[0].name, "X01");
    EXPECT_EQ(c.contacts[1].name, "X02");
    EXPECT_EQ(c.contacts[2].name, "X03");
    EXPECT_FALSE(c.contacts[0].normallyClosed);
    EXPECT_TRUE(c.contacts[2].normallyClosed);
    EXPECT_EQ(c.contacts[1].row, 2);
    EXPECT_EQ(c.contacts[1].slot, 6);
    EXPECT_EQ(c.contacts[0].left, c.rail);
    EXPECT_EQ(c.contacts[2].left, c.rail);
    EXPECT_EQ(c.contacts[0].right, c.contacts[1].left);
    ASSERT_EQ(c.coils.size(), 2u);
    EXPECT_EQ(c.coils[0].name, "Y01");
    EXPECT_EQ(c.coils[0].leadIn, c.contacts[1].right);
    EXPECT_EQ(c.coils[1].leadIn, c.contacts[2].right);
    EXPECT_FALSE(c.coils[0].parallel);
    // The END element's line and the right rail are no rungs.
    ASSERT_EQ(c.rungs.size(), 2u);
    EXPECT_EQ(c.rungs[0].row, 2);
    EXPECT_EQ(c.rungs[0].contacts, (std::vector<int>{0, 1}));
    EXPECT_EQ(c.rungs[1].row, 4);
    EXPECT_EQ(c.rungs[1].coils, (std::vector<int>{1}));
    EXPECT_TRUE(c.endAtCursor);
}

TEST(CircuitGraph, EndCountsOnlyAtTheCursor) {
    const PaletteDrawing d(diagram::typical);
    EXPECT_FALSE(readCircuit(d.sheet(), d.curRow(), d.curCol() + 5).endAtCursor);
    EXPECT_FALSE(readCircuit(d.sheet(), 2, 1).endAtCursor);
    const PaletteDrawing noEnd("1 X01,9 Y01");
    EXPECT_FALSE(read(noEnd).endAtCursor);
}

TEST(CircuitGraph, ADroppedBranchJoinsTheLineAboveAtBothEnds) {
    const PaletteDrawing d(diagram::dropAfterOne);
    const Circuit c = read(d);
    ASSERT_EQ(c.contacts.size(), 3u);
    EXPECT_EQ(c.contacts[2].name, "X03");
    EXPECT_EQ(c.contacts[2].left, c.contacts[1].left);
    EXPECT_EQ(c.contacts[2].right, c.contacts[1].right);
    EXPECT_EQ(c.rungs.size(), 1u);
}

TEST(CircuitGraph, ParallelCoilsHangFromOneLeadIn) {
    // The third coil leaves "┳" over the "┗" of the second: joined all the same.
    const PaletteDrawing d(diagram::parallelCoils);
    EXPECT_EQ(d.sheet().cell(4, 51), "┳");
    const Circuit c = read(d);
    ASSERT_EQ(c.coils.size(), 3u);
    EXPECT_EQ(c.coils[1].leadIn, c.coils[0].leadIn);
    EXPECT_EQ(c.coils[2].leadIn, c.coils[0].leadIn);
    EXPECT_FALSE(c.coils[0].parallel);
    EXPECT_TRUE(c.coils[1].parallel);
    EXPECT_TRUE(c.coils[2].parallel);
    ASSERT_EQ(c.rungs.size(), 1u);
    EXPECT_EQ(c.rungs[0].coils, (std::vector<int>{0, 1, 2}));
}

TEST(CircuitGraph, AContactThatDrivesNothingIsARungOfItsOwn) {
    const PaletteDrawing d(diagram::danglingRow);
    const Circuit c = read(d);
    ASSERT_EQ(c.rungs.size(), 2u);
    EXPECT_EQ(c.rungs[1].row, 4);
    EXPECT_EQ(c.rungs[1].contacts.size(), 1u);
    EXPECT_TRUE(c.rungs[1].coils.empty());
}

TEST(CircuitGraph, AParallelCoilUnderAnEmptyRowHangsFromNothing) {
    const PaletteDrawing d(diagram::parallelCoilUnderNothing);
    const Circuit c = read(d);
    ASSERT_EQ(c.coils.size(), 2u);
    EXPECT_NE(c.coils[1].leadIn, c.coils[0].leadIn);
    EXPECT_NE(c.coils[1].leadIn, c.rail);
    ASSERT_EQ(c.rungs.size(), 2u);
    EXPECT_EQ(c.rungs[1].row, 6);
    EXPECT_TRUE(c.rungs[1].contacts.empty());
}

TEST(CircuitGraph, ContactsReadTheirNamesAndTypesFromTheirCells) {
    const PaletteDrawing d("1 输入一,6 X02,9 Y01");
    const Circuit c = read(d);
    ASSERT_EQ(c.contacts.size(), 2u);
    EXPECT_EQ(c.contacts[0].name, "输入一");
    EXPECT_TRUE(c.contacts[1].normallyClosed);
}

}  // namespace
}  // namespace lp
