// The replay tool reads scripts from outside: whatever it is given, it
// answers with a clear message on standard error and a non-zero status, or
// runs the script; it never crashes.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "hardening/ExportCheck.h"
#include "hardening/HardeningPaths.h"
#include "hardening/ProcessRun.h"

namespace lp::hardening {
namespace {

namespace fs = std::filesystem;

class ReplayTool : public ::testing::Test {
protected:
    void SetUp() override {
        tool = replayToolPath();
        ASSERT_TRUE(fs::exists(tool)) << "the replay tool is not built at " << tool;
    }

    // Runs the tool on a script with the given bytes.
    ProcessOutcome runScript(const std::string& bytes, std::vector<std::string> extra = {}) {
        const std::string script = dir.path() + "/script.replay";
        EXPECT_TRUE(writeFileBytes(script, bytes));
        std::vector<std::string> argv = {tool};
        argv.insert(argv.end(), extra.begin(), extra.end());
        argv.push_back(script);
        return runProcess(argv);
    }

    // A refused script: exit status 2, one "error: ..." line on standard
    // error that contains `says`.
    static void expectRefused(const ProcessOutcome& r, const std::string& says) {
        ASSERT_TRUE(r.exited) << "ended by signal " << r.signal << "\n" << r.err;
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_EQ(r.err.rfind("error: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(says), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "more than one line: " << r.err;
    }

    std::string tool;
    TempDir dir;
};

TEST_F(ReplayTool, AMissingScriptFileIsNamed) {
    const std::string missing = dir.path() + "/no-such.replay";
    const ProcessOutcome r = runProcess({tool, missing});
    expectRefused(r, missing);
}

TEST_F(ReplayTool, AFolderGivenAsTheScriptIsRefused) {
    const ProcessOutcome r = runProcess({tool, dir.path()});
    expectRefused(r, "script");
    EXPECT_TRUE(r.out.empty()) << r.out;
}

TEST_F(ReplayTool, BadUtf8IsRefusedWithItsLineNumber) {
    expectRefused(runScript("dump\n\xff\xfe\n"), "error: line 2: ");
    expectRefused(runScript("answer \xC0\xAF\n"), "error: line 1: ");  // overlong
    expectRefused(runScript("answer \xED\xA0\x80\n"), "error: line 1: ");  // surrogate
    expectRefused(runScript("text X0\xE2\x82\n"), "error: line 1: ");  // truncated
}

TEST_F(ReplayTool, UnknownAndMalformedCommandsAreRefused) {
    expectRefused(runScript("jump 3\n"), "error: line 1: ");
    expectRefused(runScript("CLICK 1\n"), "error: line 1: ");
    for (const char* click : {"click\n", "click 0\n", "click 23\n", "click -1\n", "click 01\n", "click 1 2\n",
                              "click  1\n", "click 99999999999999999999\n", "click x\n"})
        expectRefused(runScript(click), "error: line 1: ");
    expectRefused(runScript("dump now\n"), "error: line 1: ");
    expectRefused(runScript("text a\\\n"), "error: line 1: ");   // a lone backslash
    expectRefused(runScript("text a\\t\n"), "error: line 1: ");  // no such escape
    expectRefused(runScript(std::string("click 1\0\n", 9)), "error: line 1: ");
}

TEST_F(ReplayTool, HugeLinesAreRefusedWithoutReadingOnForever) {
    expectRefused(runScript("dump\nanswer " + std::string(3u << 20, 'x') + "\n"), "error: line 2: ");
    // No line end at all.
    expectRefused(runScript(std::string(3u << 20, 'y')), "error: line 1: ");
}

TEST_F(ReplayTool, RandomBytesNeverCrashIt) {
    std::mt19937 random(7);
    for (int i = 0; i < 20; ++i) {
        std::string bytes(1 + random() % 5000, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        const ProcessOutcome r = runScript(bytes);
        ASSERT_TRUE(r.exited) << "ended by signal " << r.signal;
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.rfind("error: ", 0), 0u) << r.err;
    }
}

TEST_F(ReplayTool, AReplyLongerThanAnyNameIsAnsweredAndAskedAgain) {
    const ProcessOutcome r = runScript("answer " + std::string(1000000, 'N') + "\nclick 1\n");
    expectRefused(r, "error: line 2: the name prompt has no reply left");
    EXPECT_EQ(r.out, "message: 输入器件名称不合要求，请重新输入器件名称\n");
}

TEST_F(ReplayTool, BadOptionsAreRefused) {
    expectRefused(runProcess({tool, "--bogus"}), "--bogus");
    expectRefused(runProcess({tool, "--export-dir"}), "--export-dir");
    expectRefused(runProcess({tool, "a.replay", "b.replay"}), "one script");
}

TEST_F(ReplayTool, EmptyScriptsAndCommentsRunCleanly) {
    for (const char* script : {"", "\n\n", "\r\n", "# nothing\r\n#\n", "\r"}) {
        const ProcessOutcome r = runScript(script);
        ASSERT_TRUE(r.exited);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.out.empty() && r.err.empty()) << r.out << r.err;
    }
}

TEST_F(ReplayTool, AnExportIntoAMissingFolderIsReportedAndTheRunGoesOn) {
    const std::string missing = dir.path() + "/gone";
    const ProcessOutcome r = runScript("click 22\nclick 13\nclick 19\nclick 17\n", {"--export-dir", missing});
    ASSERT_TRUE(r.exited);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, std::string("message: 无法写入文件：") + missing + "/" + kExportFileName + "（找不到路径）\n");
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(ReplayTool, ALongSessionRunsToItsEnd) {
    std::string script;
    for (int i = 0; i < 20000; ++i) script += "click 17\n";
    script += "dump\n";
    const ProcessOutcome r = runScript(script);
    ASSERT_TRUE(r.exited);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("CurRow=2 CurCol=1"), std::string::npos);
}

}  // namespace
}  // namespace lp::hardening
