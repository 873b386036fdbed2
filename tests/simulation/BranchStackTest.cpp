// Lists with the branch stack (MPS, MRD, MPP) and in small letters, as
// learners type the manuals' answers: checked against the drawing and run.
#include <gtest/gtest.h>

#include "check/Diagrams.h"
#include "check/PaletteDrawing.h"
#include "circuit/ListFaultText.h"
#include "circuit/WrittenListCheck.h"
#include "simulation/Simulation.h"

namespace lp {
namespace {

using test::PaletteDrawing;

ListVerdict check(const PaletteDrawing& d, std::string_view text) {
    return checkWrittenList(d.sheet(), d.curRow(), d.curCol(), text, [] { return std::optional<std::string>(); });
}

TEST(BranchStackCheck, TheManualsListsAgreeAndTheirWrongVariantsAreToldApart) {
    const PaletteDrawing lamp(test::diagram::sealInWithLamp);
    EXPECT_EQ(check(lamp, "LD X01\nOR Y01\nMPS\nANI X02\nOUT Y01\nMPP\nAND X03\nOUT Y02\nEND").kind,
              ListVerdict::Kind::Agrees);

    const ListVerdict left = check(lamp, "LD X01\nOR Y01\nMPS\nANI X02\nOUT Y01\nMRD\nAND X03\nOUT Y02\nEND");
    EXPECT_EQ(left.kind, ListVerdict::Kind::Line);
    EXPECT_EQ(left.line, 3u);
    EXPECT_EQ(left.why, "这里用 MPS 存入的结果在梯级结束前没有用 MPP 取出");

    const ListVerdict wrong = check(lamp, "LD X01\nOR Y01\nMPS\nANI X02\nOUT Y01\nMPP\nANI X03\nOUT Y02\nEND");
    EXPECT_EQ(wrong.kind, ListVerdict::Kind::Differs);
    EXPECT_EQ(wrong.coil, "Y02");

    const PaletteDrawing coils(test::diagram::parallelCoils);
    EXPECT_EQ(check(coils, "LD X01\nMPS\nOUT Y01\nMRD\nOUT Y02\nMPP\nOUT Y03\nEND").kind, ListVerdict::Kind::Agrees);
}

TEST(BranchStackCheck, NamesInSmallLettersAreTheDrawingsDevices) {
    const PaletteDrawing sealIn(test::diagram::sealIn);
    const ListVerdict v = check(sealIn, "ld x01\nor y01\nani x02\nout y01\nend");
    EXPECT_EQ(v.kind, ListVerdict::Kind::Agrees) << verdictMessage(v);
    EXPECT_TRUE(v.note.empty());
}

TEST(BranchStackCheck, ADrawingWithTwoSpellingsOfOneNameIsCheckedAsWrittenWithANote) {
    const PaletteDrawing d("1 x01,9 Y01,11,1 X01,9 Y02,11,22");
    const ListVerdict same = check(d, "LD x01\nOUT Y01\nLD X01\nOUT Y02\nEND");
    EXPECT_EQ(same.kind, ListVerdict::Kind::Agrees);
    EXPECT_EQ(same.note, "注意：梯形图中 X01 和 x01 只有大小写不同，按不同的器件处理");
    EXPECT_EQ(verdictMessage(same), "语句表与梯形图一致。\n" + same.note);
    EXPECT_EQ(check(d, "LD X01\nOUT Y01\nLD X01\nOUT Y02\nEND").kind, ListVerdict::Kind::Differs);
}

TEST(BranchStackSimulation, TheLampReadsTheNodeFromBeforeTheSealInsOut) {
    const PaletteDrawing lamp(test::diagram::sealInWithLamp);
    const TypedListReading reading = readTypedList("ld x01\nor y01\nmps\nani x02\nout y01\nmpp\nand x03\nout y02\nend");
    ASSERT_EQ(reading.fault, ListFault::None);
    Simulation sim(reading.parsed, lamp.sheet(), lamp.curRow(), lamp.curCol());
    ASSERT_EQ(sim.deviceNames(), (std::vector<std::string>{"X01", "X02", "X03", "Y01", "Y02"}));
    ASSERT_TRUE(sim.usesBranchStack());
    auto on = [&](const char* name) { return sim.value(sim.deviceOf(name)); };

    sim.setInput("X01", true);
    sim.setInput("X03", true);
    sim.step();  // LD
    sim.step();  // OR
    sim.step();  // MPS
    EXPECT_EQ(sim.branchStack(), (std::vector<uint8_t>{1}));
    for (int i = 0; i < 3; ++i) sim.step();  // ANI, OUT, MPP
    EXPECT_TRUE(sim.branchStack().empty());
    EXPECT_EQ(sim.stack(), (std::vector<uint8_t>{1}));
    sim.scan();
    EXPECT_TRUE(on("Y01") && on("Y02"));
    sim.setInput("X01", false);
    sim.scan();
    EXPECT_TRUE(on("Y01") && on("Y02"));
    // The stop button drops the seal-in; the lamp read the node before.
    sim.setInput("X02", true);
    sim.scan();
    EXPECT_FALSE(on("Y01"));
    EXPECT_TRUE(on("Y02"));
    EXPECT_TRUE(sim.differs().empty());
    sim.scan();
    EXPECT_FALSE(on("Y02"));
}

TEST(BranchStackSimulation, ANameTheDrawingHasNotIsOneDeviceWhateverItsCase) {
    const PaletteDrawing sealIn(test::diagram::sealIn);
    const TypedListReading reading = readTypedList("ld x01\nout m01\nld M01\nout y01\nend");
    ASSERT_EQ(reading.fault, ListFault::None);
    Simulation sim(reading.parsed, sealIn.sheet(), sealIn.curRow(), sealIn.curCol());
    EXPECT_EQ(sim.deviceNames(), (std::vector<std::string>{"X01", "Y01", "m01"}));
    EXPECT_FALSE(sim.usesBranchStack());
    sim.setInput("X01", true);
    sim.scan();
    EXPECT_TRUE(sim.value(sim.deviceOf("Y01")));
}

}  // namespace
}  // namespace lp
