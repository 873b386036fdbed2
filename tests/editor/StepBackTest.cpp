// Step back (Command10) for every kind of element, with the cells it
// deliberately leaves behind.
#include "EditorFixture.h"
#include "editor/Commands.h"

namespace lp::test {
namespace {

using StepBackTest = EditorTest;

// Row 2: X01 at the rail, X02 in series, coil Y01; then a line feed to row 4.
class StepBackBelowARung : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        press(1, "X01");
        press(5, "X02");
        press(9, "Y01");
        press(11);
    }
};

TEST_F(StepBackTest, RailContactOnTheFirstRungKeepsItsRailCell) {
    press(1, "X01");
    const std::string before = enabled();
    press(10);
    EXPECT_EQ(cell(1, 1), "┃");  // left behind
    for (int col = 2; col <= kLastCol; ++col) EXPECT_EQ(cell(1, col), "  ") << col;
    EXPECT_TRUE(ladder.sheet.rowIsBlank(2));
    EXPECT_EQ(rowEnd(2), 0);
    EXPECT_EQ(ladder.state.CurCol, 1);
    EXPECT_EQ(ladder.state.LastKind, 0);
    EXPECT_EQ(ladder.state.LastWidth, 5);
    // The first element of its row: back at the rail, END stays off.
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterStepBackAtRail.enabled));
    EXPECT_FALSE(ladder.palette.enabled(22));
    EXPECT_FALSE(ladder.palette.enabled(10));
    ASSERT_EQ(ladder.picture.size(), 2u);
    EXPECT_EQ(ladder.picture[1], ladder.sheet.rowText(2));
}

TEST_F(StepBackBelowARung, RailContactsBlankTheirCellsAndName) {
    for (int kind : {1, 2}) {
        const std::string grid = sheetAndCursor();
        press(kind, "X03");
        press(10);
        ASSERT_EQ(cell(3, 1), "┃");  // the rail run stays
        ladder.sheet.setCell(3, 1, "  ");
        EXPECT_EQ(sheetAndCursor(), grid) << "kind " << kind;
    }
}

TEST_F(StepBackBelowARung, ClosingRailContactRetractsItsBranchLine) {
    const int end = rowEnd(4);
    press(3, "X03");
    ASSERT_EQ(cell(2, 5), "┳");
    press(10);
    for (int col = 1; col <= 5; ++col) EXPECT_EQ(cell(4, col), "  ") << col;
    EXPECT_EQ(cell(3, 2), "  ");
    EXPECT_EQ(cell(3, 3), "  ");
    EXPECT_EQ(cell(3, 5), "  ");
    EXPECT_EQ(cell(2, 5), "━");
    EXPECT_EQ(cell(3, 1), "┃");
    EXPECT_EQ(rowEnd(4), end);
    EXPECT_EQ(ladder.state.CurCol, 1);
    EXPECT_EQ(ladder.state.LastKind, 9);
    EXPECT_EQ(ladder.state.LastWidth, 6);
}

TEST_F(StepBackTest, ClosingRailContactUnderACornerTurnsItBack) {
    // Three-rule form: the "┫" that the join made of a "┛" is a "┛" again.
    press(3, "X01");
    press(9, "Y01");  // continues (2, 5) into "┻"
    press(11);
    ladder.sheet.setCell(2, 5, "┛");
    const std::string grid = sheetAndCursor();
    press(4, "X02");
    ASSERT_EQ(cell(2, 5), "┫");
    press(10);
    ladder.sheet.setCell(3, 1, "  ");
    EXPECT_EQ(sheetAndCursor(), grid);
}

TEST_F(StepBackTest, ClosingJoinOverAStopThatWasAlreadyJoined) {
    // The placement leaves a "┳" unchanged, step back still turns it to "━".
    press(1, "X01");
    press(9, "Y01");
    press(11);
    ladder.sheet.setCell(2, 5, "┳");
    press(3, "X02");
    ASSERT_EQ(cell(2, 5), "┳");
    press(10);
    EXPECT_EQ(cell(2, 5), "━");
}

TEST_F(StepBackTest, RetractionFollowsAForeignRailRun) {
    // The placement's walk stops at a "┃" of some other line; step back
    // follows the whole run, blanks that line's "┃" too and applies its
    // rules where the run ends.
    press(1, "X01");
    press(9, "Y01");
    press(11);
    press(11);
    ladder.sheet.setCell(3, 5, "┃");
    ladder.sheet.setCell(2, 5, "╋");
    press(3, "X02");
    ASSERT_EQ(cell(5, 5), "┃");
    ASSERT_EQ(cell(4, 5), "┃");
    ASSERT_EQ(cell(2, 5), "╋");
    press(10);
    EXPECT_EQ(cell(5, 5), "  ");
    EXPECT_EQ(cell(4, 5), "  ");
    EXPECT_EQ(cell(3, 5), "  ");
    EXPECT_EQ(cell(2, 5), "┻");
}

TEST_F(StepBackTest, SeriesContactsRestoreTheSheet) {
    press(1, "X01");
    for (int kind : {5, 6}) {
        const std::string grid = sheetAndCursor();
        press(kind, "X02");
        const std::string before = enabled();
        press(10);
        EXPECT_EQ(sheetAndCursor(), grid) << "kind " << kind;
        EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterStepBackInRung.enabled));
        EXPECT_FALSE(ladder.palette.enabled(10));
        EXPECT_TRUE(ladder.palette.enabled(kind));
    }
}

TEST_F(StepBackTest, SeriesContactUndoesTheContinuationFix) {
    press(3, "X01");
    const std::string grid = sheetAndCursor();
    press(6, "X02");
    ASSERT_EQ(cell(2, 5), "┻");
    press(10);
    EXPECT_EQ(sheetAndCursor(), grid);
    EXPECT_EQ(cell(2, 5), "┛");
    // After an element ending in "┫" the "╋" turns back.
    ladder.sheet.setCell(2, 5, "┫");
    press(5, "X03");
    ASSERT_EQ(cell(2, 5), "╋");
    press(10);
    EXPECT_EQ(cell(2, 5), "┫");
}

TEST_F(StepBackBelowARung, SeriesContactAfterABlankSlotRemovesTheDroppedBranch) {
    press(18);
    const std::string grid = sheetAndCursor();
    press(5, "X03");
    ASSERT_EQ(cell(4, 5), "┗");
    ASSERT_EQ(cell(2, 5), "┳");
    press(10);
    EXPECT_EQ(sheetAndCursor(), grid);
    EXPECT_EQ(cell(4, 5), "  ");
    EXPECT_EQ(cell(3, 5), "  ");
    EXPECT_EQ(cell(2, 5), "━");
    EXPECT_EQ(cell(4, 1), "┃");  // the blank slot's rail is not this element's
    // The counters describe the blank slot again: a new contact drops the
    // branch again.
    EXPECT_EQ(ladder.state.LastKind, 18);
    press(6, "X04");
    EXPECT_EQ(cell(4, 5), "┗");
    EXPECT_EQ(cell(3, 5), "┃");
    EXPECT_EQ(cell(2, 5), "┳");
}

TEST_F(StepBackBelowARung, DroppedBranchRetractionHasOnlyTwoRules) {
    // A "┫" where the dropped branch stopped was left as it was; the
    // two-rule retraction leaves it too.
    ladder.sheet.setCell(2, 5, "┫");
    press(18);
    press(5, "X03");
    ASSERT_EQ(cell(2, 5), "┫");
    press(10);
    EXPECT_EQ(cell(2, 5), "┫");
    EXPECT_EQ(cell(3, 5), "  ");
    // "┻" was crossed and comes back.
    ladder.sheet.setCell(2, 5, "┻");
    press(5, "X03");
    ASSERT_EQ(cell(2, 5), "╋");
    press(10);
    EXPECT_EQ(cell(2, 5), "┻");
}

TEST_F(StepBackBelowARung, ClosingSeriesContactAfterABlankSlot) {
    press(2, "X03");
    press(18);
    const std::string grid = sheetAndCursor();
    for (int kind : {7, 8}) {
        press(kind, "X04");
        ASSERT_EQ(cell(2, 10), "┳");
        ASSERT_EQ(cell(4, 10), "┗");
        ASSERT_EQ(cell(3, 15), "┃");
        ASSERT_EQ(cell(2, 15), "┳");
        press(10);
        EXPECT_EQ(sheetAndCursor(), grid) << "kind " << kind;
    }
}

TEST_F(StepBackTest, ClosingSeriesContactOnTheFirstRungStopsAtRowOne) {
    press(1, "X01");
    const std::string grid = sheetAndCursor();
    press(7, "X02");
    ASSERT_EQ(cell(1, 10), "┃");
    press(10);
    EXPECT_EQ(sheetAndCursor(), grid);
}

TEST_F(StepBackTest, LinePiecesUndoTheirContinuationFix) {
    press(3, "X01");
    const std::string grid = sheetAndCursor();
    for (int kind : {15, 16}) {
        press(kind);
        ASSERT_EQ(cell(2, 5), "┻");
        press(10);
        EXPECT_EQ(sheetAndCursor(), grid) << "kind " << kind;
        EXPECT_EQ(cell(2, 5), "┛");
    }
}

TEST_F(StepBackBelowARung, LinePiecesAfterABlankSlotRemoveTheDroppedBranch) {
    press(2, "X03");
    press(18);
    const std::string grid = sheetAndCursor();
    for (int kind : {15, 16}) {
        press(kind);
        ASSERT_EQ(cell(4, 10), "┗");
        ASSERT_EQ(cell(3, 10), "┃");
        ASSERT_EQ(cell(2, 10), "┳");
        press(10);
        EXPECT_EQ(sheetAndCursor(), grid) << "kind " << kind;
        EXPECT_EQ(ladder.state.CurCol, 11);
        EXPECT_EQ(ladder.state.LastKind, 18);
    }
}

TEST_F(StepBackBelowARung, ClosingLinePieceRetractsWithThreeRules) {
    press(1, "X03");
    ladder.sheet.setCell(2, 10, "┛");
    const std::string grid = sheetAndCursor();
    press(16);
    ASSERT_EQ(cell(2, 10), "┫");
    ASSERT_EQ(cell(3, 10), "┃");
    press(10);
    EXPECT_EQ(sheetAndCursor(), grid);
}

TEST_F(StepBackBelowARung, BlankSlotAtTheRailLeavesItsRailAndRowEndOne) {
    press(18);
    press(10);
    EXPECT_EQ(cell(4, 1), "┃");
    EXPECT_EQ(cell(3, 1), "┃");
    EXPECT_EQ(rowEnd(4), 1);
    EXPECT_EQ(ladder.state.CurCol, 1);
    EXPECT_EQ(ladder.state.LastKind, 9);
    EXPECT_TRUE(ladder.palette.enabled(18));
    EXPECT_FALSE(ladder.palette.enabled(22));  // line feed had enabled it; the blank slot turned it off
}

TEST_F(StepBackTest, BlankSlotInsideARowChangesNoCell) {
    press(1, "X01");
    const std::string grid = sheetAndCursor();
    press(18);
    const std::string before = enabled();
    press(10);
    EXPECT_EQ(sheetAndCursor(), grid);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterStepBackInRung.enabled));
}

TEST_F(StepBackTest, CoilOnTheFirstRung) {
    press(1, "X01");
    press(5, "X02");
    const std::string grid = sheetAndCursor();
    press(9, "Y01");
    const std::string before = enabled();
    press(10);
    EXPECT_EQ(sheetAndCursor(), grid);
    EXPECT_EQ(cell(1, 56), "  ");
    EXPECT_EQ(ladder.state.CurCol, 11);
    EXPECT_EQ(rowEnd(2), 11);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterStepBackInRung.enabled));
}

TEST_F(StepBackTest, CoilAfterAClosingElementTurnsTheCornerBack) {
    press(1, "X01");
    press(7, "X02");
    const std::string grid = sheetAndCursor();
    press(9, "Y01");
    ASSERT_EQ(cell(2, 10), "┻");
    press(10);
    EXPECT_EQ(sheetAndCursor(), grid);
}

TEST_F(StepBackBelowARung, CoilTakesTheLineFeedsRailCellsWithIt) {
    press(1, "X03");
    press(9, "Y02");
    press(10);
    EXPECT_EQ(cell(3, 56), "  ");
    EXPECT_EQ(cell(4, 56), "  ");
    EXPECT_EQ(cell(2, 56), "┫");
    for (int col = 6; col <= 56; ++col) EXPECT_EQ(cell(4, col), "  ") << col;
    EXPECT_EQ(cell(3, 53), "  ");
    EXPECT_EQ(cell(3, 54), "  ");
    EXPECT_EQ(rowEnd(4), 6);
    EXPECT_EQ(ladder.state.CurCol, 6);
}

TEST_F(StepBackTest, CoilKeepsTheRightRailRunAboveItsNameRow) {
    press(1, "X01");
    press(9, "Y01");
    press(11);
    press(11);
    press(1, "X02");
    ladder.sheet.setCell(4, 56, "  ");  // make the coil's walk draw two cells
    ladder.sheet.setCell(5, 56, "  ");
    ladder.sheet.setCell(6, 56, "  ");
    press(9, "Y02");
    ASSERT_EQ(cell(4, 56), "┃");
    press(10);
    EXPECT_EQ(cell(5, 56), "  ");
    EXPECT_EQ(cell(4, 56), "┃");  // left behind
    EXPECT_EQ(cell(3, 56), "┃");
}

TEST_F(StepBackBelowARung, ParallelCoilAtTheRail) {
    press(21, "Y02");
    const std::string before = enabled();
    press(10);
    EXPECT_EQ(cell(2, 51), "━");
    EXPECT_EQ(cell(3, 51), "  ");
    for (int col = 51; col <= 56; ++col) EXPECT_EQ(cell(4, col), "  ") << col;
    EXPECT_EQ(cell(3, 56), "  ");  // the line feed's rail cell goes too
    EXPECT_EQ(cell(3, 53), "  ");
    EXPECT_EQ(rowEnd(4), 1);      // CoilFromCol, not the 0 of before
    EXPECT_EQ(ladder.state.CurCol, 1);
    EXPECT_EQ(ladder.state.LastKind, 9);
    EXPECT_EQ(ladder.state.LastWidth, 6);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterStepBackAtRail.enabled));
}

TEST_F(StepBackBelowARung, ParallelCoilUnderAParallelCoilLeavesAPlainLine) {
    press(21, "Y02");
    press(11);
    press(21, "Y03");
    ASSERT_EQ(cell(4, 51), "┳");
    press(10);
    EXPECT_EQ(cell(4, 51), "━");  // was "┗" before the second parallel coil
    EXPECT_EQ(cell(5, 51), "  ");
}

TEST_F(StepBackTest, EndOnTheFirstRungKeepsTheRailCell) {
    press(22);
    const std::string before = enabled();
    press(10);
    EXPECT_EQ(cell(1, 1), "┃");
    EXPECT_TRUE(ladder.sheet.rowIsBlank(2));
    EXPECT_EQ(ladder.state.CurCol, 1);
    EXPECT_EQ(ladder.state.LastKind, 0);
    EXPECT_EQ(ladder.state.LastWidth, 5);
    EXPECT_TRUE(ladder.palette.enabled(22));
    EXPECT_EQ(enabled(), applyTable(applyTable(before, paletteTable::afterStepBackAtRail.enabled), "=====================1"));
}

TEST_F(StepBackBelowARung, EndRemovesItsRailRun) {
    press(11);
    press(22);
    ASSERT_EQ(cell(5, 1), "┃");
    ASSERT_EQ(cell(3, 1), "┃");
    press(10);
    EXPECT_EQ(cell(5, 1), "  ");
    EXPECT_EQ(cell(4, 1), "  ");
    EXPECT_EQ(cell(3, 1), "  ");
    EXPECT_EQ(cell(2, 1), "┣");
    for (int col = 1; col <= 10; ++col) EXPECT_EQ(cell(6, col), "  ") << col;
    EXPECT_TRUE(ladder.palette.enabled(22));
    EXPECT_EQ(ladder.state.LastKind, 9);
}

TEST_F(StepBackTest, EndRailRunReachingRowOneStopsThere) {
    // Column 1 is "┃" from row 3 up to row 1: the walk blanks them all and
    // stops above the sheet.
    press(1, "X01");
    press(10);       // leaves (1, 1) "┃"
    press(18);       // rail from (2, 1) up to the "┃" of row 1
    press(11);
    press(22);
    ASSERT_EQ(cell(3, 1), "┃");
    ASSERT_EQ(cell(2, 1), "┃");
    ASSERT_EQ(cell(1, 1), "┃");
    press(10);
    for (int row = 1; row <= 4; ++row) EXPECT_EQ(cell(row, 1), "  ") << row;
    EXPECT_EQ(ladder.state.CurCol, 1);
}

TEST_F(StepBackTest, IsOneLevelDeep) {
    press(1, "X01");
    press(5, "X02");
    press(10);
    EXPECT_EQ(pressButton(ladder, 10), ClickResult::Ignored);
    press(5, "X03");
    press(10);
    EXPECT_EQ(ladder.state.LastKind, 1);
    EXPECT_EQ(ladder.state.PrevKind, 1);
    press(11);  // allowed after a step back inside a rung
    EXPECT_EQ(pressButton(ladder, 10), ClickResult::Ignored);
}

}  // namespace
}  // namespace lp::test
