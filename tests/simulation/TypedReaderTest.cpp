// The reader of a list as a person types it: any program-form list, and any
// retyping of it (letter case, spaces and tabs, blank lines, LF, CR LF or
// CR line ends, no line end at the end), reads as the same instructions,
// each on the line of the text where it stands.
#include <gtest/gtest.h>

#include <random>

#include "circuit/InstructionList.h"

namespace lp {
namespace {

const std::vector<std::string> kNames = {"X01", "Y02", "M10", "x07", "X 1", "输入一", "T_9"};
const Op kOps[] = {Op::LD,  Op::LDI, Op::AND, Op::ANI, Op::OR,  Op::ORI, Op::ANB,
                   Op::ORB, Op::OUT, Op::END, Op::MPS, Op::MRD, Op::MPP};

bool hasName(Op op) { return namesDevice(op); }

std::string mnemonic(Op op) {
    std::string m = lineText({op, {}});
    while (!m.empty() && m.back() == ' ') m.pop_back();
    return m;
}

TEST(TypedReader, EveryRetypingReadsAsTheProgramFormDoes) {
    std::mt19937 rng(7u);
    const char* ends[] = {"\n", "\r\n", "\r"};
    const char* gaps[] = {" ", "\t", "  \t ", "    "};
    for (int round = 0; round < 3000; ++round) {
        std::vector<Instruction> lines(1 + rng() % 12);
        std::string program;
        for (Instruction& in : lines) {
            in.op = kOps[rng() % std::size(kOps)];
            if (hasName(in.op)) in.device = kNames[rng() % kNames.size()];
            program += lineText(in) + "\r\n";
        }
        const ParsedList exact = parseList(program);
        ASSERT_EQ(exact.fault, ListFault::None) << program;
        ASSERT_EQ(exact.lines, lines);
        ASSERT_EQ(parseList(program, ListSyntax::Typed).lines, lines) << program;

        std::string typed;
        std::vector<std::size_t> where;
        std::size_t lineNo = 0;
        const char* end = ends[rng() % 3];
        for (const Instruction& in : lines) {
            while (rng() % 4 == 0) {  // blank lines, some with spaces on them
                typed += rng() % 2 ? std::string(" \t") : std::string();
                typed += end;
                ++lineNo;
            }
            std::string word = mnemonic(in.op);
            for (char& c : word)
                if (rng() % 2) c = static_cast<char>(c - 'A' + 'a');
            typed += (rng() % 3 == 0 ? " " : "") + word;
            if (hasName(in.op)) typed += gaps[rng() % std::size(gaps)] + in.device;
            typed += rng() % 3 == 0 ? " \t" : "";
            where.push_back(++lineNo);
            typed += end;
        }
        if (rng() % 2) typed.resize(typed.size() - std::string(end).size());
        const ParsedList read = parseList(typed, ListSyntax::Typed);
        ASSERT_EQ(read.fault, ListFault::None) << typed;
        ASSERT_EQ(read.lines, lines) << typed;
        ASSERT_EQ(read.lineNumbers, where) << typed;

        // A line that is no instruction is named by its line of the text.
        const std::size_t bad = rng() % lines.size();
        std::string broken;
        for (std::size_t i = 0; i < lines.size(); ++i)
            broken += (i == bad ? std::string("LDX X01") : lineText(lines[i])) + "\n";
        const ParsedList faulty = parseList(broken, ListSyntax::Typed);
        ASSERT_EQ(faulty.fault, ListFault::NotAnInstruction);
        ASSERT_EQ(faulty.faultLine, bad + 1);
    }
}

}  // namespace
}  // namespace lp
