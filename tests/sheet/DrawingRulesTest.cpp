// The drawing rules that the placement commands share.
#include <gtest/gtest.h>

#include "sheet/DrawingRules.h"
#include "sheet/Glyphs.h"
#include "sheet/Ladder.h"
#include "support/FakeUserInterface.h"

namespace lp {
namespace {

class DrawingRules : public ::testing::Test {
protected:
    test::FakeUserInterface ui;
    Ladder ladder{ui};
    Sheet& sheet = ladder.sheet;
    void at(int row, int col) {
        ladder.state.CurRow = row;
        ladder.state.CurCol = col;
    }
};

TEST_F(DrawingRules, UpwardWalkFillsBlanksUpToTheStopCell) {
    sheet.setCell(2, 5, glyph::h);
    const int stop = upwardWalk(ladder, 5, 7);
    EXPECT_EQ(stop, 2);
    for (int r = 3; r <= 7; ++r) EXPECT_EQ(sheet.cell(r, 5), glyph::v) << r;
    EXPECT_EQ(sheet.cell(2, 5), glyph::h);  // the stop cell is not changed
    EXPECT_EQ(sheet.cell(8, 5), glyph::blank);
    EXPECT_EQ(ladder.state.LoopRow, 2);  // the walk counts on the shared counter
}

TEST_F(DrawingRules, UpwardWalkOnANonBlankCellWritesNothing) {
    sheet.setCell(5, 5, "X01");
    EXPECT_EQ(upwardWalk(ladder, 5, 5), 5);
    EXPECT_EQ(sheet.cell(5, 5), "X01");
    EXPECT_EQ(sheet.cell(4, 5), glyph::blank);
}

TEST_F(DrawingRules, UpwardWalkOverAnEmptyColumnStopsAtRowOne) {
    EXPECT_EQ(upwardWalk(ladder, 40, 9), 0);
    for (int r = 1; r <= 9; ++r) EXPECT_EQ(sheet.cell(r, 40), glyph::v) << r;
}

TEST_F(DrawingRules, LeftRailRuleOnTheFirstRungSetsRowOne) {
    at(2, 1);
    sheet.setCell(1, 1, "X01");  // set without looking at it
    leftRailRule(ladder);
    EXPECT_EQ(sheet.cell(1, 1), glyph::v);
}

TEST_F(DrawingRules, LeftRailRuleBelowWalksUpToTheRungAbove) {
    sheet.setCell(2, 1, glyph::vr);
    at(6, 1);
    leftRailRule(ladder);
    EXPECT_EQ(sheet.cell(5, 1), glyph::v);
    EXPECT_EQ(sheet.cell(3, 1), glyph::v);
    EXPECT_EQ(sheet.cell(2, 1), glyph::vr);
    EXPECT_EQ(sheet.cell(6, 1), glyph::blank);
}

TEST_F(DrawingRules, LeftRailRuleAwayFromTheRailDoesNothing) {
    at(4, 6);
    leftRailRule(ladder);
    for (int r = 1; r <= 4; ++r) EXPECT_TRUE(sheet.rowIsBlank(r));
}

TEST_F(DrawingRules, ClosingJoinGivesTheStopCellADownwardArm) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {glyph::h, glyph::hd}, {glyph::hu, glyph::cross}, {glyph::ul, glyph::vl},
        {glyph::ur, glyph::vr}, {glyph::hd, glyph::hd},   {glyph::vl, glyph::vl}};
    for (auto [before, after] : cases) {
        ladder.sheet.clear();
        sheet.setCell(2, 10, before);
        at(4, 6);
        closingJoin(ladder, 10);
        EXPECT_EQ(sheet.cell(3, 10), glyph::v) << before;
        EXPECT_EQ(sheet.cell(2, 10), after) << before;
    }
}

TEST_F(DrawingRules, ClosingJoinOnTheFirstRungStopsAtTheTopOfTheSheet) {
    at(2, 1);
    closingJoin(ladder, 5);
    EXPECT_EQ(sheet.cell(1, 5), glyph::v);
    EXPECT_EQ(sheet.cell(2, 5), glyph::blank);
}

TEST_F(DrawingRules, DroppedBranchStartUsesTheShortFixOnly) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {glyph::h, glyph::hd}, {glyph::hu, glyph::cross}, {glyph::ul, glyph::ul}, {glyph::ur, glyph::ur}};
    for (auto [before, after] : cases) {
        ladder.sheet.clear();
        sheet.setCell(2, 5, before);
        at(4, 6);
        droppedBranchStart(ladder);
        EXPECT_EQ(sheet.cell(4, 5), glyph::ur) << before;
        EXPECT_EQ(sheet.cell(3, 5), glyph::v) << before;
        EXPECT_EQ(sheet.cell(2, 5), after) << before;
    }
}

TEST_F(DrawingRules, ContinuationFixTurnsCornersIntoTees) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {glyph::ul, glyph::hu}, {glyph::vl, glyph::cross}, {glyph::h, glyph::h}, {glyph::blank, glyph::blank}};
    for (auto [before, after] : cases) {
        sheet.setCell(4, 10, before);
        at(4, 11);
        continuationFix(ladder);
        EXPECT_EQ(sheet.cell(4, 10), after) << before;
    }
}

TEST_F(DrawingRules, ContinuationFixAtColumnZeroTouchesOnlyColumnZero) {
    at(2, 1);
    continuationFix(ladder);
    EXPECT_TRUE(sheet.rowIsBlank(2));
}

}  // namespace
}  // namespace lp
