// The instruction list as a program: its lines, its stack and its writes.
#include <gtest/gtest.h>

#include "PaletteDrawing.h"
#include "circuit/InstructionList.h"

namespace lp {
namespace {

using test::crlfLines;

class ListRunTest : public ::testing::Test {
protected:
    Bdd bdd;
    DeviceTable devices{bdd};

    ListRun run(std::initializer_list<std::string_view> lines) {
        const ParsedList parsed = parseList(crlfLines(lines));
        EXPECT_EQ(parsed.fault, ListFault::None);
        return runList(parsed.lines, devices, Reading::Composed);
    }
    Bdd::Ref v(const std::string& name) { return devices.initial(name); }
};

TEST(ListParse, ReadsEveryMnemonicWithItsPadding) {
    const ParsedList p = parseList(crlfLines({"LD  X01", "LDI X02", "AND X03", "ANI X04", "OR  X05", "ORI X06", "ANB ",
                                              "ORB ", "MPS ", "MRD ", "MPP ", "OUT Y01", "END"}));
    ASSERT_EQ(p.fault, ListFault::None);
    const std::vector<Instruction> want = {{Op::LD, "X01"},  {Op::LDI, "X02"}, {Op::AND, "X03"}, {Op::ANI, "X04"},
                                           {Op::OR, "X05"},  {Op::ORI, "X06"}, {Op::ANB, ""},    {Op::ORB, ""},
                                           {Op::MPS, ""},    {Op::MRD, ""},    {Op::MPP, ""},    {Op::OUT, "Y01"},
                                           {Op::END, ""}};
    EXPECT_EQ(p.lines, want);
    for (const Instruction& in : want) EXPECT_EQ(parseList(lineText(in) + "\r\n").lines, std::vector<Instruction>{in});
}

TEST(ListParse, DeviceNamesAreTakenAsTheCellsHoldThem) {
    const ParsedList p = parseList(crlfLines({"LD  输入一", "OUT    "}));
    ASSERT_EQ(p.fault, ListFault::None);
    EXPECT_EQ(p.lines[0].device, "输入一");
    EXPECT_EQ(p.lines[1].device, "   ");
}

TEST(ListParse, RefusesWhatIsNoInstruction) {
    for (const std::string bad : {"LD X01\r\n", "LD  \r\n", "ANB\r\n", "ORB X01\r\n", "MPS\r\n", "MPP X01\r\n", "END \r\n", "end\r\n", "\r\n",
                                  "MOV X01\r\n", "LD  X01", "LD  X01\n", "LD  X01\r\nOUT Y01"}) {
        const ParsedList p = parseList(bad);
        EXPECT_EQ(p.fault, ListFault::NotAnInstruction) << bad;
    }
    EXPECT_EQ(parseList(crlfLines({"LD  X01", "XX"})).faultLine, 2u);
    EXPECT_EQ(parseList("").fault, ListFault::None);
}

TEST_F(ListRunTest, SeriesAndParallelCombineWithTheTop) {
    const ListRun r = run({"LD  X01", "ANI X02", "OR  X03", "ORI X04", "OUT Y01"});
    ASSERT_EQ(r.fault, ListFault::None);
    const Bdd::Ref want = bdd.orOf(bdd.orOf(bdd.andOf(v("X01"), bdd.notOf(v("X02"))), v("X03")), bdd.notOf(v("X04")));
    ASSERT_EQ(r.writes.size(), 1u);
    EXPECT_EQ(r.writes[0], (Write{"Y01", want}));
}

TEST_F(ListRunTest, BlockJoinsPopAndCombine) {
    const ListRun r = run({"LDI X01", "LD  X02", "AND X03", "ORB ", "LD  X04", "OR  X05", "ANB ", "OUT Y01"});
    ASSERT_EQ(r.fault, ListFault::None);
    const Bdd::Ref left = bdd.orOf(bdd.notOf(v("X01")), bdd.andOf(v("X02"), v("X03")));
    EXPECT_EQ(r.writes.at(0).value, bdd.andOf(left, bdd.orOf(v("X04"), v("X05"))));
}

TEST_F(ListRunTest, ConsecutiveOutsAreCoilsInParallelAndAndAfterOutGoesOn) {
    const ListRun r = run({"LD  X01", "OUT Y01", "OUT Y02", "AND X02", "OUT Y03"});
    ASSERT_EQ(r.fault, ListFault::None);
    ASSERT_EQ(r.writes.size(), 3u);
    EXPECT_EQ(r.writes[1].value, v("X01"));
    EXPECT_EQ(r.writes[2].value, bdd.andOf(v("X01"), v("X02")));
    EXPECT_EQ(r.lineOfWrite, (std::vector<std::size_t>{1, 2, 4}));
}

TEST_F(ListRunTest, ALoadAfterAnOutStartsANewRungAndReadsTheNewValue) {
    const ListRun r = run({"LD  X01", "OUT Y01", "LDI Y01", "OUT Y02", "END"});
    ASSERT_EQ(r.fault, ListFault::None);
    EXPECT_TRUE(r.endsWithEnd);
    EXPECT_EQ(r.writes.at(1), (Write{"Y02", bdd.notOf(v("X01"))}));
}

TEST_F(ListRunTest, EachMalformationIsFoundOnItsLine) {
    struct Case {
        std::initializer_list<std::string_view> lines;
        ListFault fault;
        std::size_t line;
    };
    const Case cases[] = {
        {{"AND X01"}, ListFault::NothingToCombine, 1},
        {{"ORI X01"}, ListFault::NothingToCombine, 1},
        {{"OUT Y01"}, ListFault::NothingToCombine, 1},
        {{"LD  X01", "ANB "}, ListFault::BlockWithoutPartner, 2},
        {{"LD  X01", "OUT Y01", "ORB "}, ListFault::BlockWithoutPartner, 3},
        {{"LD  X01", "LD  X02", "OUT Y01"}, ListFault::OutOfSeveral, 3},
        {{"LD  X01", "OUT Y01", "END", "LD  X02"}, ListFault::AfterEnd, 4},
        {{"LD  X01", "OUT Y01", "LD  X02", "END"}, ListFault::NeverWritten, 3},
        {{"LD  X01", "OUT Y01", "AND X02"}, ListFault::NeverWritten, 3},
        {{"MPS ", "LD  X01", "OUT Y01"}, ListFault::NothingToCombine, 1},
        {{"LD  X01", "MPS ", "MPS ", "MPS ", "MPS ", "MPS ", "MPS ", "MPS ", "MPS ", "MPS ", "MPS ", "MPS ", "MPS "},
         ListFault::BranchStackFull,
         13},
        {{"LD  X01", "OUT Y01", "MRD ", "OUT Y02"}, ListFault::BranchStackEmpty, 3},
        // An MPS not taken back is named where it stands, whether a new
        // rung or the end of the list finds it.
        {{"LD  X01", "MPS ", "AND X02", "OUT Y01", "LD  X03", "OUT Y03"}, ListFault::BranchNotTakenBack, 2},
        {{"LD  X01", "MPS ", "AND X02", "OUT Y01", "MRD ", "OUT Y02", "END"}, ListFault::BranchNotTakenBack, 2},
    };
    for (const Case& c : cases) {
        const ListRun r = runList(parseList(crlfLines(c.lines)).lines, devices, Reading::Composed);
        EXPECT_EQ(r.fault, c.fault) << crlfLines(c.lines);
        EXPECT_EQ(r.faultLine, c.line) << crlfLines(c.lines);
    }
}

TEST_F(ListRunTest, EachBranchStartsFromTheResultSavedBeforeTheFirstOut) {
    // The manuals' seal-in with a pilot lamp on the same condition.
    const ListRun r = run({"LD  X01", "OR  Y01", "MPS ", "ANI X02", "OUT Y01", "MPP ", "AND X03", "OUT Y02", "END"});
    ASSERT_EQ(r.fault, ListFault::None);
    const Bdd::Ref shared = bdd.orOf(v("X01"), v("Y01"));
    ASSERT_EQ(r.writes.size(), 2u);
    EXPECT_EQ(r.writes[0], (Write{"Y01", bdd.andOf(shared, bdd.notOf(v("X02")))}));
    EXPECT_EQ(r.writes[1], (Write{"Y02", bdd.andOf(shared, v("X03"))}));
}

TEST_F(ListRunTest, MrdReadsTheSavedResultAndLeavesItForTheNextBranch) {
    const ListRun r = run({"LD  X01", "MPS ", "AND X02", "OUT Y01", "MRD ", "AND X03", "OUT Y02", "MPP ", "OUT Y03",
                           "LD  X04", "OUT Y04"});
    ASSERT_EQ(r.fault, ListFault::None);
    ASSERT_EQ(r.writes.size(), 4u);
    EXPECT_EQ(r.writes[1].value, bdd.andOf(v("X01"), v("X03")));
    EXPECT_EQ(r.writes[2].value, v("X01"));
    EXPECT_EQ(r.writes[3].value, v("X04"));
}

TEST_F(ListRunTest, AnEmptyListWritesNothing) {
    const ListRun r = runList({}, devices, Reading::Composed);
    EXPECT_EQ(r.fault, ListFault::None);
    EXPECT_TRUE(r.writes.empty());
    EXPECT_FALSE(r.endsWithEnd);
}

}  // namespace
}  // namespace lp

namespace lp {
namespace {

TEST(DeviceReadings, VersionedWritesGiveEachWrittenValueItsOwnVariable) {
    Bdd bdd;
    DeviceTable devices(bdd, {"X01", "Y01"});
    const ListRun composed =
        runList(parseList(test::crlfLines({"LD  X01", "OUT Y01", "LDI Y01", "OUT Y01", "LD  Y01", "OUT Y02"})).lines, devices,
                Reading::Composed);
    const ListRun versioned =
        runList(parseList(test::crlfLines({"LD  X01", "OUT Y01", "LDI Y01", "OUT Y01", "LD  Y01", "OUT Y02"})).lines, devices,
                Reading::Versioned);
    const Bdd::Ref x = devices.initial("X01");
    // Composed: Y01 = X01, then ¬X01, and Y02 = ¬X01.
    EXPECT_EQ(composed.writes[1].value, bdd.notOf(x));
    EXPECT_EQ(composed.writes[2].value, bdd.notOf(x));
    // Versioned: the second write reads the first version, Y02 reads the second.
    EXPECT_EQ(versioned.writes[0].value, x);
    EXPECT_EQ(versioned.writes[1].value, bdd.notOf(devices.version("Y01", 1)));
    EXPECT_EQ(versioned.writes[2].value, devices.version("Y01", 2));
    EXPECT_NE(devices.version("Y01", 1), devices.version("Y01", 2));
    EXPECT_EQ(devices.version("Y01", 0), devices.initial("Y01"));
    // Devices named up front are numbered from the bottom up.
    EXPECT_EQ(devices.variable("X01"), 1);
    EXPECT_EQ(devices.variable("Y01"), 0);
    EXPECT_EQ(devices.variable("Z99"), -1);
}

}  // namespace
}  // namespace lp
