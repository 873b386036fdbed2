#pragma once
// The instruction list as a program: its lines, and what it writes when it
// runs.
//
// Stack semantics: LD and LDI push the device (negated for LDI); AND, ANI,
// OR and ORI combine with the top; ANB and ORB pop one entry and combine it
// with the new top; OUT writes the top to the device and keeps it, so that
// consecutive OUTs are coils in parallel; an LD or LDI right after an OUT
// starts a new rung on an empty stack; END ends the list.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/Devices.h"

namespace lp {

enum class Op { LD, LDI, AND, ANI, OR, ORI, ANB, ORB, OUT, END };

struct Instruction {
    Op op = Op::END;
    std::string device;  // empty for ANB, ORB and END
    bool operator==(const Instruction&) const = default;
};

// The text of one line, without its CR LF: the four-character mnemonic
// ("LD  ", "LDI ", "AND ", "ANI ", "OR  ", "ORI ", "OUT ", "ANB ", "ORB ")
// followed by the device name, or "END".
std::string lineText(const Instruction& instruction);

enum class ListFault {
    None,
    NotAnInstruction,   // a line that is no instruction, or text after the last CR LF
    NothingToCombine,   // AND, ANI, OR, ORI or OUT on an empty stack
    BlockWithoutPartner,// ANB or ORB with fewer than two entries
    OutOfSeveral,       // OUT with more than one entry on the stack
    AfterEnd,           // a line after END
    NeverWritten,       // the list ends with a result that no OUT wrote
};

struct ParsedList {
    std::vector<Instruction> lines;
    std::vector<std::size_t> lineNumbers;  // 1-based line of the text that holds each instruction
    ListFault fault = ListFault::None;
    std::size_t faultLine = 0;  // 1-based
};

// How the text is written.
enum class ListSyntax {
    // As the program writes it: every line an instruction in its exact
    // form, ended by CR LF.
    Program,
    // As a person types it: the mnemonic in any letter case, spaces or tabs,
    // the three-character device name; blank lines, leading and trailing
    // spaces or tabs, LF, CR LF or CR line ends, the last line end optional.
    // A line in the program's own form always reads as the program means it.
    Typed,
};

// Cuts the text into lines and reads each as an instruction.
ParsedList parseList(std::string_view text, ListSyntax syntax = ListSyntax::Program);

// The 1-based line of the text for a 1-based instruction index of `parsed`
// (one past the last line for one past the last instruction).
std::size_t textLineOf(const ParsedList& parsed, std::size_t instruction);

struct ListRun {
    ListFault fault = ListFault::None;
    std::size_t faultLine = 0;  // 1-based
    std::vector<Write> writes;
    std::vector<std::size_t> lineOfWrite;  // 0-based index of each OUT line
    bool endsWithEnd = false;
};

// What one instruction does to the stack of blocks, whatever a value is
// (a Boolean, a decision diagram): `operand` is the device's value for the
// contact instructions, already negated for LDI, ANI and ORI. `afterOut`
// and `ended` carry the state from line to line. OUT leaves the top, which
// the caller writes to the device. The check and the simulation both run
// their lines through this.
template <class Value, class Logic>
ListFault applyInstruction(Op op, const Value& operand, std::vector<Value>& stack, bool& afterOut, bool& ended,
                           Logic& logic) {
    if (ended) return ListFault::AfterEnd;
    switch (op) {
    case Op::LD:
    case Op::LDI:
        if (afterOut) stack.clear();
        stack.push_back(operand);
        break;
    case Op::AND:
    case Op::ANI:
        if (stack.empty()) return ListFault::NothingToCombine;
        stack.back() = logic.andOf(stack.back(), operand);
        break;
    case Op::OR:
    case Op::ORI:
        if (stack.empty()) return ListFault::NothingToCombine;
        stack.back() = logic.orOf(stack.back(), operand);
        break;
    case Op::ANB:
    case Op::ORB: {
        if (stack.size() < 2) return ListFault::BlockWithoutPartner;
        const Value top = stack.back();
        stack.pop_back();
        stack.back() = op == Op::ANB ? logic.andOf(stack.back(), top) : logic.orOf(stack.back(), top);
        break;
    }
    case Op::OUT:
        if (stack.empty()) return ListFault::NothingToCombine;
        if (stack.size() > 1) return ListFault::OutOfSeveral;
        break;
    case Op::END: ended = true; return ListFault::None;
    }
    afterOut = op == Op::OUT;
    return ListFault::None;
}

// Whether the instruction reads a device: LD, LDI, AND, ANI, OR, ORI.
inline bool readsDevice(Op op) { return op <= Op::ORI; }
// Whether it reads the device negated: LDI, ANI, ORI.
inline bool readsNegated(Op op) { return op == Op::LDI || op == Op::ANI || op == Op::ORI; }

// Runs the lines with every write taking effect at once. The faults found
// do not depend on the reading.
ListRun runList(const std::vector<Instruction>& lines, DeviceTable& devices, Reading reading);

}  // namespace lp
