// ANB and ORB on cells laid straight onto the sheet: their gates, marks,
// lines, partner calls and the record of blocked rows.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "SheetDrawing.h"
#include "statement/Emitters.h"
#include "statement/ScanContext.h"

namespace lp::test {
namespace {

using Join = void (*)(ScanContext&, int16_t&, int16_t&, int16_t&, int16_t&, int16_t&, int16_t&, int16_t&);

struct Args {
    int16_t I1, J1, I2, J2, I3, J3, signal;
};

class BlockJoins : public ::testing::Test {
protected:
    TestLadder t;
    Sheet& sheet = t.ladder.sheet;
    ScanContext x{t.ladder};

    // Calls the join and checks that every argument comes back unchanged.
    std::string call(Join join, Args a) {
        const Args before = a;
        join(x, a.I1, a.J1, a.I2, a.J2, a.I3, a.J3, a.signal);
        EXPECT_EQ(a.I1, before.I1);
        EXPECT_EQ(a.J1, before.J1);
        EXPECT_EQ(a.I2, before.I2);
        EXPECT_EQ(a.J2, before.J2);
        EXPECT_EQ(a.I3, before.I3);
        EXPECT_EQ(a.J3, before.J3);
        EXPECT_EQ(a.signal, before.signal);
        return t.ladder.StatementList;
    }

    std::vector<std::pair<int, int>> joinedCells() const {
        std::vector<std::pair<int, int>> cells;
        for (int r = kFirstRow; r <= kLastRow; ++r)
            for (int c = kFirstCol; c <= kLastCol; ++c)
                if (sheet.joined(r, c) != 0) cells.emplace_back(r, c);
        return cells;
    }
    using Cells = std::vector<std::pair<int, int>>;

    // X01 X02 in parallel with X03 X04, both from the rail; the lower chain
    // closes up at column 10.
    void parallelChains() {
        lay(sheet, 2, 1, "┣┫  ┣━━┥  ┝┳━");
        lay(sheet, 3, 1, "┃");
        sheet.setCell(3, 10, "┃");
        lay(sheet, 4, 1, "┣┫  ┣━━┥  ┝┛");
    }

    // Two parallel blocks in series: (X01 X02 | X03 X04) then (X06 | X05).
    // The lower row's first block closes at column 10 and goes on ("┻").
    void blocksInSeries() {
        lay(sheet, 2, 1, "┣┫  ┣━━┥  ┝┳━┥  ┝┳━");
        lay(sheet, 4, 1, "┣┫  ┣━━┥  ┝┻━┥  ┝┛");
        for (int col : {1, 10, 15}) sheet.setCell(3, col, "┃");
    }

    // (X01 X02 | X05 X06) then (X03 X04 | X07 X08): the lower chain of the
    // second block starts after a "┻" at column 10.
    void twoBlocksOfTwo() {
        lay(sheet, 2, 1, "┣┫  ┣━━┥  ┝┳━┥  ┝━━┥  ┝┳");
        lay(sheet, 4, 1, "┣┫  ┣━━┥  ┝┻━┥  ┝━━┥  ┝┛");
        for (int col : {1, 10, 20}) sheet.setCell(3, col, "┃");
    }
};

// ORB ------------------------------------------------------------------

TEST_F(BlockJoins, OrbJoinsTwoChainsThatStartAtTheRail) {
    parallelChains();
    EXPECT_EQ(call(ORB, {4, 11, 2, 11, 4, 6, 0}), "ORB \r\n");
    EXPECT_EQ(joinedCells(), (Cells{{4, 6}}));
}

TEST_F(BlockJoins, OrbFromTheScanIsGatedByTheJunctionBelowItsUpperRow) {
    parallelChains();
    sheet.setJoined(4, 6, 1);  // (I2 + 2, J3)
    EXPECT_EQ(call(ORB, {4, 11, 2, 11, 4, 6, 0}), "");
    EXPECT_EQ(joinedCells(), (Cells{{4, 6}}));
}

TEST_F(BlockJoins, OrbFromItsPartnerIsGatedByTheJunctionOnItsUpperRow) {
    parallelChains();
    // From the partner the upper row is I2 and the search starts at I2 - 2.
    sheet.setJoined(6, 6, 1);  // (I2 + 2, J3) does not gate a partner call
    EXPECT_EQ(call(ORB, {4, 11, 4, 11, 4, 6, 1}), "ORB \r\n");
    EXPECT_EQ(joinedCells(), (Cells{{4, 6}, {6, 6}}));

    t.ladder.StatementList.clear();
    sheet.clearMarks();
    sheet.setJoined(4, 6, 1);  // (I2, J3) does
    EXPECT_EQ(call(ORB, {4, 11, 4, 11, 4, 6, 1}), "");
    EXPECT_EQ(joinedCells(), (Cells{{4, 6}}));
}

TEST_F(BlockJoins, OrbWritesNothingWhenEveryRowIsBlocked) {
    // The upper row's tees ("┳") and the lower row's plates ("┫", "┣") stand
    // between the two chains' starts.
    lay(sheet, 2, 1, "┣┫  ┣┳━┥  ┝┳━┥  ┝┳");
    lay(sheet, 4, 1, "┣┫  ┣┫━┥  ┝┣━┥  ┝┛");
    EXPECT_EQ(call(ORB, {4, 16, 2, 16, 4, 11, 0}), "");
    EXPECT_EQ(joinedCells(), (Cells{{4, 11}}));  // marked all the same
}

TEST_F(BlockJoins, OrbWritesForTheFirstClearRowAfterABlockedOne) {
    lay(sheet, 2, 1, "┣┫  ┣┳━┥  ┝┳━┥  ┝┳");
    lay(sheet, 4, 1, "┣┫  ┣┻━┥  ┝┻━┥  ┝┛");  // only tee-ups between: clear
    EXPECT_EQ(call(ORB, {4, 16, 2, 16, 4, 11, 0}), "ORB \r\n");
}

TEST_F(BlockJoins, OrbWritesWhenThereIsNoColumnToTest) {
    // The upper chain starts one element left of the junction: K + 5 > J2 - 5.
    lay(sheet, 2, 6, "━┥  ┝┳");
    lay(sheet, 4, 6, "━┥  ┝┛");
    sheet.setCell(2, 5, "┣");
    sheet.setCell(4, 5, "┃");  // stops the lower chain's walk at column 6
    sheet.setCell(3, 5, "┃");
    // Upper chain: (2, 5) is "┣", so K stops where it started and the search
    // fails on row 2; with K = 6 the rows are tested for no column at all.
    EXPECT_EQ(call(ORB, {4, 11, 2, 11, 4, 6, 0}), "ORB \r\n");
}

TEST_F(BlockJoins, OrbHandsATeeUpOnToAnb) {
    twoBlocksOfTwo();
    // From the scan at X08 (4, 16): the lower chain runs back to column 11,
    // after the "┻" at (4, 10), so ANB is called for (T = 2, M = 11).
    EXPECT_EQ(call(ORB, {4, 21, 2, 21, 4, 16, 0}), "ORB \r\nANB \r\n");
    EXPECT_EQ(joinedCells(), (Cells{{2, 11}, {4, 16}}));
}

TEST_F(BlockJoins, OrbStopsWhenNoRowAboveIsLeftToTry) {
    twoBlocksOfTwo();
    // From a partner with I2 = 2 the search would start at row 0.
    EXPECT_EQ(call(ORB, {4, 21, 2, 21, 4, 16, 1}), "");
    // Its own mark only: ANB, which the "┻" at (4, 10) would call, is not.
    EXPECT_EQ(joinedCells(), (Cells{{2, 16}}));
}

// ANB ------------------------------------------------------------------

TEST_F(BlockJoins, AnbJoinsTwoBlocksInSeries) {
    blocksInSeries();
    EXPECT_EQ(call(ANB, {4, 16, 2, 16, 4, 11, 0}), "ANB \r\n");
    EXPECT_EQ(joinedCells(), (Cells{{4, 11}}));
}

TEST_F(BlockJoins, AnbFromTheScanIsGatedByTheJunctionBelowItsUpperRow) {
    blocksInSeries();
    sheet.setJoined(4, 11, 1);
    EXPECT_EQ(call(ANB, {4, 16, 2, 16, 4, 11, 0}), "");
    EXPECT_EQ(joinedCells(), (Cells{{4, 11}}));
}

TEST_F(BlockJoins, AnbFromItsPartnerIsGatedByTheJunctionOnItsUpperRow) {
    blocksInSeries();
    sheet.setJoined(2, 11, 1);
    EXPECT_EQ(call(ANB, {4, 16, 2, 16, 4, 11, 1}), "");
    EXPECT_EQ(joinedCells(), (Cells{{2, 11}}));
    sheet.clearMarks();
    EXPECT_EQ(call(ANB, {4, 16, 2, 16, 4, 11, 1}), "ANB \r\n");
    EXPECT_EQ(joinedCells(), (Cells{{2, 11}}));
}

TEST_F(BlockJoins, AnbHandsAJunctionOnTheUpperRowOnToOrb) {
    blocksInSeries();
    sheet.setCell(2, 15, "╋");  // the upper row goes on down at the junction
    EXPECT_EQ(call(ANB, {4, 16, 2, 16, 4, 11, 0}), "ANB \r\n");
    // ORB ran with I2 = U = 2 and J3 = M = 1: it marked (2, 1), then found no
    // row above row 2 to try.
    EXPECT_EQ(joinedCells(), (Cells{{2, 1}, {4, 11}}));
}

TEST_F(BlockJoins, AnbWithoutABranchOffAboveStopsAtTheSheetsEdge) {
    lay(sheet, 2, 1, "┣┫  ┣━━┥  ┝━━┥  ┝━");
    lay(sheet, 4, 1, "┣┫  ┣━━┥  ┝┻━┥  ┝┛");
    sheet.setCell(2, 15, "╋");
    // The search for "┳" above (4, 11) ends at row 0; no line, no partner.
    EXPECT_EQ(call(ANB, {4, 16, 2, 16, 4, 11, 0}), "");
    EXPECT_EQ(joinedCells(), (Cells{{4, 11}}));
}

TEST_F(BlockJoins, AnbMakesNoPartnerCallWhenTheUpperRowIsNotTheBranchOffRow) {
    // T = 2 (the "┳" at (2, 10)); the "┳" at (6, 15) stops U at 4.
    sheet.setCell(2, 10, "┳");
    sheet.setCell(6, 15, "┳");
    sheet.setCell(4, 15, "╋");  // a junction at (U, J2 - 1)
    lay(sheet, 8, 6, "━┥  ┝┻━┥  ┝┛");
    EXPECT_EQ(call(ANB, {8, 16, 6, 16, 8, 11, 0}), "");
    EXPECT_EQ(joinedCells(), (Cells{{8, 11}}));
}

}  // namespace
}  // namespace lp::test
