// Placements that would leave the element area or the sheet are refused
// before anything changes: one message, and the state stays as it was.
#include "EditorFixture.h"
#include "editor/Commands.h"

namespace lp::test {
namespace {

const std::string kNoSlot = "本行已没有空位，不能再放置元件";
const std::string kLastRowText = "已到图纸最后一行，不能再换行";
const std::string kNoCoilAbove = "第一行上方没有线圈，不能放置并联线圈";

class RefusalTest : public EditorTest {
protected:
    // Runs the command and checks that it only showed `text`.
    void expectRefused(void (*command)(Ladder&), const std::string& text, const std::string& what) {
        const std::string before = snapshot();
        const std::size_t prompts = ui.prompts.size();
        const std::size_t messages = ui.messages.size();
        ui.replies = {"Z01"};  // a prompt would take it
        command(ladder);
        EXPECT_EQ(snapshot(), before) << what;
        EXPECT_EQ(ui.prompts.size(), prompts) << what;
        ASSERT_EQ(ui.messages.size(), messages + 1) << what;
        EXPECT_EQ(ui.messages.back().text, text) << what;
        EXPECT_EQ(ui.messages.back().caption, "梯形图编辑器") << what;
        ui.replies.clear();
    }

    // Row 2 full: a rail contact and nine series contacts, cursor at 51.
    void fillRow() {
        press(1, "X00");
        for (int i = 1; i <= 9; ++i) press(5, "X0" + std::to_string(i));
        ASSERT_EQ(ladder.state.CurCol, 51);
    }
};

TEST_F(RefusalTest, NoEleventhSlot) {
    fillRow();
    using Cmd = void (*)(Ladder&);
    const std::pair<Cmd, const char*> slots[] = {
        {Command1_Click, "1"},  {Command2_Click, "2"},  {Command3_Click, "3"},   {Command4_Click, "4"},
        {Command5_Click, "5"},  {Command6_Click, "6"},  {Command7_Click, "7"},   {Command8_Click, "8"},
        {Command15_Click, "15"}, {Command16_Click, "16"}, {Command18_Click, "18"}};
    for (const auto& [command, name] : slots) expectRefused(command, kNoSlot, std::string("Command") + name);
    // The coil still fits: it stands in columns 51 to 56.
    press(9, "Y01");
    EXPECT_EQ(cell(2, 56), "┫");
}

TEST_F(RefusalTest, TheTenthSlotStillFits) {
    press(1, "X00");
    for (int i = 1; i <= 8; ++i) press(5, "X0" + std::to_string(i));
    ASSERT_EQ(ladder.state.CurCol, 46);
    press(15);
    EXPECT_EQ(cell(2, 50), "━");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RefusalTest, EachSlotElementIsRefusedAtColumn47) {
    // Cursor placed by hand past the last whole slot.
    for (int n : {5, 15, 16, 18}) {
        SetUp();
        ladder.sheet.clear();
        press(1, "X00");
        ladder.state.CurCol = 47;
        const std::string before = snapshot();
        EXPECT_EQ(pressButton(ladder, n), ClickResult::Done);
        EXPECT_EQ(snapshot(), before) << n;
        EXPECT_EQ(ui.messages.back().text, kNoSlot);
    }
}

TEST_F(RefusalTest, EndNeedsTenCells) {
    ladder.state.CurCol = 64;
    expectRefused(Command22_Click, kNoSlot, "END at 64");
    ladder.state.CurCol = 63;
    Command22_Click(ladder);
    EXPECT_EQ(cell(2, 72), "     ");
    EXPECT_EQ(cell(2, 63), "┣");
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(RefusalTest, NoLineFeedFromTheLastRung) {
    press(1, "X01");
    press(9, "Y01");
    while (ladder.state.CurRow < kLastRow) press(11);
    EXPECT_EQ(ladder.state.CurRow, 260);
    EXPECT_EQ(cell(259, 56), "┃");
    EXPECT_EQ(cell(260, 56), "┃");
    expectRefused(Command11_Click, kLastRowText, "line feed at 260");
    // The last rung can still be drawn on.
    press(1, "X02");
    press(9, "Y02");
    EXPECT_EQ(cell(259, 53), "Y02");
    EXPECT_EQ(ladder.picture.size(), 260u);
}

TEST_F(RefusalTest, NoParallelCoilOnTheFirstRung) {
    press(1, "X01");
    ASSERT_TRUE(ladder.palette.enabled(21));
    expectRefused(Command21_Click, kNoCoilAbove, "parallel coil on row 2");
    // Also through the button, and again after a step back to the rail.
    press(10);
    const std::string before = snapshot();
    EXPECT_EQ(pressButton(ladder, 21), ClickResult::Done);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(RefusalTest, RefusalComesBeforeStepBackIsEnabled) {
    fillRow();
    ladder.palette.setEnabled(10, false);
    expectRefused(Command5_Click, kNoSlot, "series contact with step back off");
    EXPECT_FALSE(ladder.palette.enabled(10));
}

}  // namespace
}  // namespace lp::test
