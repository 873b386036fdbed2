// Contacts at the left rail (Command1..4) and in series (Command5..8).
#include "EditorFixture.h"
#include "editor/Commands.h"

namespace lp::test {
namespace {

using Cells = std::vector<std::string>;
using ContactTest = EditorTest;

TEST_F(ContactTest, FirstRungRailContact) {
    const std::string before = enabled();
    press(1, "X01");
    EXPECT_EQ(cells(1, 0, 4), (Cells{"  ", "┃", "X01", " ", "  "}));
    EXPECT_EQ(cells(2, 0, 6), (Cells{"  ", "┣", "┫", "  ", "┣", "━", "  "}));
    // Nothing else on the sheet.
    for (int col = 5; col <= kLastCol; ++col) EXPECT_EQ(cell(1, col), "  ") << col;
    for (int col = 6; col <= kLastCol; ++col) EXPECT_EQ(cell(2, col), "  ") << col;
    EXPECT_TRUE(ladder.sheet.rowIsBlank(3));
    EXPECT_EQ(ladder.state.CurCol, 6);
    EXPECT_EQ(rowEnd(2), 6);
    EXPECT_EQ(ladder.state.LastKind, 1);
    EXPECT_EQ(ladder.state.PrevKind, 0);
    EXPECT_EQ(ladder.state.LastWidth, 5);
    EXPECT_EQ(ladder.state.PrevWidth, 5);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterRailContact.enabled));
    ASSERT_EQ(ladder.picture.size(), 2u);
    EXPECT_EQ(ladder.picture[1], ladder.sheet.rowText(2));
}

TEST_F(ContactTest, RailMembersDrawTheirOwnCells) {
    const Cells tails[] = {
        {"┣", "┫", "  ", "┣", "━"}, {"┣", "┫", "╱", "┣", "━"}, {"┣", "┫", "  ", "┣", "┛"}, {"┣", "┫", "╱", "┣", "┛"}};
    for (int n = 1; n <= 4; ++n) {
        SetUp();
        ladder.sheet.clear();
        press(n, "X0" + std::to_string(n));
        EXPECT_EQ(cells(2, 1, 5), tails[n - 1]) << "Command" << n;
        EXPECT_EQ(ladder.state.LastKind, n);
        EXPECT_EQ(cell(1, 2), "X0" + std::to_string(n));
    }
}

TEST_F(ContactTest, RailContactSetsThePaletteBeforeItAsks) {
    const std::string before = enabled();
    ui.replies = {"X01"};
    ui.onPrompt = [&] {
        EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterRailContact.enabled));
        EXPECT_EQ(cell(1, 1), "┃");  // the rail is drawn before the prompt
        EXPECT_EQ(cell(2, 1), "  ");  // the contact after it
        EXPECT_EQ(rowEnd(2), 0);
        EXPECT_EQ(ladder.state.CurCol, 1);
    };
    press(2);
    EXPECT_EQ(ui.prompts.size(), 1u);
}

TEST_F(ContactTest, SecondRungRailWalksUpToTheRungAbove) {
    press(1, "X01");
    press(9, "Y01");
    press(11);
    press(2, "X02");
    EXPECT_EQ(cell(3, 1), "┃");
    EXPECT_EQ(cell(2, 1), "┣");
    EXPECT_EQ(cell(1, 1), "┃");
    EXPECT_EQ(cells(4, 1, 5), (Cells{"┣", "┫", "╱", "┣", "━"}));
    EXPECT_EQ(cells(3, 2, 3), (Cells{"X02", " "}));
    EXPECT_EQ(rowEnd(4), 6);
    EXPECT_EQ(ladder.state.PrevKind, 9);
    EXPECT_EQ(ladder.state.PrevWidth, 6);
}

TEST_F(ContactTest, RailContactAwayFromColumnOneDrawsNoRail) {
    ladder.state.CurRow = 4;
    ladder.state.CurCol = 11;
    ui.replies = {"X01"};
    Command1_Click(ladder);
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(cell(row, 1), "  ") << row;
    EXPECT_EQ(cells(4, 11, 15), (Cells{"┣", "┫", "  ", "┣", "━"}));
    EXPECT_EQ(cells(3, 12, 13), (Cells{"X01", " "}));
    EXPECT_EQ(rowEnd(4), 6);
    EXPECT_EQ(ladder.state.CurCol, 16);
}

TEST_F(ContactTest, ClosingRailContactJoinsTheLineAbove) {
    press(1, "X01");
    press(5, "X03");
    press(9, "Y01");
    press(11);
    press(3, "X02");
    EXPECT_EQ(cells(4, 1, 5), (Cells{"┣", "┫", "  ", "┣", "┛"}));
    EXPECT_EQ(cell(3, 5), "┃");
    EXPECT_EQ(cell(2, 5), "┳");
    EXPECT_EQ(cell(3, 1), "┃");
}

TEST_F(ContactTest, ClosingJoinOnTheFirstRungStopsAtRowOne) {
    press(4, "X01");
    EXPECT_EQ(cells(2, 1, 5), (Cells{"┣", "┫", "╱", "┣", "┛"}));
    EXPECT_EQ(cell(1, 5), "┃");
    EXPECT_EQ(ladder.state.LoopRow, 0);  // the walk ended outside, changing nothing there
}

TEST_F(ContactTest, ClosingJoinGivesEachStopCellItsDownwardArm) {
    const std::pair<std::string, std::string> arms[] = {{"━", "┳"}, {"┻", "╋"}, {"┛", "┫"}, {"┗", "┣"}, {"┣", "┣"}};
    for (const auto& [above, joined] : arms) {
        SetUp();
        ladder.sheet.clear();
        press(1, "X01");
        press(5, "X02");
        ladder.sheet.setCell(2, 15, above);  // what the rung above holds over the new contact's end
        ladder.state.CurRow = 6;             // two rows of blank cells between
        ladder.state.CurCol = 11;
        press(8, "X03");
        EXPECT_EQ(cell(5, 15), "┃");
        EXPECT_EQ(cell(4, 15), "┃");
        EXPECT_EQ(cell(3, 15), "┃");
        EXPECT_EQ(cell(2, 15), joined) << "above: " << above;
    }
}

TEST_F(ContactTest, SeriesContactsContinueTheLine) {
    press(1, "X01");
    std::string before = enabled();
    press(5, "X02");
    EXPECT_EQ(cells(2, 6, 10), (Cells{"━", "┥", "  ", "┝", "━"}));
    EXPECT_EQ(cells(1, 7, 8), (Cells{"X02", " "}));
    EXPECT_EQ(cell(2, 5), "━");  // the continuation fix leaves a plain line alone
    EXPECT_EQ(ladder.state.CurCol, 11);
    EXPECT_EQ(rowEnd(2), 11);
    EXPECT_EQ(ladder.state.LastKind, 5);
    EXPECT_EQ(ladder.state.PrevKind, 1);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterSeriesElement.enabled));
    before = enabled();
    press(6, "X03");
    EXPECT_EQ(cells(2, 11, 15), (Cells{"━", "┥", "╱", "┝", "━"}));
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterSeriesElement.enabled));
    before = enabled();
    press(7, "X04");
    EXPECT_EQ(cells(2, 16, 20), (Cells{"━", "┥", "  ", "┝", "┛"}));
    EXPECT_EQ(cell(1, 20), "┃");
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterClosingElement.enabled));
    press(5, "X05");
    EXPECT_EQ(cell(2, 20), "┻");  // the "┛" left of the cursor is continued
    EXPECT_EQ(rowEnd(2), 26);
    EXPECT_EQ(ladder.state.CurCol, 26);
}

TEST_F(ContactTest, SeriesAfterBranchClosingRailContact) {
    press(3, "X01");
    press(5, "X02");
    EXPECT_EQ(cell(2, 5), "┻");
    EXPECT_EQ(cells(2, 6, 10), (Cells{"━", "┥", "  ", "┝", "━"}));
}

TEST_F(ContactTest, ContinuationFixTurnsAJoinedCornerIntoACrossing) {
    press(1, "X01");
    ladder.sheet.setCell(2, 5, "┫");
    press(6, "X02");
    EXPECT_EQ(cell(2, 5), "╋");
}

TEST_F(ContactTest, SeriesContactEnablesStepBackBeforeItAsks) {
    press(3, "X01");
    // Make step back disabled, as after a step back in the middle of a rung.
    ladder.palette.setEnabled(10, false);
    ladder.palette.setEnabled(9, false);
    ladder.palette.setEnabled(21, false);
    const std::string before = enabled();
    ui.replies = {"X02"};
    ui.onPrompt = [&] {
        EXPECT_EQ(enabled(), applyTable(before, paletteTable::stepBackOffered.enabled));
        EXPECT_EQ(cell(2, 5), "┻");   // the continuation fix comes before the prompt
        EXPECT_EQ(cell(2, 6), "  ");  // the contact after it
        EXPECT_EQ(rowEnd(2), 6);
    };
    press(7);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterClosingElement.enabled));
}

TEST_F(ContactTest, SeriesContactAfterABlankSlotDropsABranch) {
    press(1, "X01");
    press(5, "X02");
    press(9, "Y01");
    press(11);
    press(18);
    press(5, "X03");
    EXPECT_EQ(cell(4, 5), "┗");
    EXPECT_EQ(cell(3, 5), "┃");
    EXPECT_EQ(cell(2, 5), "┳");
    EXPECT_EQ(cells(4, 6, 10), (Cells{"━", "┥", "  ", "┝", "━"}));
    EXPECT_EQ(cells(3, 7, 8), (Cells{"X03", " "}));
    EXPECT_EQ(rowEnd(4), 11);
    EXPECT_EQ(ladder.state.PrevKind, 18);
}

TEST_F(ContactTest, DroppedBranchFixesOnlyTheShortSet) {
    const std::pair<std::string, std::string> stops[] = {{"━", "┳"}, {"┻", "╋"}, {"┛", "┛"}, {"┗", "┗"}};
    for (const auto& [above, after] : stops) {
        SetUp();
        ladder.sheet.clear();
        press(1, "X01");
        press(9, "Y01");
        press(11);
        ladder.sheet.setCell(2, 5, above);
        press(18);
        press(6, "X02");
        EXPECT_EQ(cell(4, 5), "┗");
        EXPECT_EQ(cell(3, 5), "┃");
        EXPECT_EQ(cell(2, 5), after) << "above: " << above;
    }
}

TEST_F(ContactTest, ClosingSeriesAfterABlankSlotJoinsBothWays) {
    press(1, "X01");
    press(5, "X02");
    press(5, "X03");
    press(9, "Y01");
    press(11);
    press(2, "X04");
    press(18);
    press(8, "X05");
    // The dropped branch at column 10 and the closing join at column 15.
    EXPECT_EQ(cell(4, 10), "┗");
    EXPECT_EQ(cell(3, 10), "┃");
    EXPECT_EQ(cell(2, 10), "┳");
    EXPECT_EQ(cells(4, 11, 15), (Cells{"━", "┥", "╱", "┝", "┛"}));
    EXPECT_EQ(cell(3, 15), "┃");
    EXPECT_EQ(cell(2, 15), "┳");
    EXPECT_TRUE(ladder.palette.enabled(11));
}

}  // namespace
}  // namespace lp::test
