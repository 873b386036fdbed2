// Line pieces (Command15, Command16), the blank slot (Command18) and END
// (Command22).
#include "EditorFixture.h"
#include "editor/Commands.h"

namespace lp::test {
namespace {

using Cells = std::vector<std::string>;
using LinePieceTest = EditorTest;
using BlankSlotTest = EditorTest;
using EndTest = EditorTest;

const Cells kEnd = {"┣", "━", "━", "━", "（", "E", "N", "D", "）", "     "};

TEST_F(LinePieceTest, PlainLinePiece) {
    press(1, "X01");
    const std::string before = enabled();
    const std::size_t prompts = ui.prompts.size();
    press(15);
    EXPECT_EQ(ui.prompts.size(), prompts);  // no name
    EXPECT_EQ(cells(2, 6, 10), (Cells{"━", "━", "━", "━", "━"}));
    EXPECT_EQ(cells(1, 6, 10), (Cells{"  ", "  ", "  ", "  ", "  "}));
    EXPECT_EQ(rowEnd(2), 11);
    EXPECT_EQ(ladder.state.CurCol, 11);
    EXPECT_EQ(ladder.state.LastKind, 15);
    EXPECT_EQ(ladder.state.PrevKind, 1);
    EXPECT_EQ(ladder.state.LastWidth, 5);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterSeriesElement.enabled));
}

TEST_F(LinePieceTest, ClosingLinePieceJoinsUpward) {
    press(1, "X01");
    press(5, "X02");
    press(9, "Y01");
    press(11);
    press(1, "X03");
    const std::string before = enabled();
    press(16);
    EXPECT_EQ(cells(4, 6, 10), (Cells{"━", "━", "━", "━", "┛"}));
    EXPECT_EQ(cell(3, 10), "┃");
    EXPECT_EQ(cell(2, 10), "┳");  // under a "━"
    EXPECT_EQ(ladder.state.LastKind, 16);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterClosingElement.enabled));
}

TEST_F(LinePieceTest, ClosingLinePieceUnderAnotherClosingEnd) {
    press(1, "X01");
    press(7, "X02");  // "┛" at (2, 10)
    press(9, "Y01");
    press(11);
    press(1, "X03");
    press(16);
    EXPECT_EQ(cell(3, 10), "┃");
    EXPECT_EQ(cell(2, 10), "╋");  // the "┛" was continued into "┻" by the coil
}

TEST_F(LinePieceTest, ClosingLinePieceUnderAPlainCorner) {
    press(1, "X01");
    press(9, "Y01");
    press(11);
    press(1, "X03");
    ladder.sheet.setCell(2, 10, "┛");
    press(16);
    EXPECT_EQ(cell(2, 10), "┫");
}

TEST_F(LinePieceTest, LinePieceContinuesAClosingElement) {
    press(3, "X01");
    ladder.palette.setEnabled(10, false);
    const std::string before = enabled();
    press(15);
    EXPECT_EQ(cell(2, 5), "┻");
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterSeriesElement.enabled));
}

TEST_F(LinePieceTest, LinePieceAfterABlankSlotDropsABranch) {
    press(1, "X01");
    press(5, "X02");
    press(9, "Y01");
    press(11);
    press(2, "X03");
    press(18);
    press(15);
    EXPECT_EQ(cell(4, 10), "┗");
    EXPECT_EQ(cell(3, 10), "┃");
    EXPECT_EQ(cell(2, 10), "┳");
    EXPECT_EQ(cells(4, 11, 15), (Cells{"━", "━", "━", "━", "━"}));
    EXPECT_EQ(rowEnd(4), 16);
}

TEST_F(BlankSlotTest, BlankSlotAtTheRailDrawsTheRailFromItsOwnRow) {
    press(1, "X01");
    press(9, "Y01");
    press(11);
    const std::string before = enabled();
    press(18);
    EXPECT_EQ(cell(4, 1), "┃");
    EXPECT_EQ(cell(3, 1), "┃");
    EXPECT_EQ(cell(2, 1), "┣");
    EXPECT_EQ(cells(4, 2, 5), (Cells{"  ", "  ", "  ", "  "}));
    EXPECT_EQ(ladder.state.CurCol, 6);
    EXPECT_EQ(rowEnd(4), 6);
    EXPECT_EQ(ladder.state.LastKind, 18);
    EXPECT_EQ(ladder.state.PrevKind, 9);
    EXPECT_EQ(ladder.state.LastWidth, 5);
    EXPECT_EQ(ladder.state.PrevWidth, 6);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterBlankSlot.enabled));
}

TEST_F(BlankSlotTest, BlankSlotInsideARowDrawsNothing) {
    press(1, "X01");
    const std::string grid = sheetAndCursor();
    press(18);
    EXPECT_EQ(ladder.state.CurCol, 11);
    EXPECT_EQ(rowEnd(2), 11);
    EXPECT_EQ(cells(2, 6, 10), (Cells{"  ", "  ", "  ", "  ", "  "}));
    // Two blank slots in a row: the second draws nothing either.
    press(18);
    EXPECT_EQ(ladder.state.CurCol, 16);
    EXPECT_EQ(rowEnd(2), 16);
    EXPECT_EQ(ladder.state.PrevKind, 18);
    for (int col = 6; col <= 15; ++col) EXPECT_EQ(cell(2, col), "  ") << col;
    // Only the element after the last one drops the branch.
    press(5, "X02");
    EXPECT_EQ(cell(2, 10), "  ");
    EXPECT_EQ(cell(2, 15), "┗");
    EXPECT_EQ(cell(1, 15), "┃");
}

TEST_F(BlankSlotTest, RailWalkOfTheFirstRungStopsAtRowOne) {
    // Column 1 is blank all the way up: the walk draws rows 2 and 1 and
    // stops above the sheet.
    Command18_Click(ladder);
    EXPECT_EQ(cell(2, 1), "┃");
    EXPECT_EQ(cell(1, 1), "┃");
    EXPECT_EQ(ladder.state.LoopRow, 0);
    EXPECT_EQ(rowEnd(2), 6);
}

TEST_F(BlankSlotTest, BlankSlotEnablesStepBackFirst) {
    press(1, "X01");
    ladder.palette.setEnabled(10, false);
    const std::string before = enabled();
    press(18);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterBlankSlot.enabled));
    EXPECT_TRUE(ladder.palette.enabled(10));
}

TEST_F(EndTest, EndAsTheFirstAction) {
    const std::string before = enabled();
    press(22);
    EXPECT_EQ(cells(2, 1, 10), kEnd);
    EXPECT_EQ(cell(1, 1), "┃");
    EXPECT_EQ(cell(2, 11), "  ");
    EXPECT_EQ(ladder.state.CurCol, 1);
    EXPECT_EQ(rowEnd(2), 0);
    EXPECT_EQ(ladder.state.LastKind, 22);
    EXPECT_EQ(ladder.state.LastWidth, 10);
    EXPECT_EQ(ladder.state.PrevWidth, 5);
    EXPECT_EQ(ladder.state.PrevKind, 0);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterEnd.enabled));
    EXPECT_TRUE(ui.prompts.empty());
    ASSERT_EQ(ladder.picture.size(), 2u);
    // The END cells keep the printed row at 146 columns: "E", "N", "D" and
    // the five-space tail make up the two columns of four cells.
    EXPECT_EQ(ladder.picture[1], "  ┣━━━（END）     " + std::string(62 * 2, ' '));
}

TEST_F(EndTest, EndBelowARungWalksTheRailUp) {
    press(1, "X01");
    press(9, "Y01");
    press(11);
    press(11);
    press(22);
    EXPECT_EQ(cells(6, 1, 10), kEnd);
    EXPECT_EQ(cell(5, 1), "┃");
    EXPECT_EQ(cell(4, 1), "┃");
    EXPECT_EQ(cell(3, 1), "┃");
    EXPECT_EQ(cell(2, 1), "┣");
    EXPECT_EQ(ladder.state.CurRow, 6);
    EXPECT_EQ(ladder.state.CurCol, 1);
}

}  // namespace
}  // namespace lp::test
