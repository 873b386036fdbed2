#include "circuit/ListFaultText.h"

namespace lp {

namespace {

std::string mnemonic(Op op) {
    std::string text = lineText({op, {}});
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// The structure of a list does not depend on the devices' values, so one
// run with every device off finds every fault.
struct OffLogic {
    bool andOf(bool a, bool b) { return a && b; }
    bool orOf(bool a, bool b) { return a || b; }
};

}  // namespace

std::string listFaultText(ListFault fault, Op op) {
    switch (fault) {
    case ListFault::None: return {};
    case ListFault::NotAnInstruction:
        return "不是一条指令：应为助记符（LD、LDI、AND、ANI、OR、ORI、ANB、ORB、MPS、MRD、MPP、OUT、END），"
               "隔空格后写三个字符的器件名";
    case ListFault::NothingToCombine: return mnemonic(op) + " 之前没有用 LD 或 LDI 装入的块";
    case ListFault::BlockWithoutPartner: return mnemonic(op) + " 要合并两个块，这里只有一个块";
    case ListFault::OutOfSeveral: return "OUT 之前还有块没有用 ANB 或 ORB 合并";
    case ListFault::AfterEnd: return "END 之后不能再有指令";
    case ListFault::NeverWritten: return "这里得到的结果没有用 OUT 输出";
    case ListFault::BranchStackFull:
        return "MPS 最多只能存入 " + std::to_string(kBranchStackDepth) + " 层，这里分支栈已满";
    case ListFault::BranchStackEmpty: return mnemonic(op) + " 之前没有用 MPS 存入的结果";
    case ListFault::BranchNotTakenBack: return "这里用 MPS 存入的结果在梯级结束前没有用 MPP 取出";
    }
    return {};
}

std::string lineMessage(std::size_t line, const std::string& why) {
    return "第" + std::to_string(line) + "行：" + why;
}

TypedListReading readTypedList(std::string_view text) {
    TypedListReading reading;
    reading.parsed = parseList(text, ListSyntax::Typed);
    const ParsedList& parsed = reading.parsed;
    if (parsed.fault != ListFault::None) {
        reading.fault = parsed.fault;
        reading.line = parsed.faultLine;
        reading.why = listFaultText(parsed.fault, Op::END);
        return reading;
    }
    if (parsed.lines.empty()) {
        reading.fault = ListFault::NotAnInstruction;
        reading.line = 1;
        reading.why = kEmptyListText;
        return reading;
    }
    OffLogic logic;
    ListStacks<bool> stacks;
    auto fail = [&](ListFault fault, std::size_t i, Op op) {
        reading.fault = fault;
        reading.line = parsed.lineNumbers[i];
        reading.why = listFaultText(fault, op);
    };
    for (std::size_t i = 0; i < parsed.lines.size(); ++i) {
        const Op op = parsed.lines[i].op;
        const ListFault fault = applyInstruction(op, false, i, stacks, logic);
        if (fault == ListFault::BranchNotTakenBack) {
            fail(fault, stacks.pushedAt.back(), Op::MPS);
            return reading;
        }
        if (fault != ListFault::None) {
            fail(fault, i, op);
            return reading;
        }
    }
    switch (endOfListFault(stacks)) {
    case ListFault::NeverWritten: {
        // The result left behind: blame the last line before END.
        std::size_t last = parsed.lines.size() - 1;
        if (stacks.ended && last > 0) --last;
        fail(ListFault::NeverWritten, last, parsed.lines[last].op);
        break;
    }
    case ListFault::BranchNotTakenBack: fail(ListFault::BranchNotTakenBack, stacks.pushedAt.back(), Op::MPS); break;
    default: break;
    }
    return reading;
}

}  // namespace lp
