// Line feed (Command11), re-edit (Command12) and show (Command17).
#include "EditorFixture.h"
#include "editor/Commands.h"

namespace lp::test {
namespace {

const std::string kBlankLine(146, ' ');

using LineFeedTest = EditorTest;
using ReEditTest = EditorTest;
using ShowTest = EditorTest;

TEST_F(LineFeedTest, MovesToTheNextRungAndContinuesTheRail) {
    // On a new sheet the line feed is disabled; run it directly.
    const std::string before = enabled();
    Command11_Click(ladder);
    EXPECT_EQ(ladder.state.CurRow, 4);
    EXPECT_EQ(ladder.state.CurCol, 1);
    EXPECT_EQ(cell(3, 56), "┃");
    EXPECT_EQ(cell(4, 56), "┃");
    EXPECT_EQ(cell(2, 56), "  ");
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterLineFeed.enabled));
    EXPECT_EQ(ladder.picture.size(), 4u);
    press(11);
    EXPECT_EQ(ladder.state.CurRow, 6);
    EXPECT_EQ(cell(5, 56), "┃");
    EXPECT_EQ(cell(6, 56), "┃");
    EXPECT_EQ(ladder.picture.size(), 6u);
}

TEST_F(LineFeedTest, AFilledRailCellIsLeftAlone) {
    ladder.sheet.setCell(4, 56, "┫");
    Command11_Click(ladder);
    EXPECT_EQ(cell(4, 56), "┫");
    EXPECT_EQ(cell(3, 56), "  ");
    EXPECT_EQ(ladder.state.CurRow, 4);
    EXPECT_EQ(enabled(), applyTable("1111000000000100100101", paletteTable::afterLineFeed.enabled));
}

TEST_F(LineFeedTest, KeepsThePlacementMemory) {
    press(1, "X01");
    press(9, "Y01");
    const EditState s = ladder.state;
    const int16_t end = ladder.sheet.rowEnd(2);
    const std::string before = enabled();
    press(11);
    EXPECT_EQ(ladder.state.LastKind, s.LastKind);
    EXPECT_EQ(ladder.state.LastWidth, s.LastWidth);
    EXPECT_EQ(ladder.state.PrevKind, s.PrevKind);
    EXPECT_EQ(ladder.state.PrevWidth, s.PrevWidth);
    EXPECT_EQ(ladder.state.CoilFromCol, s.CoilFromCol);
    EXPECT_EQ(ladder.state.DeviceName, "Y01");
    EXPECT_EQ(rowEnd(2), end);
    EXPECT_EQ(rowEnd(4), 0);
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterLineFeed.enabled));
    // Nothing on the new rung but the rail.
    for (int col = 0; col <= kLastCol; ++col) {
        if (col == 56) continue;
        EXPECT_EQ(cell(3, col), "  ") << col;
        EXPECT_EQ(cell(4, col), "  ") << col;
    }
}

TEST_F(ReEditTest, PrintsTheOldRowsBlankThenStartsOver) {
    press(1, "X01");
    press(9, "Y01");
    press(11);
    press(11);
    ladder.StatementList = "LD  X01\r\n";
    ladder.Text1 = "typed by the user";
    ladder.sheet.setEmitted(2, 1, 1);
    ladder.sheet.setJoined(2, 5, 1);
    ladder.palette.setVisible(13, false);
    ladder.palette.setVisible(14, false);
    ladder.palette.setVisible(19, true);
    ladder.palette.setVisible(20, true);
    const std::string before = enabled();
    press(12);
    // The picture shows as many blank rows as the cursor's old rung had.
    ASSERT_EQ(ladder.picture.size(), 6u);
    for (const auto& line : ladder.picture) EXPECT_EQ(line, kBlankLine);
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        EXPECT_TRUE(ladder.sheet.rowIsBlank(row)) << row;
        EXPECT_EQ(rowEnd(row), 0) << row;
    }
    EXPECT_EQ(ladder.sheet.emitted(2, 1), 0);
    EXPECT_EQ(ladder.sheet.joined(2, 5), 0);
    EXPECT_EQ(ladder.state.CurRow, 2);
    EXPECT_EQ(ladder.state.CurCol, 1);
    EXPECT_EQ(ladder.state.LastWidth, 5);
    EXPECT_EQ(ladder.state.LastKind, 0);
    EXPECT_EQ(ladder.state.PrevWidth, 0);
    EXPECT_EQ(ladder.state.PrevKind, 0);
    EXPECT_EQ(ladder.state.CoilFromCol, 0);
    EXPECT_EQ(ladder.state.DeviceName, "Y01");  // kept
    EXPECT_EQ(ladder.StatementList, "");
    EXPECT_EQ(ladder.Text1, "");
    EXPECT_EQ(enabled(), applyTable(before, paletteTable::afterReEdit.enabled));
    EXPECT_EQ(ladder.palette.visibleString(), "1100");
}

TEST_F(ReEditTest, DiffersFromStartUpOnlyInConvert) {
    press(1, "X01");
    press(12);
    Ladder fresh(ui);
    fresh.Form_Load();
    fresh.Form_Activate();
    std::string want = fresh.palette.enabledString();
    want[12] = '1';
    EXPECT_EQ(enabled(), want);
    press(17);
    EXPECT_EQ(ladder.picture, fresh.picture);  // rows 1 and 2, blank
}

TEST_F(ShowTest, PrintsTheSheetAgainAndChangesNothing) {
    press(1, "X01");
    press(9, "Y01");
    press(11);
    ladder.picture.clear();  // as if the view had been cleared
    const std::string grid = sheetAndCursor();
    const std::string before = enabled();
    press(17);
    ASSERT_EQ(ladder.picture.size(), 4u);
    for (int row = 1; row <= 4; ++row) EXPECT_EQ(ladder.picture[static_cast<std::size_t>(row - 1)], ladder.sheet.rowText(row));
    const std::string once = snapshot();
    press(17);
    EXPECT_EQ(snapshot(), once);
    EXPECT_EQ(sheetAndCursor(), grid);
    EXPECT_EQ(enabled(), before);
}

}  // namespace
}  // namespace lp::test
