// The checks of the harness catch what they are meant to catch: each case
// breaks one thing in an otherwise sound state and expects to hear of it.
#include <gtest/gtest.h>

#include <functional>

#include "app/Buttons.h"
#include "hardening/CommandEffects.h"
#include "hardening/SessionInvariants.h"
#include "sheet/Ladder.h"
#include "support/FakeUserInterface.h"

namespace lp::hardening {
namespace {

struct Fault {
    const char* name;
    std::function<void(Ladder&, SessionFacts&)> breakIt;
    const char* expected;  // part of the violation's text
};

class InvariantChecks : public ::testing::Test {
protected:
    InvariantChecks() : ladder(ui) {
        ladder.Form_Load();
        ladder.Form_Activate();
    }

    // A first rung: rail contact X01, series contact X02, coil Y01.
    void drawRung() {
        ui.replies = {"X01", "X02", "Y01"};
        facts.names = {"X01", "X02", "Y01"};
        pressButton(ladder, 1);
        pressButton(ladder, 5);
        pressButton(ladder, 9);
    }

    Violations check() {
        Violations out;
        checkInvariants(ladder, facts, out);
        return out;
    }

    static std::string joined(const Violations& v) {
        std::string s;
        for (const auto& line : v) s += line + "\n";
        return s;
    }

    test::FakeUserInterface ui;
    Ladder ladder;
    SessionFacts facts;
};

TEST_F(InvariantChecks, SoundStatesPass) {
    EXPECT_TRUE(check().empty()) << joined(check());
    drawRung();
    EXPECT_TRUE(check().empty()) << joined(check());
    pressButton(ladder, 11);
    pressButton(ladder, 22);
    EXPECT_TRUE(check().empty()) << joined(check());
}

TEST_F(InvariantChecks, EachBrokenInvariantIsReported) {
    const std::vector<Fault> faults = {
        {"odd CurRow", [](Ladder& l, SessionFacts&) { l.state.CurRow = 3; }, "CurRow 3"},
        {"CurRow past the sheet", [](Ladder& l, SessionFacts&) { l.state.CurRow = 262; }, "CurRow 262"},
        {"CurCol past the coil", [](Ladder& l, SessionFacts&) { l.state.CurCol = 58; }, "CurCol 58"},
        {"CurCol inside a slot", [](Ladder& l, SessionFacts&) { l.state.CurCol = 57 - 2; }, "start of a slot"},
        {"unknown kind", [](Ladder& l, SessionFacts&) { l.state.PrevKind = 13; }, "not placements"},
        {"width of another kind", [](Ladder& l, SessionFacts&) { l.state.LastWidth = 10; }, "LastWidth 10"},
        {"foreign text in a graphics row", [](Ladder& l, SessionFacts&) { l.sheet.setCell(2, 20, "X"); },
         "graphics row holds \"X\""},
        {"a name in a graphics row", [](Ladder& l, SessionFacts&) { l.sheet.setCell(2, 7, "X01"); },
         "graphics row holds \"X01\""},
        {"a name nobody gave", [](Ladder& l, SessionFacts&) { l.sheet.setCell(1, 7, "ZZZ"); }, "not a given name"},
        {"a name in the wrong column",
         [](Ladder& l, SessionFacts&) {
             l.sheet.setCell(1, 8, "X01");
             l.sheet.setCell(1, 9, " ");
         },
         "not in a name column"},
        {"a name gap alone", [](Ladder& l, SessionFacts&) { l.sheet.setCell(1, 13, " "); }, "no name before it"},
        {"a glyph in column 0", [](Ladder& l, SessionFacts&) { l.sheet.setCell(2, 0, "━"); }, "outside columns"},
        {"a glyph right of the rail", [](Ladder& l, SessionFacts&) { l.sheet.setCell(2, 60, "━"); },
         "outside columns"},
        {"a glyph below the cursor", [](Ladder& l, SessionFacts&) { l.sheet.setCell(6, 20, "━"); },
         "below the cursor"},
        {"RowEnd on a name row", [](Ladder& l, SessionFacts&) { l.sheet.setRowEnd(1, 6); }, "RowEnd(1)"},
        {"RowEnd past the element area", [](Ladder& l, SessionFacts&) { l.sheet.setRowEnd(2, 60); },
         "out of its range"},
        {"RowEnd below the rung", [](Ladder& l, SessionFacts&) { l.sheet.setRowEnd(8, 6); }, "RowEnd(8)"},
        {"rail contacts inside a rung", [](Ladder& l, SessionFacts&) { for (int n : {1, 2, 3, 4}) l.palette.setEnabled(n, true); },
         "enabled after a coil"},
        {"the group split", [](Ladder& l, SessionFacts&) { l.palette.setEnabled(16, true); }, "differ"},
        {"show disabled", [](Ladder& l, SessionFacts&) { l.palette.setEnabled(17, false); }, "Command17"},
        {"export enabled while hidden", [](Ladder& l, SessionFacts&) { l.palette.setEnabled(19, true); },
         "enabled while hidden"},
        {"half a bottom row", [](Ladder& l, SessionFacts&) { l.palette.setVisible(20, true); }, "neither state"},
        {"a palette button hidden", [](Ladder& l, SessionFacts&) { l.palette.setVisible(5, false); }, "hidden"},
        {"line feed off after a coil", [](Ladder& l, SessionFacts&) { l.palette.setEnabled(11, false); },
         "Command11 disabled after a coil"},
        {"a mark of 2", [](Ladder& l, SessionFacts&) { l.sheet.setEmitted(2, 1, 2); }, "marks at (2, 1)"},
        {"marks before any conversion", [](Ladder& l, SessionFacts&) { l.sheet.setJoined(4, 6, 1); },
         "marks at (4, 6)"},
        {"a list before any conversion", [](Ladder& l, SessionFacts&) { l.StatementList = "END\r\n"; },
         "convert is still offered"},
        {"a list line without CR", [](Ladder& l, SessionFacts&) { l.StatementList = "LD  X01\n"; },
         "not an instruction"},
    };
    for (const Fault& fault : faults) {
        test::FakeUserInterface freshUi;
        Ladder l(freshUi);
        l.Form_Load();
        l.Form_Activate();
        freshUi.replies = {"X01", "X02", "Y01"};
        SessionFacts f;
        f.names = {"X01", "X02", "Y01"};
        pressButton(l, 1);
        pressButton(l, 5);
        pressButton(l, 9);
        Violations before;
        checkInvariants(l, f, before);
        ASSERT_TRUE(before.empty()) << joined(before);
        fault.breakIt(l, f);
        Violations after;
        checkInvariants(l, f, after);
        const std::string text = joined(after);
        EXPECT_NE(text.find(fault.expected), std::string::npos) << fault.name << ":\n" << text;
    }
}

TEST(StatementListForm, AcceptsEveryInstructionAndNamesAsTheCellsHoldThem) {
    const std::unordered_set<std::string> names = {"X01", "\r\nX", "Y\xC3\xA9"};
    EXPECT_TRUE(isWellFormedList("", names));
    EXPECT_TRUE(isWellFormedList("LD  X01\r\nLDI X01\r\nAND ┃\r\nANI   \r\nOR  \r\nORI  \r\nANB \r\nORB \r\n"
                                 "OUT Y\xC3\xA9\r\nEND\r\n",
                                 names));
    // A name holding CR LF still reads as one instruction.
    EXPECT_TRUE(isWellFormedList("LD  \r\nX\r\nEND\r\n", names));
}

TEST(StatementListForm, RefusesWhatNoEmitterWrites) {
    const std::unordered_set<std::string> names = {"X01"};
    EXPECT_FALSE(isWellFormedList("LD X01\r\n", names));     // mnemonic not padded
    EXPECT_FALSE(isWellFormedList("LD  X02\r\n", names));    // a name nobody gave
    EXPECT_FALSE(isWellFormedList("LD  X01\n", names));      // LF alone
    EXPECT_FALSE(isWellFormedList("END", names));            // no line end
    EXPECT_FALSE(isWellFormedList("ANB X01\r\n", names));    // a join with a name
    EXPECT_FALSE(isWellFormedList("MOV X01\r\n", names));    // no such mnemonic
    EXPECT_FALSE(isWellFormedList("END \r\n", names));       // END is not padded
}

// The effect checks judge a press against its command's table.
class EffectChecks : public InvariantChecks {
protected:
    Violations pressAndJudge(int n, const std::function<void()>& meddle = {}) {
        Violations v;
        const uint64_t start = checkInvariants(ladder, facts, v);
        const Before before = snapshot(ladder, start);
        StepLog log;
        ui.onPrompt = [&] { log.prompts.push_back({ui.prompts.back().prompt, ui.prompts.back().title,
                                                   ladder.palette.enabledString()}); };
        const std::size_t repliesBefore = ui.replies.size();
        const std::deque<std::string> replies = ui.replies;
        const std::size_t messagesBefore = ui.messages.size();
        const ClickResult result = pressButton(ladder, n);
        ui.onPrompt = nullptr;
        for (std::size_t i = 0; i < repliesBefore - ui.replies.size(); ++i) log.replies.push_back(replies[i]);
        for (std::size_t i = messagesBefore; i < ui.messages.size(); ++i)
            log.messages.push_back({ui.messages[i].text, ui.messages[i].caption});
        if (meddle) meddle();
        Violations out;
        const uint64_t after = checkInvariants(ladder, facts, out);
        out.clear();
        checkEffect(before, ladder, n, result, log, after, out);
        return out;
    }
};

TEST_F(EffectChecks, ASoundPressPasses) {
    ui.replies = {"", "X1", "X01"};
    facts.names = {"X01"};
    const Violations v = pressAndJudge(1);
    EXPECT_TRUE(v.empty()) << joined(v);
}

TEST_F(EffectChecks, AWrongButtonStateIsReported) {
    ui.replies = {"X01"};
    facts.names = {"X01"};
    const Violations v = pressAndJudge(1, [&] { ladder.palette.setEnabled(13, true); });
    EXPECT_NE(joined(v).find("enabled 0000111111011111110110, expected 0000111111010111110110"), std::string::npos) << joined(v);
}

TEST_F(EffectChecks, AWrongCellIsReported) {
    ui.replies = {"X01"};
    facts.names = {"X01"};
    const Violations v = pressAndJudge(2, [&] { ladder.sheet.setCell(2, 3, "  "); });
    EXPECT_NE(joined(v).find("cell (2, 3)"), std::string::npos) << joined(v);
}

TEST_F(EffectChecks, AMissingRefusalIsReported) {
    ui.replies = {"X01"};
    pressButton(ladder, 1);
    // Pretend the cursor stood at the end of the element area: the press
    // should have been refused, but the command ran.
    Violations v;
    Before before = snapshot(ladder, checkInvariants(ladder, facts, v));
    before.state.CurCol = 51;
    ui.replies = {"X02"};
    const ClickResult result = pressButton(ladder, 5);
    StepLog log;
    log.prompts.push_back({"p", "t", ladder.palette.enabledString()});
    log.replies.push_back("X02");
    Violations out;
    checkEffect(before, ladder, 5, result, log, 0, out);
    EXPECT_NE(joined(out).find("was not refused"), std::string::npos) << joined(out);
}

TEST_F(EffectChecks, AnIgnoredPressThatChangedSomethingIsReported) {
    const Violations v = pressAndJudge(5, [&] { ladder.state.CurCol = 6; });
    EXPECT_NE(joined(v).find("CurCol"), std::string::npos) << joined(v);
}

TEST_F(EffectChecks, ARefusedNameThatHadThreeCharactersIsReported) {
    Violations none;
    const Before before = snapshot(ladder, checkInvariants(ladder, facts, none));
    ui.replies = {"X01"};
    const ClickResult result = pressButton(ladder, 1);
    StepLog log;
    log.prompts = {{"请输入器件名称(限三个字符,如 X01 )", "输入器件名称", before.enabled},
                   {"请输入器件名称(限三个字符,如 X01 )", "输入器件名称", before.enabled}};
    log.replies = {"ABC", "X01"};
    log.messages = {{"输入器件名称不合要求，请重新输入器件名称", "梯形图编辑器"}};
    Violations out;
    checkEffect(before, ladder, 1, result, log, 0, out);
    EXPECT_NE(joined(out).find("refused the acceptable name \"ABC\""), std::string::npos) << joined(out);
    EXPECT_NE(joined(out).find("palette behind the prompt"), std::string::npos) << joined(out);
}

}  // namespace
}  // namespace lp::hardening

namespace lp::hardening {
namespace {

// An abandoned conversion may say the scan went too deep or name the rung
// no list can be written for; any other message is a fault.
TEST(ConvertEffect, AnAbandonedConversionMayNameTheRungThatCannotBeWritten) {
    test::FakeUserInterface ui;
    Ladder ladder(ui);
    ladder.Form_Load();
    ladder.Form_Activate();
    pressButton(ladder, 22);
    SessionFacts facts;
    Violations none;
    const uint64_t print = checkInvariants(ladder, facts, none);
    ASSERT_TRUE(none.empty());
    const Before before = snapshot(ladder, print);
    auto judge = [&](const std::string& message) {
        StepLog log;
        log.messages.push_back({message, "梯形图编辑器"});
        Violations out;
        checkEffect(before, ladder, 13, ClickResult::Done, log, print, out);
        return out;
    };
    EXPECT_TRUE(judge("梯形图结构异常，无法转换").empty());
    EXPECT_TRUE(judge("第4行：该梯级没有输出线圈，无法生成语句表").empty());
    EXPECT_TRUE(judge("第260行：桥接电路不是串并联结构，无法生成语句表").empty());
    EXPECT_FALSE(judge("第行：该梯级没有输出线圈，无法生成语句表").empty());
    EXPECT_FALSE(judge("第4行：，无法生成语句表").empty());
    EXPECT_FALSE(judge("无法写入文件：/tmp/x").empty());
}

}  // namespace
}  // namespace lp::hardening
