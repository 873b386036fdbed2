// The grid, its bounds and the printed picture.
#include <gtest/gtest.h>

#include "sheet/Glyphs.h"
#include "sheet/Ladder.h"
#include "support/FakeUserInterface.h"

namespace lp {
namespace {

TEST(SheetBounds, ReadsOutsideGiveEmptyTextAndZero) {
    Sheet sheet;
    for (auto [r, c] : {std::pair{0, 1}, {261, 1}, {2, -1}, {2, 73}, {-5, -5}}) {
        EXPECT_EQ(sheet.cell(r, c), "") << r << "," << c;
        EXPECT_NE(sheet.cell(r, c), glyph::blank);
        EXPECT_EQ(sheet.emitted(r, c), 0);
        EXPECT_EQ(sheet.joined(r, c), 0);
    }
    EXPECT_EQ(sheet.rowEnd(0), 0);
    EXPECT_EQ(sheet.rowEnd(261), 0);
    // Corners inside read the blank cell.
    EXPECT_EQ(sheet.cell(1, 0), glyph::blank);
    EXPECT_EQ(sheet.cell(260, 72), glyph::blank);
}

TEST(SheetBounds, WritesOutsideAreDropped) {
    Sheet sheet;
    sheet.setCell(0, 5, glyph::h);
    sheet.setCell(261, 5, glyph::h);
    sheet.setCell(5, 73, glyph::h);
    sheet.setEmitted(0, 0, 1);
    sheet.setJoined(261, 0, 1);
    sheet.setRowEnd(0, 9);
    sheet.setRowEnd(261, 9);
    EXPECT_EQ(sheet.cell(0, 5), "");
    EXPECT_EQ(sheet.emitted(0, 0), 0);
    EXPECT_EQ(sheet.rowEnd(261), 0);
    for (int r = kFirstRow; r <= kLastRow; ++r) EXPECT_TRUE(sheet.rowIsBlank(r));
    // The neighbours of the dropped writes are untouched.
    sheet.setCell(260, 72, glyph::h);
    sheet.setRowEnd(260, 7);
    EXPECT_EQ(sheet.cell(260, 72), glyph::h);
    EXPECT_EQ(sheet.rowEnd(260), 7);
    EXPECT_EQ(sheet.rowEnd(259), 0);
}

TEST(SheetRows, RowTextJoinsAll73CellsWithNothingBetween) {
    Sheet sheet;
    EXPECT_EQ(sheet.rowText(2), std::string(146, ' '));
    sheet.setCell(1, 2, "X01");
    sheet.setCell(1, 3, glyph::nameGap);
    sheet.setCell(1, 1, glyph::v);
    const std::string text = sheet.rowText(1);
    const std::string start = std::string("  ") + "┃" + "X01" + " ";
    EXPECT_EQ(text.substr(0, start.size()), start);
    EXPECT_EQ(text.size(), start.size() + 69 * 2);
    EXPECT_FALSE(sheet.rowIsBlank(1));
    EXPECT_EQ(sheet.rowText(0), "");
}

TEST(SheetRows, ClearBlanksCellsMarksAndRowEnds) {
    Sheet sheet;
    sheet.setCell(10, 10, glyph::cross);
    sheet.setEmitted(10, 10, 1);
    sheet.setJoined(12, 11, 1);
    sheet.setRowEnd(10, 21);
    sheet.clearMarks();
    EXPECT_EQ(sheet.cell(10, 10), glyph::cross);
    EXPECT_EQ(sheet.emitted(10, 10), 0);
    EXPECT_EQ(sheet.joined(12, 11), 0);
    EXPECT_EQ(sheet.rowEnd(10), 21);
    sheet.setEmitted(10, 10, 1);
    sheet.clear();
    EXPECT_EQ(sheet.cell(10, 10), glyph::blank);
    EXPECT_EQ(sheet.emitted(10, 10), 0);
    EXPECT_EQ(sheet.rowEnd(10), 0);
}

class LadderStart : public ::testing::Test {
protected:
    test::FakeUserInterface ui;
    Ladder ladder{ui};
};

TEST_F(LadderStart, FormLoadSetsStartValuesAndPalette) {
    ladder.state.CurRow = 8;
    ladder.state.LastKind = 9;
    ladder.StatementList = "LD  X01\r\n";
    ladder.Form_Load();
    EXPECT_EQ(ladder.state.CurRow, 2);
    EXPECT_EQ(ladder.state.CurCol, 1);
    EXPECT_EQ(ladder.state.LastWidth, 5);
    EXPECT_EQ(ladder.state.PrevWidth, 0);
    EXPECT_EQ(ladder.state.LastKind, 0);
    EXPECT_EQ(ladder.state.PrevKind, 0);
    EXPECT_EQ(ladder.state.CoilFromCol, 0);
    EXPECT_EQ(ladder.StatementList, "");
    // Only the rail contacts and END may begin a diagram; exit and show stay.
    EXPECT_EQ(ladder.palette.enabledString(), "1111000000000100100101");
    EXPECT_EQ(ladder.palette.visibleString(), "1100");
}

TEST_F(LadderStart, FormActivateClearsTheGridButKeepsCursorAndPalette) {
    ladder.Form_Load();
    ladder.sheet.setCell(2, 1, glyph::vr);
    ladder.sheet.setEmitted(2, 1, 1);
    ladder.sheet.setRowEnd(2, 6);
    ladder.state.CurRow = 4;
    ladder.palette.setEnabled(10, true);
    ladder.Form_Activate();
    EXPECT_EQ(ladder.sheet.cell(2, 1), glyph::blank);
    EXPECT_EQ(ladder.sheet.emitted(2, 1), 0);
    EXPECT_EQ(ladder.sheet.rowEnd(2), 0);
    EXPECT_EQ(ladder.state.CurRow, 4);
    EXPECT_TRUE(ladder.palette.enabled(10));
    ASSERT_EQ(ladder.picture.size(), 4u);
}

TEST_F(LadderStart, FreshPrintsRowsOneToCurRowOnly) {
    ladder.Form_Load();
    ladder.Form_Activate();
    ASSERT_EQ(ladder.picture.size(), 2u);
    EXPECT_EQ(ladder.picture[0], std::string(146, ' '));
    EXPECT_EQ(ladder.picture[1], std::string(146, ' '));
    ladder.sheet.setCell(3, 1, glyph::v);
    ladder.sheet.setCell(200, 1, glyph::v);
    ladder.sheet.setCell(2, 1, glyph::vr);
    ladder.Fresh();
    ASSERT_EQ(ladder.picture.size(), 2u);
    EXPECT_EQ(ladder.picture[1].substr(0, 5), "  ┣");
    // Printing again replaces the picture rather than adding to it.
    ladder.state.CurRow = 4;
    ladder.Fresh();
    ASSERT_EQ(ladder.picture.size(), 4u);
    EXPECT_EQ(ladder.picture[2].substr(0, 5), "  ┃");
}

TEST_F(LadderStart, FullWidthNameMakesTheNameRowThreeColumnsWider) {
    ladder.Form_Load();
    ladder.Form_Activate();
    ladder.sheet.setCell(1, 2, "输入器");
    ladder.sheet.setCell(1, 3, glyph::nameGap);
    ladder.Fresh();
    // 146 half-width columns, the name takes 6 where "X01" takes 3.
    auto columns = [](const std::string& s) {
        int cols = 0;
        for (std::size_t i = 0; i < s.size();) {
            const auto b = static_cast<unsigned char>(s[i]);
            const int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : 4;
            cols += len == 1 ? 1 : 2;
            i += static_cast<std::size_t>(len);
        }
        return cols;
    };
    EXPECT_EQ(columns(ladder.picture[0]), 149);
    EXPECT_EQ(columns(ladder.picture[1]), 146);
}

}  // namespace
}  // namespace lp
