// Checking a list against the drawing: well formed, END when drawn (and
// allowed at the end when not),
// and the same writes for every assignment of the devices.
#include <gtest/gtest.h>

#include "Diagrams.h"
#include "PaletteDrawing.h"
#include "circuit/ListCheck.h"

namespace lp {
namespace {

using test::crlfLines;
using test::PaletteDrawing;
namespace diagram = test::diagram;

CheckResult check(const PaletteDrawing& d, std::initializer_list<std::string_view> lines) {
    return ListCheck(d.sheet(), d.curRow(), d.curCol()).check(crlfLines(lines));
}

TEST(ListCheck, TheScansCorrectListsPass) {
    const PaletteDrawing typical(diagram::typical);
    EXPECT_EQ(check(typical, {"LD  X01", "AND X02", "OUT Y01", "LDI X03", "OUT Y02", "END"}).verdict,
              CheckVerdict::Matches);
    const PaletteDrawing railBranch(diagram::railBranch);
    EXPECT_EQ(check(railBranch, {"LD  X01", "OR  X02", "AND X03", "OUT Y01", "END"}).verdict, CheckVerdict::Matches);
}

TEST(ListCheck, TheScansFaultyListsFail) {
    const PaletteDrawing one(diagram::dropAfterOne);
    const CheckResult noOut = check(one, {"LD  X01", "END"});
    EXPECT_EQ(noOut.verdict, CheckVerdict::Malformed);
    EXPECT_EQ(noOut.fault, ListFault::NeverWritten);
    const PaletteDrawing two(diagram::dropAfterTwo);
    const CheckResult noAnb = check(two, {"LD  X01", "AND X02", "LD  X03", "OR  X04", "OUT Y01", "END"});
    EXPECT_EQ(noAnb.verdict, CheckVerdict::Malformed);
    EXPECT_EQ(noAnb.fault, ListFault::OutOfSeveral);
    EXPECT_EQ(noAnb.line, 5u);
}

TEST(ListCheck, EquivalentListsPassWhateverTheirShape) {
    const PaletteDrawing d(diagram::dropAfterOne);
    EXPECT_EQ(check(d, {"LD  X02", "OR  X03", "AND X01", "OUT Y01", "END"}).verdict, CheckVerdict::Matches);
    EXPECT_EQ(check(d, {"LD  X01", "AND X02", "LD  X01", "AND X03", "ORB ", "OUT Y01", "END"}).verdict,
              CheckVerdict::Matches);
}

TEST(ListCheck, AnotherValueOrAnotherCoilFailsAtItsOutLine) {
    const PaletteDrawing d(diagram::typical);
    const CheckResult wrongType = check(d, {"LD  X01", "AND X02", "OUT Y01", "LD  X03", "OUT Y02", "END"});
    EXPECT_EQ(wrongType.verdict, CheckVerdict::WritesDiffer);
    EXPECT_EQ(wrongType.line, 5u);
    EXPECT_EQ(check(d, {"LD  X01", "AND X02", "OUT Y09", "LDI X03", "OUT Y02", "END"}).verdict,
              CheckVerdict::WritesDiffer);
    EXPECT_EQ(check(d, {"LD  X01", "AND X02", "OUT Y01", "END"}).verdict, CheckVerdict::WritesDiffer);
    EXPECT_EQ(check(d, {"LDI X03", "OUT Y02", "LD  X01", "AND X02", "OUT Y01", "END"}).verdict,
              CheckVerdict::WritesDiffer);
    EXPECT_EQ(check(d, {"LD  X01", "AND X02", "OUT Y01", "LDI X03", "OUT Y02", "OUT Y03", "END"}).verdict,
              CheckVerdict::WritesDiffer);
}

TEST(ListCheck, EndIsThereWhenDrawnAndWelcomeWhenNot) {
    const PaletteDrawing withEnd(diagram::sealIn);
    EXPECT_EQ(check(withEnd, {"LD  X01", "OR  Y01", "ANI X02", "OUT Y01"}).verdict, CheckVerdict::EndMismatch);
    const PaletteDrawing noEnd("1 X01,5 X02,9 Y01");
    EXPECT_EQ(check(noEnd, {"LD  X01", "AND X02", "OUT Y01", "END"}).verdict, CheckVerdict::Matches);
    EXPECT_EQ(check(noEnd, {"LD  X01", "AND X02", "OUT Y01"}).verdict, CheckVerdict::Matches);
    EXPECT_EQ(check(noEnd, {"LD  X01", "AND X02", "OUT Y01", "END", "END"}).fault, ListFault::AfterEnd);
    EXPECT_EQ(check(noEnd, {"LD  X01", "END", "AND X02", "OUT Y01"}).fault, ListFault::AfterEnd);
}

TEST(SettleConversion, KeepsTheScansEndAfterEndWasSteppedBack) {
    // END placed and stepped back over: the scan still writes "END" at the
    // cursor, and its list is right.
    const PaletteDrawing d("1 X01,5 X02,9 Y01,11,22,10");
    const std::string scan = crlfLines({"LD  X01", "AND X02", "OUT Y01", "END"});
    const ConversionOutcome kept = settleConversion(d.sheet(), d.curRow(), d.curCol(), scan, true);
    EXPECT_EQ(kept.source, ConversionOutcome::Source::Scan);
    EXPECT_EQ(kept.list, scan);
    // A failing scan list that ended with "END" is replaced by the circuit's
    // list, which keeps the "END"; one without it gets none.
    const std::string wrongWithEnd = crlfLines({"LD  X01", "OUT Y01", "END"});
    const ConversionOutcome built = settleConversion(d.sheet(), d.curRow(), d.curCol(), wrongWithEnd, true);
    EXPECT_EQ(built.source, ConversionOutcome::Source::Structural);
    EXPECT_EQ(built.list, scan);
    const ConversionOutcome bare =
        settleConversion(d.sheet(), d.curRow(), d.curCol(), crlfLines({"LD  X01", "OUT Y01"}), true);
    EXPECT_EQ(bare.list, crlfLines({"LD  X01", "AND X02", "OUT Y01"}));
    // "XEND" is no END line.
    EXPECT_EQ(settleConversion(d.sheet(), d.curRow(), d.curCol(), "LD  X01\r\nXEND\r\n", true).list, bare.list);
}

TEST(ListCheck, MalformedListsFailWithTheirFault) {
    const PaletteDrawing d(diagram::typical);
    EXPECT_EQ(check(d, {"LD  X01", "AND X02", "OUT Y01", "LDI X03", "OUT Y02", "END", "END"}).fault,
              ListFault::AfterEnd);
    EXPECT_EQ(check(d, {"LD  X01", "AND X02", "OUT Y01", "LDI X03", "OUT Y02", "ANB ", "END"}).fault,
              ListFault::BlockWithoutPartner);
    EXPECT_EQ(check(d, {"LD X01", "END"}).fault, ListFault::NotAnInstruction);
    EXPECT_FALSE(listMatchesDrawing(d.sheet(), d.curRow(), d.curCol(), "LD  X01\r\nAND X02\r\nOUT Y01\r\nLDI X03\r\nOUT Y02\r\nEND"));
    // An OUT with a blank device name for a rung that has no coil.
    const PaletteDrawing dangling(diagram::danglingRow);
    EXPECT_EQ(check(dangling, {"LD  X01", "OUT Y01", "LD  X02", "OUT   ", "END"}).verdict, CheckVerdict::WritesDiffer);
}

TEST(ListCheck, ALaterRungReadsTheNewValue) {
    // Y01 := X01; Y02 := Y01 (the new one). A list reading Y01 before
    // writing it gives another Y02.
    const PaletteDrawing d("1 X01,9 Y01,11,1 Y01,9 Y02,11,22");
    EXPECT_EQ(check(d, {"LD  X01", "OUT Y01", "LD  Y01", "OUT Y02", "END"}).verdict, CheckVerdict::Matches);
    EXPECT_EQ(check(d, {"LD  X01", "OUT Y01", "LD  X01", "OUT Y02", "END"}).verdict, CheckVerdict::Matches);
    const PaletteDrawing swapped("1 Y01,9 Y02,11,1 X01,9 Y01,11,22");
    EXPECT_EQ(check(swapped, {"LD  Y01", "OUT Y02", "LD  X01", "OUT Y01", "END"}).verdict, CheckVerdict::Matches);
    EXPECT_EQ(check(swapped, {"LD  X01", "OUT Y02", "LD  X01", "OUT Y01", "END"}).verdict, CheckVerdict::WritesDiffer);
}

TEST(ListCheck, CoilsOfOneRungAllSeeTheValuesFromBeforeTheRung) {
    // ¬Y01 -> Y01 and Y02 in parallel: both take ¬Y01 as it was.
    const PaletteDrawing d("2 Y01,9 Y01,11,21 Y02,11,22");
    EXPECT_EQ(check(d, {"LDI Y01", "OUT Y01", "OUT Y02", "END"}).verdict, CheckVerdict::Matches);
    EXPECT_EQ(check(d, {"LDI Y01", "OUT Y01", "LDI Y01", "OUT Y02", "END"}).verdict, CheckVerdict::WritesDiffer);
}

TEST(ListCheck, ABridgeIsProvedExactly) {
    // Power reaches Y01 over every path: X01·X02 + X01·X05·X06 + X03·X04·X06 + X03·X04·X05·X02.
    const PaletteDrawing d(diagram::bridge);
    EXPECT_EQ(check(d,
                    {"LD  X01", "AND X02", "LD  X01", "AND X05", "AND X06", "ORB ", "LD  X03", "AND X04", "AND X06",
                     "ORB ", "LD  X03", "AND X04", "AND X05", "AND X02", "ORB ", "OUT Y01", "END"})
                  .verdict,
              CheckVerdict::Matches);
    EXPECT_EQ(check(d,
                    {"LD  X01", "AND X02", "LD  X01", "AND X05", "AND X06", "ORB ", "LD  X03", "AND X04", "AND X06",
                     "ORB ", "OUT Y01", "END"})
                  .verdict,
              CheckVerdict::WritesDiffer);
}

TEST(SettleConversion, KeepsAPassingScanListByteForByte) {
    const PaletteDrawing d(diagram::railBranch);
    const std::string scan = crlfLines({"LD  X01", "OR  X02", "AND X03", "OUT Y01", "END"});
    const ConversionOutcome o = settleConversion(d.sheet(), d.curRow(), d.curCol(), scan, true);
    EXPECT_EQ(o.source, ConversionOutcome::Source::Scan);
    EXPECT_EQ(o.list, scan);
    // An equivalent list of another shape is kept as it is, too.
    const std::string other = crlfLines({"LD  X02", "OR  X01", "AND X03", "OUT Y01", "END"});
    EXPECT_EQ(settleConversion(d.sheet(), d.curRow(), d.curCol(), other, true).list, other);
}

TEST(SettleConversion, ReplacesAFailingOrUnfinishedScanByTheStructuralList) {
    const PaletteDrawing d(diagram::dropAfterOne);
    const std::string want = crlfLines({"LD  X01", "LD  X02", "OR  X03", "ANB ", "OUT Y01", "END"});
    const ConversionOutcome failing = settleConversion(d.sheet(), d.curRow(), d.curCol(), crlfLines({"LD  X01", "END"}), true);
    EXPECT_EQ(failing.source, ConversionOutcome::Source::Structural);
    EXPECT_EQ(failing.list, want);
    const ConversionOutcome stopped = settleConversion(d.sheet(), d.curRow(), d.curCol(), want, false);
    EXPECT_EQ(stopped.source, ConversionOutcome::Source::Structural);
    EXPECT_EQ(stopped.list, want);
}

TEST(SettleConversion, RefusesWhenNeitherListPasses) {
    const PaletteDrawing d(diagram::danglingRow);
    const ConversionOutcome o =
        settleConversion(d.sheet(), d.curRow(), d.curCol(), crlfLines({"LD  X01", "OUT Y01", "LD  X02", "END"}), true);
    EXPECT_EQ(o.source, ConversionOutcome::Source::Refused);
    EXPECT_TRUE(o.list.empty());
    EXPECT_EQ(o.rung_row, 4);
    EXPECT_EQ(o.message, "第4行：该梯级没有输出线圈，无法生成语句表");
}

}  // namespace
}  // namespace lp

namespace lp {
namespace {

TEST(ListCheck, AProofThatOutgrowsItsMemoryTrustsNoList) {
    // A bridge has no formula of series and parallel parts to compare: only
    // the diagrams prove a list of it.
    const test::PaletteDrawing d(test::diagram::bridge);
    ListCheck small(d.sheet(), d.curRow(), d.curCol(), 4);
    EXPECT_EQ(small.check(buildStructuralList(d.sheet(), d.curRow(), d.curCol()).list).verdict, CheckVerdict::TooComplex);
    const StructuralResult r = small.structuralList();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, RefusalReason::TooComplex);
    EXPECT_EQ(r.message, "梯形图过于复杂，无法生成语句表");
    // A malformed list is told as such without any proof.
    EXPECT_EQ(small.check("LD X01\r\n").verdict, CheckVerdict::Malformed);
}

// Ten columns of 30 contacts in parallel, every row after the first closing
// up after each contact; names from `pool`.
std::string productOfSums(int pool) {
    std::string steps;
    int n = 0;
    auto contact = [&](int button) {
        const int k = n++ % pool;
        steps += std::to_string(button) + " " + "XMT"[k / 100] + std::to_string(k / 10 % 10) + std::to_string(k % 10) + ",";
    };
    for (int c = 0; c < 10; ++c) contact(c == 0 ? 1 : 5);
    steps += "9 Y00,11,";
    for (int r = 1; r < 30; ++r) {
        for (int c = 0; c < 10; ++c) contact(c == 0 ? 3 : 7);
        steps += "11,";
    }
    return steps + "22";
}

TEST(ListCheck, AProductOfSumsCostsAboutAsMuchAsItsFormulaIsLong) {
    const test::PaletteDrawing d(productOfSums(300));
    // In drawing order the rows interleave the sums: a node for every
    // combination of the sums met so far, far more steps than these.
    ListCheck check(d.sheet(), d.curRow(), d.curCol(), Bdd::kDefaultNodeLimit, 20 * 300);
    const StructuralResult r = check.structuralList();
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(check.check(r.list).verdict, CheckVerdict::Matches);
    // A list that leaves one contact out of its sum is told apart.
    const std::string dropped = r.list.substr(0, r.list.find("OR  M99\r\n")) +
                                r.list.substr(r.list.find("OR  M99\r\n") + 9);
    EXPECT_EQ(check.check(dropped).verdict, CheckVerdict::WritesDiffer);
}

TEST(ListCheck, AListThatFollowsTheFormulaNeedsNoDiagramWhateverTheNames) {
    // Names repeat all over the rung: no order of the variables keeps every
    // diagram small, yet the list written from the circuit, and the same
    // with its sums grouped another way, are proved without a single step.
    const test::PaletteDrawing d(productOfSums(23));
    ListCheck check(d.sheet(), d.curRow(), d.curCol(), Bdd::kDefaultNodeLimit, 0);
    const StructuralResult r = check.structuralList();
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(check.check(r.list).verdict, CheckVerdict::Matches);
    // The first OR written as a block of its own joined by ORB: the same sum.
    std::string regrouped = r.list;
    const std::size_t at = regrouped.find("OR  ");
    ASSERT_NE(at, std::string::npos);
    regrouped.replace(at, 4, "LD  ");
    regrouped.insert(regrouped.find("\r\n", at) + 2, "ORB \r\n");
    EXPECT_EQ(check.check(regrouped).verdict, CheckVerdict::Matches);
    EXPECT_EQ(check.steps(), 0u);
}

}  // namespace
}  // namespace lp
