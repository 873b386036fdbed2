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

constexpr std::array<Mnemonic, 5> kAlone = {
    {{"ANB ", Op::ANB}, {"ORB ", Op::ORB}, {"MPS ", Op::MPS}, {"MRD ", Op::MRD}, {"MPP ", Op::MPP}}};

bool parseLine(std::string_view line, Instruction& out) {
    for (const Mnemonic& m : kAlone) {
        if (line == m.text) {
            out = {m.op, {}};
            return true;
        }
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
    if (instruction.op == Op::END) return "END";
    for (const Mnemonic& m : kAlone)
        if (m.op == instruction.op) return std::string(m.text);
    for (const Mnemonic& m : kWithDevice)
        if (m.op == instruction.op) return std::string(m.text) + instruction.device;
    return {};
}

namespace {

constexpr std::array<std::pair<std::string_view, Op>, 13> kTypedMnemonics = {{{"LD", Op::LD},
                                                                              {"LDI", Op::LDI},
                                                                              {"AND", Op::AND},
                                                                              {"ANI", Op::ANI},
                                                                              {"OR", Op::OR},
                                                                              {"ORI", Op::ORI},
                                                                              {"OUT", Op::OUT},
                                                                              {"ANB", Op::ANB},
                                                                              {"ORB", Op::ORB},
                                                                              {"END", Op::END},
                                                                              {"MPS", Op::MPS},
                                                                              {"MRD", Op::MRD},
                                                                              {"MPP", Op::MPP}}};

bool isGap(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isGap(text.front())) text.remove_prefix(1);
    while (!text.empty() && isGap(text.back())) text.remove_suffix(1);
    return text;
}

std::size_t codePoints(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

bool sameLetters(std::string_view typed, std::string_view upper) {
    if (typed.size() != upper.size()) return false;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        char c = typed[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upper[i]) return false;
    }
    return true;
}

// A line as a person types it (without its line end); false when it is no
// instruction. A line in the program's own form reads as the program means
// it, so that a name with spaces in it, or the blank name of an unnamed
// contact, survives.
bool parseTypedLine(std::string_view raw, Instruction& out) {
    const std::string_view line = trimmed(raw);
    std::size_t gap = 0;
    while (gap < line.size() && !isGap(line[gap])) ++gap;
    const std::string_view word = line.substr(0, gap);
    const std::string_view name = trimmed(line.substr(gap));
    for (const auto& [text, op] : kTypedMnemonics) {
        if (!sameLetters(word, text)) continue;
        const bool needsName = namesDevice(op);
        if (!needsName && name.empty()) {
            out = {op, {}};
            return true;
        }
        if (needsName && codePoints(name) == 3) {
            out = {op, std::string(name)};
            return true;
        }
        break;
    }
    return parseLine(raw, out);
}

ParsedList parseTyped(std::string_view text) {
    ParsedList parsed;
    std::size_t start = 0;
    std::size_t lineNo = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
        const std::string_view line = text.substr(start, end - start);
        ++lineNo;
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
        if (trimmed(line).empty()) continue;
        Instruction instruction;
        if (!parseTypedLine(line, instruction)) {
            parsed.fault = ListFault::NotAnInstruction;
            parsed.faultLine = lineNo;
            return parsed;
        }
        parsed.lines.push_back(std::move(instruction));
        parsed.lineNumbers.push_back(lineNo);
    }
    return parsed;
}

}  // namespace

std::size_t textLineOf(const ParsedList& parsed, std::size_t instruction) {
    if (instruction == 0) return 0;
    if (instruction <= parsed.lineNumbers.size()) return parsed.lineNumbers[instruction - 1];
    return (parsed.lineNumbers.empty() ? 0 : parsed.lineNumbers.back()) + (instruction - parsed.lineNumbers.size());
}

ParsedList parseList(std::string_view text, ListSyntax syntax) {
    if (syntax == ListSyntax::Typed) return parseTyped(text);
    ParsedList parsed;
    std::size_t lineEnds = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", at + 2)) ++lineEnds;
    parsed.lines.reserve(lineEnds);
    parsed.lineNumbers.reserve(lineEnds);
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
        parsed.lineNumbers.push_back(parsed.lines.size());
        start = end + 2;
    }
    return parsed;
}

namespace {

struct BddLogic {
    Bdd& bdd;
    Bdd::Ref andOf(Bdd::Ref a, Bdd::Ref b) { return bdd.andOf(a, b); }
    Bdd::Ref orOf(Bdd::Ref a, Bdd::Ref b) { return bdd.orOf(a, b); }
};

}  // namespace

ListRun runList(const std::vector<Instruction>& lines, DeviceTable& devices, Reading reading, std::size_t maxWrites) {
    ListRun run;
    Bdd& bdd = devices.bdd();
    BddLogic logic{bdd};
    DeviceValues values(devices, reading);
    ListStacks<Bdd::Ref> stacks;
    auto fail = [&](ListFault fault, std::size_t i) {
        run.fault = fault;
        run.faultLine = i + 1;
        run.endsWithEnd = stacks.ended;
        return run;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Instruction& in = lines[i];
        Bdd::Ref operand = Bdd::False;
        if (readsDevice(in.op) && !stacks.ended) {
            operand = values.value(in.device);
            if (readsNegated(in.op)) operand = bdd.notOf(operand);
        }
        if (const ListFault fault = applyInstruction(in.op, operand, i, stacks, logic); fault != ListFault::None)
            return fail(fault, fault == ListFault::BranchNotTakenBack ? stacks.pushedAt.back() : i);
        if (in.op == Op::OUT) {
            values.write(in.device, stacks.blocks.back());
            run.writes.push_back({in.device, stacks.blocks.back()});
            run.lineOfWrite.push_back(i);
            if (run.writes.size() >= maxWrites) return run;
        }
    }
    run.endsWithEnd = stacks.ended;
    switch (endOfListFault(stacks)) {
    case ListFault::NeverWritten:
        // A result is left behind that no OUT wrote: blame the last line
        // before END.
        return fail(ListFault::NeverWritten, lines.size() - (run.endsWithEnd ? 2 : 1));
    case ListFault::BranchNotTakenBack: return fail(ListFault::BranchNotTakenBack, stacks.pushedAt.back());
    default: break;
    }
    return run;
}

}  // namespace lp
