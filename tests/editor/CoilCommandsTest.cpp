// The output coil (Command9) and the parallel output coil (Command21).
#include "EditorFixture.h"

namespace lp::test {
namespace {

using Cells = std::vector<std::string>;
using CoilTest = EditorTest;

const Cells kCoil = {"━", "（", "  ", "）", "━", "┫"};
const Cells kParallelCoil = {"┗", "（", "  ", "）", "━", "┫"};

TEST_F(CoilTest, FirstRungCoilFillsTheLineAndDrawsTheRail) {
    press(1, "X01");
    const std::string before = enabled();
    press(9, "Y01");
    for (int col = 6; col <= 50; ++col) EXPECT_EQ(cell(2, col), "━") << col;
    EXPECT_EQ(cells(2, 51, 56), kCoil);
    EXPECT_EQ(cells(1, 53, 54), (Cells{"Y01", " "}));
    EXPECT_EQ(cell(1, 56), "┃");
    EXPECT_EQ(cell(1, 55), "  ");
    for (int col = 57; col <= kLastCol; ++col) EXPECT_EQ(cell(2, col), "  ") << col;
    EXPECT_EQ(rowEnd(2), 6);
    EXPECT_EQ(ladder.state.CoilFromCol, 6);
    EXPECT_EQ(ladder.state.CurCol, 57);
    EXPECT_EQ(ladder.state.LastKind, 9);
    EXPECT_EQ(ladder.state.PrevKind, 1);
    EXPECT_EQ(ladder.state.LastWidth, 6);
    EXPECT_EQ(ladder.state.PrevWidth, 5);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterCoil.enabled));
}

TEST_F(CoilTest, CoilFillsBeforeItAsksAndDrawsAfter) {
    press(1, "X01");
    ladder.palette.setEnabled(10, false);
    const std::string before = enabled();
    ui.replies = {"Y01"};
    ui.onPrompt = [&] {
        EXPECT_EQ(enabled(), applyTable(before, paletteTable::stepBackOffered.enabled));
        EXPECT_EQ(rowEnd(2), 6);
        EXPECT_EQ(cell(2, 6), "━");
        EXPECT_EQ(cell(2, 50), "━");
        EXPECT_EQ(cell(2, 51), "  ");
        EXPECT_EQ(ladder.state.CoilFromCol, 6);
        EXPECT_EQ(ladder.state.CurCol, 51);
    };
    press(9);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterCoil.enabled));
}

TEST_F(CoilTest, CoilAfterAClosingElementContinuesIt) {
    press(1, "X01");
    press(7, "X02");
    press(9, "Y01");
    EXPECT_EQ(cell(2, 10), "┻");
    EXPECT_EQ(cell(2, 11), "━");
    EXPECT_EQ(rowEnd(2), 11);
}

TEST_F(CoilTest, CoilAfterAFullRowDrawsNoFill) {
    press(1, "X01");
    const char* const names[] = {"X10", "X11", "X12", "X13", "X14", "X15", "X16", "X17", "X18"};
    for (int i = 0; i < 9; ++i) press(i == 8 ? 7 : 5, names[i]);
    ASSERT_EQ(ladder.state.CurCol, 51);
    press(9, "Y01");
    EXPECT_EQ(cell(2, 50), "┻");  // the last contact's "┛" is continued into the coil
    EXPECT_EQ(cells(2, 51, 56), kCoil);
    EXPECT_EQ(rowEnd(2), 51);
    EXPECT_EQ(ladder.state.CoilFromCol, 51);
}

TEST_F(CoilTest, CoilOverwritesWhateverColumns51To56Held) {
    press(1, "X01");
    setCells(2, 51, {"┳", "┳", "┳", "┳", "┳", "┳"});
    press(9, "Y01");
    EXPECT_EQ(cells(2, 51, 56), kCoil);
}

TEST_F(CoilTest, RightRailWalksUpFromTheNameRow) {
    press(1, "X01");
    press(9, "Y01");
    press(11);
    press(2, "X02");
    EXPECT_EQ(cell(3, 56), "┃");  // drawn by the line feed
    ladder.sheet.setCell(3, 56, "  ");
    ladder.sheet.setCell(4, 56, "  ");
    press(9, "Y02");
    EXPECT_EQ(cell(3, 56), "┃");
    EXPECT_EQ(cell(2, 56), "┫");  // the stop cell is not changed
    EXPECT_EQ(cells(4, 51, 56), kCoil);
    EXPECT_EQ(cells(3, 53, 54), (Cells{"Y02", " "}));
}

TEST_F(CoilTest, ParallelCoilHangsFromTheCoilAbove) {
    press(1, "X01");
    press(9, "Y01");
    press(11);
    const std::string before = enabled();
    press(21, "Y02");
    EXPECT_EQ(cell(2, 51), "┳");
    EXPECT_EQ(cell(3, 51), "┃");
    EXPECT_EQ(cells(4, 51, 56), kParallelCoil);
    EXPECT_EQ(cells(3, 53, 54), (Cells{"Y02", " "}));
    EXPECT_EQ(cell(3, 56), "┃");
    for (int col = 1; col <= 50; ++col) EXPECT_EQ(cell(4, col), "  ") << col;  // no line from the cursor
    EXPECT_EQ(rowEnd(4), 51);
    EXPECT_EQ(ladder.state.CoilFromCol, 1);
    EXPECT_EQ(ladder.state.CurCol, 57);
    EXPECT_EQ(ladder.state.LastKind, 21);
    EXPECT_EQ(ladder.state.PrevKind, 9);
    EXPECT_EQ(ladder.state.LastWidth, 6);
    EXPECT_EQ(ladder.state.PrevWidth, 6);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterCoil.enabled));
}

TEST_F(CoilTest, ParallelCoilDrawsOneRailCellAndNoWalk) {
    press(1, "X01");
    press(9, "Y01");
    press(11);
    ladder.sheet.setCell(3, 56, "  ");
    ladder.sheet.setCell(2, 56, "  ");
    press(21, "Y02");
    EXPECT_EQ(cell(3, 56), "┃");
    EXPECT_EQ(cell(2, 56), "  ");
}

TEST_F(CoilTest, ParallelCoilAsksBeforeItDraws) {
    press(1, "X01");
    press(9, "Y01");
    press(11);
    const std::string before = enabled();
    ui.replies = {"Y02"};
    ui.onPrompt = [&] {
        EXPECT_EQ(enabled(), applyTable(before, paletteTable::stepBackOffered.enabled));
        EXPECT_EQ(rowEnd(4), 51);
        EXPECT_EQ(ladder.state.CurCol, 51);
        EXPECT_EQ(ladder.state.CoilFromCol, 1);
        EXPECT_EQ(cell(2, 51), "━");
        EXPECT_EQ(cell(4, 51), "  ");
    };
    press(21);
}

TEST_F(CoilTest, TwoParallelCoilsChainDownward) {
    press(1, "X01");
    press(9, "Y01");
    press(11);
    press(21, "Y02");
    press(11);
    press(21, "Y03");
    EXPECT_EQ(cell(2, 51), "┳");
    EXPECT_EQ(cell(4, 51), "┳");
    EXPECT_EQ(cell(5, 51), "┃");
    EXPECT_EQ(cells(6, 51, 56), kParallelCoil);
    EXPECT_EQ(cell(5, 56), "┃");
    EXPECT_EQ(cell(4, 56), "┫");
}

TEST_F(CoilTest, ParallelCoilInsideARungLeavesTheRowAlone) {
    press(1, "X01");
    press(9, "Y01");
    press(11);
    press(1, "X02");
    press(21, "Y02");
    EXPECT_EQ(cell(4, 5), "━");
    EXPECT_EQ(cell(4, 6), "  ");
    EXPECT_EQ(cell(4, 50), "  ");
    EXPECT_EQ(ladder.state.CoilFromCol, 6);
    EXPECT_EQ(rowEnd(4), 51);
}

}  // namespace
}  // namespace lp::test
