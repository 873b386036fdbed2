// The replay tool's script reader: what it accepts, and how it answers
// input it cannot take.
#include <gtest/gtest.h>

#include <sstream>

#include "ReplaySession.h"
#include "Utf8.h"

namespace lp {
namespace {

struct ReplayRun {
    int status;
    std::string out, err;
};

ReplayRun replay(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = runReplay(in, out, err, ReplayOptions{});
    return {status, out.str(), err.str()};
}

TEST(ReplayScript, SkipsBlankAndCommentLinesAndDropsTrailingCarriageReturns) {
    const ReplayRun plain = replay("dump\n");
    const ReplayRun decorated = replay("# a comment\r\n\r\n\ndump\r\n# trailing\n");
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(decorated.status, 0);
    EXPECT_EQ(decorated.out, plain.out);
    EXPECT_TRUE(decorated.err.empty());
}

TEST(ReplayScript, TextUnescapesLineBreaksAndBackslashes) {
    const ReplayRun r = replay("text a\\nb\\\\c\\n\\nd\ndump\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("text:\n|a|\n|b\\c|\n||\n|d|\nend\n"), std::string::npos) << r.out;
}

TEST(ReplayScript, TextKeepsSpacesAfterTheFirstOne) {
    const ReplayRun r = replay("text   two  \ndump\n");
    EXPECT_NE(r.out.find("text:\n|  two  |\nend\n"), std::string::npos) << r.out;
}

TEST(ReplayScript, ATextEndingInALineBreakHasNoEmptyLastLine) {
    const ReplayRun r = replay("text x\\n\ndump\n");
    EXPECT_NE(r.out.find("text:\n|x|\nend\n"), std::string::npos) << r.out;
}

TEST(ReplayScript, DisabledAndHiddenButtonsAreIgnored) {
    // At the start Command5 is disabled and Command19 hidden.
    const ReplayRun r = replay("click 5\nclick 19\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "ignored: click 5\nignored: click 19\n");
}

TEST(ReplayScript, TipPrintsAButtonsTooltip) {
    std::istringstream in("tip 19\ntip 1\n");
    std::ostringstream out, err;
    ReplayOptions options;
#ifdef _WIN32
    options.exportDir = "C:\\srv\\lists";
    const std::string named = "C:\\srv\\lists\\生成的语句表.txt";
#else
    options.exportDir = "/srv/lists";
    const std::string named = "/srv/lists/生成的语句表.txt";
#endif
    EXPECT_EQ(runReplay(in, out, err, options), 0);
    EXPECT_EQ(out.str(), "tip: 19 写入文件：" + named + "\ntip: 1 \n");
    EXPECT_EQ(replay("tip 23\n").status, 2);
    EXPECT_EQ(replay("tip\n").status, 2);
}

TEST(ReplayScript, AnExitButtonStopsTheScript) {
    const ReplayRun r = replay("click 14\ndump\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "exit\n");
}

TEST(ReplayScript, MalformedLinesAreReportedWithTheirNumber) {
    const std::pair<std::string, std::string> cases[] = {
        {"dump\nfrobnicate\n", "error: line 2: unknown command \"frobnicate\"\n"},
        {"click\n", "error: line 1: click needs a button number from 1 to 22\n"},
        {"click 0\n", "error: line 1: click needs a button number from 1 to 22\n"},
        {"click 23\n", "error: line 1: click needs a button number from 1 to 22\n"},
        {"click 1x\n", "error: line 1: click needs a button number from 1 to 22\n"},
        {"click 01\n", "error: line 1: click needs a button number from 1 to 22\n"},
        {"click  1\n", "error: line 1: click needs a button number from 1 to 22\n"},
        {"dump now\n", "error: line 1: dump takes no argument\n"},
        {"text a\\tb\n", "error: line 1: unknown escape \\t in the text\n"},
        {"text ends\\\n", "error: line 1: a lone backslash ends the text\n"},
        {"# ok\ntext \xff\xfe\n", "error: line 2: the line is not valid UTF-8\n"},
    };
    for (const auto& [script, message] : cases) {
        const ReplayRun r = replay(script);
        EXPECT_EQ(r.status, 2) << script;
        EXPECT_EQ(r.err, message) << script;
    }
}

TEST(ReplayScript, AHugeLineIsRefusedNotCrashedOn) {
    const ReplayRun r = replay("text " + std::string(2u << 20, 'a') + "\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "error: line 1: the line is longer than 1 MiB\n");
}

// An endless stream of one byte with no line break, as /dev/zero gives.
class EndlessBytes : public std::streambuf {
public:
    EndlessBytes() { setg(block_, block_, block_ + sizeof block_); }

protected:
    int_type underflow() override {
        setg(block_, block_, block_ + sizeof block_);
        return traits_type::to_int_type(block_[0]);
    }

private:
    char block_[4096] = {};
};

TEST(ReplayScript, AnEndlessLineIsRefusedWithoutReadingItAll) {
    EndlessBytes bytes;
    std::istream in(&bytes);
    std::ostringstream out, err;
    EXPECT_EQ(runReplay(in, out, err, ReplayOptions{}), 2);
    EXPECT_EQ(err.str(), "error: line 1: the line is longer than 1 MiB\n");
}

TEST(ReplayScript, ALineOfExactlyTheLimitIsRead) {
    const ReplayRun r = replay("text " + std::string((1u << 20) - 5, 'a') + "\r\n");
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST(Utf8, AcceptsWellFormedAndRejectsMalformedSequences) {
    EXPECT_TRUE(isValidUtf8("X01 梯形图 ┣━ 𠀀"));
    EXPECT_TRUE(isValidUtf8(std::string_view("\0", 1)));
    EXPECT_FALSE(isValidUtf8("\x80"));                  // lone continuation byte
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));              // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));          // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));      // above U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE6\xA2"));              // cut short
    EXPECT_FALSE(isValidUtf8("\xE6\x41\xA2"));          // broken by an ASCII byte
}

}  // namespace
}  // namespace lp
