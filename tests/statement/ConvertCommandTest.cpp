// Convert ("转换"): the scan on its own thread, the nesting bound and what
// the window shows afterwards.
#include <gtest/gtest.h>

#include "sheet/PaletteTables.h"
#include "ScanDiagrams.h"
#include "statement/Conversion.h"
#include "statement/Convert.h"

namespace lp::test {
namespace {

bool anyMark(const Sheet& s) {
    for (int r = kFirstRow; r <= kLastRow; ++r)
        for (int c = kFirstCol; c <= kLastCol; ++c)
            if (s.emitted(r, c) != 0 || s.joined(r, c) != 0) return true;
    return false;
}

// The palette as a conversion leaves it: the drawing done, convert offered.
void afterEnd(Palette& p) { p.apply(paletteTable::afterEnd); }

class Convert : public ::testing::Test {
protected:
    TestLadder t;
    Ladder& l = t.ladder;
};

TEST_F(Convert, ShowsTheListAndSwitchesToTheExportRow) {
    twoRungs(l);
    afterEnd(l.palette);
    const std::string enabledBefore = l.palette.enabledString();
    Command13_Click(l);
    EXPECT_EQ(l.StatementList, "LD  X01\r\nAND X02\r\nOUT Y01\r\nLDI X03\r\nOUT Y02\r\nEND\r\n");
    EXPECT_EQ(l.Text1, l.StatementList);
    EXPECT_EQ(l.palette.visibleString(), "0011");  // 13, 14 hidden; 19, 20 shown
    std::string expected = enabledBefore;
    expected[12 - 1] = '1';
    expected[19 - 1] = '1';
    EXPECT_EQ(l.palette.enabledString(), expected);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(Convert, RunsTheScanOnAThreadOfItsOwn) {
    twoRungs(l);
    EXPECT_EQ(runScan(l), ScanOutcome::Finished);
    EXPECT_EQ(l.StatementList, "LD  X01\r\nAND X02\r\nOUT Y01\r\nLDI X03\r\nOUT Y02\r\nEND\r\n");
}

TEST_F(Convert, AScanThatGoesRoundWithoutEndIsStoppedAtTheNestingLimit) {
    endlessLoop(l);
    EXPECT_EQ(runScan(l), ScanOutcome::TooDeep);
    // What was written before the scan went round stays until the command
    // clears it.
    EXPECT_FALSE(l.StatementList.empty());
    EXPECT_TRUE(anyMark(l.sheet));
}

TEST_F(Convert, AScanStoppedAtTheBoundGivesWayToTheCircuitsOwnList) {
    endlessLoop(l);
    afterEnd(l.palette);
    Command13_Click(l);
    // No message of its own: the list read from the circuit is shown.
    EXPECT_TRUE(t.ui.messages.empty());
    EXPECT_EQ(l.StatementList, "LDI X01\r\nORI X03\r\nLD  X02\r\nOR  X04\r\nANB \r\nOUT Y01\r\nEND\r\n");
    EXPECT_EQ(l.Text1, l.StatementList);
    EXPECT_EQ(l.palette.visibleString(), "0011");
}

// Row 2 holds a contact and nothing it drives: no list can be written.
void rungWithoutCoil(Ladder& l) {
    Sheet& s = l.sheet;
    lay(s, 2, 1, "┣┫  ┣━");
    nameAbove(s, 2, 1, "X01");
    s.setRowEnd(2, 6);
    vertical(s, 1, {1, 3});
    endElement(s, 4, 1);
    l.state.CurRow = 4;
    l.state.CurCol = 1;
}

TEST_F(Convert, ARungThatCannotBeWrittenIsRefusedAndTheSheetLeftAsBefore) {
    rungWithoutCoil(l);
    afterEnd(l.palette);
    l.Text1 = "the user's own text";
    const std::string enabled = l.palette.enabledString();
    const std::string visible = l.palette.visibleString();
    const std::string row2 = l.sheet.rowText(2);

    Command13_Click(l);

    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, "第2行：该梯级没有输出线圈，无法生成语句表");
    EXPECT_EQ(t.ui.messages[0].caption, "梯形图编辑器");
    EXPECT_EQ(l.StatementList, "");
    EXPECT_FALSE(anyMark(l.sheet));
    EXPECT_EQ(l.Text1, "the user's own text");
    EXPECT_EQ(l.palette.enabledString(), enabled);
    EXPECT_EQ(l.palette.visibleString(), visible);
    EXPECT_EQ(l.sheet.rowText(2), row2);
}

TEST_F(Convert, AfterARefusalTheNextConversionStartsAfresh) {
    rungWithoutCoil(l);
    Command13_Click(l);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    // The marks were reset, so converting again scans again rather than
    // returning at once with an empty list.
    Command13_Click(l);
    EXPECT_EQ(t.ui.messages.size(), 2u);

    // Once the drawing is put right the conversion goes through.
    l.sheet.clear();
    twoRungs(l);
    Command13_Click(l);
    EXPECT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(l.Text1, "LD  X01\r\nAND X02\r\nOUT Y01\r\nLDI X03\r\nOUT Y02\r\nEND\r\n");
}

TEST_F(Convert, TheLimitIsTheNumberOfNestedCalls) {
    twoRungs(l);
    EXPECT_EQ(runScan(l, 3), ScanOutcome::TooDeep);
    l.StatementList.clear();
    l.sheet.clearMarks();
    EXPECT_EQ(runScan(l, 50), ScanOutcome::Finished);
    EXPECT_EQ(l.StatementList, "LD  X01\r\nAND X02\r\nOUT Y01\r\nLDI X03\r\nOUT Y02\r\nEND\r\n");
}

TEST_F(Convert, AConversionWithoutResetAppendsNothing) {
    twoRungs(l);
    Command13_Click(l);
    const std::string first = l.Text1;
    // Reached only through the window's state after a conversion; the list
    // stays as it was.
    Command13_Click(l);
    EXPECT_EQ(l.Text1, first);
}

}  // namespace
}  // namespace lp::test
