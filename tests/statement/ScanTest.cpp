// The rung scan on diagrams laid cell by cell.
#include <gtest/gtest.h>

#include "ScanDiagrams.h"
#include "statement/Emitters.h"
#include "statement/Scan.h"

namespace lp::test {
namespace {

using Lines = std::vector<std::string>;

class Scan : public ::testing::Test {
protected:
    TestLadder t;
    Ladder& l = t.ladder;
    Sheet& s = t.ladder.sheet;
    int16_t I = 2;
    int16_t J = 1;
    int deepest = 0;

    Lines scan(int nestingLimit = kScanNestingLimit) {
        ScanContext x(l, nestingLimit);
        Procedure(x, I, J);
        EXPECT_EQ(x.nesting, 0);
        deepest = x.deepest;
        return linesOf(l.StatementList);
    }
};

TEST_F(Scan, EndAloneGivesTheEndLineOnly) {
    endElement(s, 2, 1);
    s.setCell(1, 1, "┃");
    EXPECT_EQ(scan(), (Lines{"END"}));
    // The rail-start step found a line in the type cell: marked, no line.
    EXPECT_EQ(s.emitted(2, 1), 1);
}

TEST_F(Scan, TwoRungsOneAfterTheOther) {
    twoRungs(l);
    EXPECT_EQ(scan(), (Lines{"LD  X01", "AND X02", "OUT Y01", "LDI X03", "OUT Y02", "END"}));
    // The row is the caller's own variable: the first call sees where the
    // last one ended. Its column went out only as copies.
    EXPECT_EQ(I, 6);
    EXPECT_EQ(J, 1);
}

TEST_F(Scan, AContactInParallelAtTheRail) {
    parallelAtTheRail(l);
    EXPECT_EQ(scan(), (Lines{"LD  X01", "OR  X02", "AND X03", "OUT Y01", "END"}));
    EXPECT_EQ(I, 6);
    EXPECT_EQ(J, 1);
}

TEST_F(Scan, ThreeContactsInParallelAtTheRail) {
    threeAtTheRail(l);
    EXPECT_EQ(scan(), (Lines{"LD  X01", "OR  X02", "OR  X03", "AND X04", "OUT Y01", "END"}));
    // Row 6 went down only as a copy; the walk back up to row 2 changed the
    // copy, and the first call is left on row 4.
    EXPECT_EQ(I, 4);
    EXPECT_EQ(J, 1);
}

TEST_F(Scan, ABranchOffAtTheRailOfALaterRung) {
    branchOffAtTheRail(l);
    // The coil of row 2 goes on to row 4's coil and walks left over the "┳"
    // to the rail; there the "┳" opens a block (LD) and row 6 closes it (OR).
    EXPECT_EQ(scan(), (Lines{"LD  X01", "OUT Y01", "LD  X02", "OR  X03", "OUT Y02", "END"}));
}

TEST_F(Scan, TwoChainsInParallelAreJoinedByOrb) {
    orbParallelChains(l);
    EXPECT_EQ(scan(), (Lines{"LD  X01", "AND X02", "LD  X03", "AND X04", "ORB ", "OUT Y01", "END"}));
    // The contact count of the closing element is left in the shared work
    // values: two contacts, counted up to column 13.
    EXPECT_EQ(l.scan.SaveRow, 2);
    EXPECT_EQ(l.scan.ScanCol, 13);
    EXPECT_EQ(s.joined(4, 6), 1);
}

TEST_F(Scan, TwoParallelBlocksInSeriesAreJoinedByAnb) {
    anbBlocksInSeries(l);
    EXPECT_EQ(scan(), (Lines{"LD  X01", "AND X02", "LD  X03", "AND X04", "ORB ", "LD  X05", "OR  X06", "ANB ",
                             "OUT Y01", "END"}));
}

TEST_F(Scan, ADroppedBranchAfterBlankSlots) {
    droppedBranch(l);
    // The branch from the corner closes up: OR, and the series block is
    // left as the scan finds it (no ANB from a corner).
    EXPECT_EQ(scan(), (Lines{"LD  X01", "AND X02", "LD  X03", "OR  X04", "OUT Y01", "END"}));
}

TEST_F(Scan, AParallelCoilFollowsTheCoilAboveIt) {
    parallelCoils(l);
    EXPECT_EQ(scan(), (Lines{"LD  X01", "OUT Y01", "OUT Y02", "END"}));
}

TEST_F(Scan, AnElementAfterABranchOffBelowTheFirstRung) {
    branchOffMidRow(l);
    // X04 follows the "┳" that row 6 closed into: a plain line to the coil
    // after it makes it a series contact of the joined block.
    EXPECT_EQ(scan(), (Lines{"LD  X01", "OUT Y01", "LD  X02", "AND X03", "LD  X05", "AND X06", "ORB ", "AND X04",
                             "OUT Y02", "END"}));
}

TEST_F(Scan, AnElementAfterACrossingThatClosesUp) {
    crossing(l);
    // X06 follows the crossing and closes up: OR, then up the crossing's
    // column to the branch-off above, whose element (X03) is marked already,
    // so the scan never reaches the coil or END.
    EXPECT_EQ(scan(), (Lines{"LD  X01", "AND X02", "LD  X04", "AND X05", "ORB ", "LD  X07", "AND X08", "ORB ",
                             "LD  X03", "OR  X06"}));
    EXPECT_EQ(I, 2);
    EXPECT_EQ(J, 1);
}

TEST_F(Scan, AnElementAfterALeftTee) {
    leftTee(l);
    // X04 follows the corner that X06 joined: the junction run starts a
    // block with it; the blank slot's type cell counts as a contact when
    // X05 closes up, so the rows are joined by ORB.
    EXPECT_EQ(scan(), (Lines{"LD  X01", "OR  X06", "LD  X02", "AND X03", "LD  X04", "AND X05", "ORB ", "OUT Y01",
                             "END"}));
    EXPECT_EQ(l.scan.SaveRow, 3);
}

TEST_F(Scan, ACoilBelowTheCursorRowIsNotReached) {
    twoRungs(l);
    lay(s, 6, 1, "┣┫  ┣━");  // a third rung in place of END
    nameAbove(s, 6, 1, "X04");
    coil(s, 6, 6, "Y03");
    l.state.CurRow = 2;  // the cursor stands after the first coil
    l.state.CurCol = 57;
    // Row 2 goes down to row 4 (2 <= CurRow); row 4 is below the cursor row
    // and goes on to its own rail start, marked already.
    EXPECT_EQ(scan(), (Lines{"LD  X01", "AND X02", "OUT Y01", "LDI X03", "OUT Y02"}));
}

TEST_F(Scan, WithoutTheCursorOnTheSheetNoEndLineIsWritten) {
    twoRungs(l);
    l.state.CurCol = 11;  // END stands at (6, 1)
    EXPECT_EQ(scan(), (Lines{"LD  X01", "AND X02", "OUT Y01", "LDI X03", "OUT Y02"}));
}

TEST_F(Scan, ASecondScanWithoutResetAppendsNothing) {
    twoRungs(l);
    const Lines first = scan();
    I = 2;
    J = 1;
    EXPECT_EQ(scan(), first);
}

TEST_F(Scan, KeepsTheSharedWorkValuesItDoesNotSet) {
    twoRungs(l);
    l.scan.SaveRow = 77;
    l.scan.HoldPos = -3;
    l.scan.ScanCol = 99;
    scan();
    EXPECT_EQ(l.scan.SaveRow, 77);
    EXPECT_EQ(l.scan.HoldPos, -3);
    EXPECT_EQ(l.scan.ScanCol, 1);  // the rail run of row 4
}

TEST_F(Scan, AnEmptySheetReadsItsBlankFirstSlotAsAContact) {
    // The cursor at (2, 1) as after re-edit: END first, then the blank type
    // cell of the first slot reads as a normally-open contact with a blank
    // name.
    EXPECT_EQ(scan(), (Lines{"END", "LD    "}));
}

// Nesting ----------------------------------------------------------------

TEST_F(Scan, StopsOneCallPastTheNestingLimit) {
    twoRungs(l);
    scan();
    const int needed = deepest;
    ASSERT_GT(needed, 5);

    TestLadder exact;
    twoRungs(exact.ladder);
    ScanContext enough(exact.ladder, needed);
    int16_t row = 2, col = 1;
    EXPECT_NO_THROW(Procedure(enough, row, col));
    EXPECT_EQ(exact.ladder.StatementList, l.StatementList);

    TestLadder tight;
    twoRungs(tight.ladder);
    ScanContext tooFew(tight.ladder, needed - 1);
    row = 2;
    col = 1;
    EXPECT_THROW(Procedure(tooFew, row, col), ScanTooDeep);
    EXPECT_EQ(tooFew.nesting, 0);  // every level unwound
    EXPECT_EQ(tooFew.deepest, needed - 1);
}

TEST_F(Scan, BlockJoinsCountTowardsTheNesting) {
    lay(s, 2, 1, "┣┫  ┣━━┥  ┝┳━┥  ┝━━┥  ┝┳");
    lay(s, 4, 1, "┣┫  ┣━━┥  ┝┻━┥  ┝━━┥  ┝┛");
    ScanContext x(l, 1);  // room for ORB alone, not for its partner
    int16_t I1 = 4, J1 = 21, I2 = 2, J2 = 21, I3 = 4, J3 = 16, signal = 0;
    EXPECT_THROW(ORB(x, I1, J1, I2, J2, I3, J3, signal), ScanTooDeep);
    EXPECT_EQ(x.nesting, 0);
}

}  // namespace
}  // namespace lp::test
