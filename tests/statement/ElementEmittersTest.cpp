// LDorLDI, ANDorANI, ORorORI and OUT on cells laid straight onto the sheet.
#include <gtest/gtest.h>

#include "SheetDrawing.h"
#include "statement/Emitters.h"
#include "statement/ScanContext.h"

namespace lp::test {
namespace {

using Emitter = void (*)(ScanContext&, int16_t&, int16_t&);

struct Case {
    const char* emitter;
    Emitter call;
    const char* normallyOpen;
    const char* normallyClosed;
};

class ElementEmitters : public ::testing::TestWithParam<Case> {
protected:
    TestLadder t;
    Sheet& sheet = t.ladder.sheet;
    ScanContext x{t.ladder};

    std::string emitAt(int16_t row, int16_t col) {
        const std::size_t before = t.ladder.StatementList.size();
        GetParam().call(x, row, col);
        return t.ladder.StatementList.substr(before);
    }
};

TEST_P(ElementEmitters, ChoosesTheMnemonicByTheTypeCell) {
    lay(sheet, 4, 6, "━┥  ┝━");
    nameAbove(sheet, 4, 6, "X05");
    lay(sheet, 4, 11, "━┥╱┝━");
    nameAbove(sheet, 4, 11, "X06");
    EXPECT_EQ(emitAt(4, 6), std::string(GetParam().normallyOpen) + "X05\r\n");
    EXPECT_EQ(emitAt(4, 11), std::string(GetParam().normallyClosed) + "X06\r\n");
}

TEST_P(ElementEmitters, ALinePieceGivesNoLineButIsMarked) {
    lay(sheet, 4, 6, "━━━━━");
    nameAbove(sheet, 4, 6, "X05");
    EXPECT_EQ(emitAt(4, 6), "");
    EXPECT_EQ(sheet.emitted(4, 6), 1);
    // Any other type cell is passed over the same way.
    lay(sheet, 4, 11, "━┥┃┝━");
    EXPECT_EQ(emitAt(4, 11), "");
    EXPECT_EQ(sheet.emitted(4, 11), 1);
}

TEST_P(ElementEmitters, MarksTheElementAndWritesOnlyOnce) {
    lay(sheet, 2, 6, "━┥  ┝━");
    nameAbove(sheet, 2, 6, "X02");
    EXPECT_EQ(sheet.emitted(2, 6), 0);
    EXPECT_NE(emitAt(2, 6), "");
    EXPECT_EQ(sheet.emitted(2, 6), 1);
    EXPECT_EQ(emitAt(2, 6), "");
    // Only the element's own cell is marked.
    EXPECT_EQ(sheet.emitted(2, 8), 0);
    EXPECT_EQ(sheet.emitted(1, 7), 0);
}

TEST_P(ElementEmitters, AMarkedElementIsNotReadAgain) {
    lay(sheet, 2, 6, "━┥  ┝━");
    sheet.setEmitted(2, 6, 1);
    EXPECT_EQ(emitAt(2, 6), "");
}

TEST_P(ElementEmitters, TheNameIsTakenAsTheCellHoldsIt) {
    lay(sheet, 2, 6, "━┥  ┝━");  // blank name cell: "  "
    EXPECT_EQ(emitAt(2, 6), std::string(GetParam().normallyOpen) + "  \r\n");
    lay(sheet, 2, 11, "━┥╱┝━");
    nameAbove(sheet, 2, 11, " a\xE2\x91\xA0");  // leading space, full-width circled one
    EXPECT_EQ(emitAt(2, 11), std::string(GetParam().normallyClosed) + " a\xE2\x91\xA0\r\n");
}

TEST_P(ElementEmitters, OutsideTheSheetNothingIsReadOrWritten) {
    // Row 0 and column 73 lie outside: the type cell reads "" and the mark is
    // dropped.
    EXPECT_EQ(emitAt(0, 6), "");
    EXPECT_EQ(emitAt(4, 73), "");
    EXPECT_EQ(emitAt(261, 1), "");
    EXPECT_EQ(sheet.emitted(0, 6), 0);
}

INSTANTIATE_TEST_SUITE_P(Contacts, ElementEmitters,
                         ::testing::Values(Case{"LDorLDI", LDorLDI, "LD  ", "LDI "},
                                           Case{"ANDorANI", ANDorANI, "AND ", "ANI "},
                                           Case{"ORorORI", ORorORI, "OR  ", "ORI "}),
                         [](const ::testing::TestParamInfo<Case>& info) { return info.param.emitter; });

TEST(OutEmitter, NamesTheCoilFromColumn53WhateverTheColumn) {
    TestLadder t;
    Sheet& sheet = t.ladder.sheet;
    ScanContext x{t.ladder};
    lay(sheet, 2, 51, "━（  ）━┫");
    coilName(sheet, 2, "Y01");
    sheet.setCell(1, 12, "X99");  // where a contact's name would stand
    int16_t row = 2, col = 11;
    OUT(x, row, col);
    EXPECT_EQ(t.ladder.StatementList, "OUT Y01\r\n");
    EXPECT_EQ(sheet.emitted(2, 11), 1);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(col, 11);
    OUT(x, row, col);
    EXPECT_EQ(t.ladder.StatementList, "OUT Y01\r\n");
}

TEST(OutEmitter, WritesItsLineWhateverTheTypeCellAndAnEmptyName) {
    TestLadder t;
    Sheet& sheet = t.ladder.sheet;
    ScanContext x{t.ladder};
    lay(sheet, 4, 6, "━━━━━");
    int16_t row = 4, col = 6;
    OUT(x, row, col);
    EXPECT_EQ(t.ladder.StatementList, "OUT   \r\n");
}

TEST(ElementEmitterLines, FollowEachOtherInCallOrder) {
    TestLadder t;
    Sheet& sheet = t.ladder.sheet;
    ScanContext x{t.ladder};
    lay(sheet, 2, 1, "┣┫  ┣━━┥╱┝━");
    nameAbove(sheet, 2, 1, "X01");
    nameAbove(sheet, 2, 6, "X02");
    coilName(sheet, 2, "Y01");
    int16_t row = 2, one = 1, six = 6, eleven = 11;
    LDorLDI(x, row, one);
    ANDorANI(x, row, six);
    OUT(x, row, eleven);
    EXPECT_EQ(t.ladder.StatementList, "LD  X01\r\nANI X02\r\nOUT Y01\r\n");
}

}  // namespace
}  // namespace lp::test
