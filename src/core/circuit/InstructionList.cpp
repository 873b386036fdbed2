#include "circuit/InstructionList.h"

#include <array>
#include <utility>

namespace lp {

namespace {

struct Mnemonic {
    std::string_view text;
    Op op;
};

constexpr std::array<Mnemonic, 7> kWithDevice = {{{"LD  ", Op::LD},
                                                  {"LDI ", Op::LDI},
                                                  {"AND ", Op::AND},
                                                  {"ANI ", Op::ANI},
                                                  {"OR  ", Op::OR},
                                                  {"ORI ", Op::ORI},
                                                  {"OUT ", Op::OUT}}};

bool parseLine(std::string_view line, Instruction& out) {
    if (line == "ANB ") {
        out = {Op::ANB, {}};
        return true;
    }
    if (line == "ORB ") {
        out = {Op::ORB, {}};
        return true;
    }
    if (line == "END") {
        out = {Op::END, {}};
        return true;
    }
    if (line.size() <= 4) return false;
    for (const Mnemonic& m : kWithDevice) {
        if (line.substr(0, 4) == m.text) {
            out = {m.op, std::string(line.substr(4))};
            return true;
        }
    }
    return false;
}

}  // namespace

std::string lineText(const Instruction& instruction) {
    switch (instruction.op) {
    case Op::ANB: return "ANB ";
    case Op::ORB: return "ORB ";
    case Op::END: return "END";
    default: break;
    }
    for (const Mnemonic& m : kWithDevice)
        if (m.op == instruction.op) return std::string(m.text) + instruction.device;
    return {};
}

ParsedList parseList(std::string_view text) {
    ParsedList parsed;
    std::size_t lineEnds = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", at + 2)) ++lineEnds;
    parsed.lines.reserve(lineEnds);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        Instruction instruction;
        if (end == std::string_view::npos || !parseLine(text.substr(start, end - start), instruction)) {
            parsed.fault = ListFault::NotAnInstruction;
            parsed.faultLine = parsed.lines.size() + 1;
            return parsed;
        }
        parsed.lines.push_back(std::move(instruction));
        start = end + 2;
    }
    return parsed;
}

ListRun runList(const std::vector<Instruction>& lines, DeviceTable& devices, Reading reading) {
    ListRun run;
    Bdd& bdd = devices.bdd();
    DeviceValues values(devices, reading);
    std::vector<Bdd::Ref> stack;
    bool afterOut = false;
    auto fail = [&](ListFault fault, std::size_t i) {
        run.fault = fault;
        run.faultLine = i + 1;
        return run;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Instruction& in = lines[i];
        if (run.endsWithEnd) return fail(ListFault::AfterEnd, i);
        Bdd::Ref operand = Bdd::False;
        switch (in.op) {
        case Op::LD:
        case Op::LDI:
        case Op::AND:
        case Op::ANI:
        case Op::OR:
        case Op::ORI:
            operand = values.value(in.device);
            if (in.op == Op::LDI || in.op == Op::ANI || in.op == Op::ORI) operand = bdd.notOf(operand);
            break;
        default: break;
        }
        switch (in.op) {
        case Op::LD:
        case Op::LDI:
            if (afterOut) stack.clear();
            stack.push_back(operand);
            break;
        case Op::AND:
        case Op::ANI:
            if (stack.empty()) return fail(ListFault::NothingToCombine, i);
            stack.back() = bdd.andOf(stack.back(), operand);
            break;
        case Op::OR:
        case Op::ORI:
            if (stack.empty()) return fail(ListFault::NothingToCombine, i);
            stack.back() = bdd.orOf(stack.back(), operand);
            break;
        case Op::ANB:
        case Op::ORB: {
            if (stack.size() < 2) return fail(ListFault::BlockWithoutPartner, i);
            const Bdd::Ref top = stack.back();
            stack.pop_back();
            stack.back() = in.op == Op::ANB ? bdd.andOf(stack.back(), top) : bdd.orOf(stack.back(), top);
            break;
        }
        case Op::OUT:
            if (stack.empty()) return fail(ListFault::NothingToCombine, i);
            if (stack.size() > 1) return fail(ListFault::OutOfSeveral, i);
            values.write(in.device, stack.back());
            run.writes.push_back({in.device, stack.back()});
            run.lineOfWrite.push_back(i);
            break;
        case Op::END: run.endsWithEnd = true; break;
        }
        if (in.op != Op::END) afterOut = in.op == Op::OUT;
    }
    if (!stack.empty() && !afterOut) {
        // A result is left behind that no OUT wrote: blame the last line
        // before END.
        const std::size_t last = lines.size() - (run.endsWithEnd ? 2 : 1);
        return fail(ListFault::NeverWritten, last);
    }
    return run;
}

}  // namespace lp
