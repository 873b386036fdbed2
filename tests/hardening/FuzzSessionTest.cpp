// The session driver on chosen sessions and on many random ones: every
// check holds on what the editor does, and the driver itself reads its
// input as documented.
#include <gtest/gtest.h>

#include <random>

#include "hardening/FuzzSession.h"
#include "hardening/HardeningPaths.h"
#include "hardening/HarnessText.h"
#include "hardening/SessionScript.h"

namespace lp::hardening {
namespace {

std::string describe(const SessionResult& r) {
    std::string s = r.transcript;
    for (const std::string& v : r.violations) s += v + "\n";
    return s;
}

SessionResult play(const std::vector<uint8_t>& bytes, const std::string& dir) {
    SessionOptions options;
    options.exportDir = dir;
    return runSession(bytes.data(), bytes.size(), options);
}

TEST(SessionDriver, TheTypicalRunHoldsEveryCheckAndExports) {
    TempDir dir;
    SessionScript s;
    s.answer("X01").click(1).answer("X02").click(5).answer("Y01").click(9).click(11);
    s.answer("X03").click(2).answer("Y02").click(9).click(11).click(22);
    const SessionResult r = play(s.bytes(), dir.path());
    EXPECT_TRUE(r.violations.empty()) << describe(r);
    // The driver ends with convert and export.
    EXPECT_NE(r.transcript.find("click 13\nclick 19\n"), std::string::npos) << r.transcript;
}

TEST(SessionDriver, HostileRepliesAreAnsweredUntilAGoodNameComes) {
    TempDir dir;
    SessionScript s;
    for (int i = 0; i < static_cast<int>(hostileReplies().size()); ++i) s.hostileAnswer(i);
    s.click(1).click(5).click(5).click(9);
    const SessionResult r = play(s.bytes(), dir.path());
    EXPECT_TRUE(r.violations.empty()) << describe(r);
    // Every reply was used up by the four prompts.
    EXPECT_EQ(r.transcript.find("reply \"Q"), std::string::npos) << r.transcript;
}

TEST(SessionDriver, APromptWithNoReplyLeftGetsAGoodName) {
    TempDir dir;
    SessionScript s;
    s.click(1).click(9);
    const SessionResult r = play(s.bytes(), dir.path());
    EXPECT_TRUE(r.violations.empty()) << describe(r);
    EXPECT_NE(r.transcript.find("click 1\n  reply \"Q10\"\nclick 9\n  reply \"Q11\"\n"), std::string::npos)
        << r.transcript;
}

TEST(SessionDriver, RefusalsAtTheEdgesOfTheSheetHoldEveryCheck) {
    TempDir dir;
    SessionScript s;
    // The first rung has no coil above for a parallel coil.
    s.click(1).click(21);
    // Eleven slots on one row: the eleventh is refused.
    for (int i = 0; i < 10; ++i) s.click(5);
    s.click(15).click(18).click(9);
    // 130 rungs: the line feed on the last one is refused.
    for (int i = 0; i < 130; ++i) s.rung(0);
    s.click(11).click(22);
    SessionOptions options;
    options.exportDir = dir.path();
    options.maxSteps = 10000;
    const SessionResult r = runSession(s.bytes().data(), s.bytes().size(), options);
    EXPECT_TRUE(r.violations.empty()) << describe(r);
    EXPECT_NE(r.transcript.find("message \"已到图纸最后一行，不能再换行\""), std::string::npos);
    EXPECT_NE(r.transcript.find("message \"本行已没有空位，不能再放置元件\""), std::string::npos);
    EXPECT_NE(r.transcript.find("message \"第一行上方没有线圈，不能放置并联线圈\""), std::string::npos);
}

TEST(SessionDriver, StepBackAfterEveryKindOfElementHoldsEveryCheck) {
    TempDir dir;
    SessionScript s;
    s.click(1).click(10).click(1).click(9).click(10).click(5).click(10).click(7).click(10).click(15);
    s.click(10).click(16).click(10).click(18).click(10).click(18).click(5).click(10).click(9).click(11);
    s.click(18).click(10).click(18).click(10).click(18).click(15).click(10).click(21).click(10).click(21).click(11);
    s.click(22).click(10).click(22);
    const SessionResult r = play(s.bytes(), dir.path());
    EXPECT_TRUE(r.violations.empty()) << describe(r);
}

TEST(SessionDriver, ListEditsAreExportedAsTyped) {
    TempDir dir;
    SessionScript s;
    s.click(22).click(13).text("LD  X01\nEND\r\rlast\r\n").click(19);
    const SessionResult r = play(s.bytes(), dir.path());
    EXPECT_TRUE(r.violations.empty()) << describe(r);
}

// Random sessions from a fixed seed: thousands of steps through every
// button, hostile reply and list edit, with every check after every step.
TEST(SessionDriver, RandomSessionsHoldEveryCheck) {
    TempDir dir;
    std::mt19937 random(20240611);
    for (int session = 0; session < 150; ++session) {
        std::vector<uint8_t> bytes(1 + random() % 600);
        for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
        const SessionResult r = play(bytes, dir.path());
        ASSERT_TRUE(r.violations.empty()) << "session " << session << "\n" << describe(r);
    }
}

}  // namespace
}  // namespace lp::hardening

namespace lp::hardening {
namespace {

// A diagram on which the scan goes round without end: the conversion runs
// into the nesting bound on its own thread (20,000 nested calls, also under
// the sanitizers), and what it shows then still holds every check.
TEST(SessionDriver, TheEndlessDiagramHoldsEveryCheck) {
    TempDir dir;
    SessionScript s;
    s.answer("X01").click(2).answer("X02").click(7).answer("Y01").click(9).click(11);
    s.click(18).click(18).click(16).click(11);
    s.answer("X03").click(4).answer("X04").click(5).click(16).click(11).click(22);
    const SessionResult r = play(s.bytes(), dir.path());
    EXPECT_TRUE(r.violations.empty()) << describe(r);
    EXPECT_NE(r.transcript.find("click 13\nclick 19\n"), std::string::npos) << r.transcript;
}

}  // namespace
}  // namespace lp::hardening
