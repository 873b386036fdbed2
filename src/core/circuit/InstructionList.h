#pragma once
// The instruction list as a program: its lines, and what it writes when it
// runs.
//
// Stack semantics: LD and LDI push the device (negated for LDI); AND, ANI,
// OR and ORI combine with the top; ANB and ORB pop one entry and combine it
// with the new top; OUT writes the top to the device and keeps it, so that
// consecutive OUTs are coils in parallel; an LD or LDI right after an OUT
// starts a new rung on an empty stack; END ends the list.
//
// Beside the stack of blocks a rung has a branch stack, at most
// kBranchStackDepth deep, for outputs that branch off a shared part: MPS
// pushes a copy of the current result (the top of the block stack), MRD
// replaces the current result by the branch stack's top, MPP does the same
// and pops it. An MRD or MPP after an OUT goes on with the same rung; every
// MPS must be taken back by an MPP before the rung or the list ends.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/Devices.h"

namespace lp {

enum class Op { LD, LDI, AND, ANI, OR, ORI, ANB, ORB, OUT, END, MPS, MRD, MPP };

inline constexpr std::size_t kBranchStackDepth = 11;

struct Instruction {
    Op op = Op::END;
    std::string device;  // empty for ANB, ORB, END, MPS, MRD and MPP
    bool operator==(const Instruction&) const = default;
};

// The text of one line, without its CR LF: the four-character mnemonic
// ("LD  ", "LDI ", "AND ", "ANI ", "OR  ", "ORI ", "OUT ") followed by the
// device name; "ANB ", "ORB ", "MPS ", "MRD ", "MPP " alone; or "END".
std::string lineText(const Instruction& instruction);

enum class ListFault {
    None,
    NotAnInstruction,   // a line that is no instruction, or text after the last CR LF
    NothingToCombine,   // AND, ANI, OR, ORI or OUT on an empty stack
    BlockWithoutPartner,// ANB or ORB with fewer than two entries
    OutOfSeveral,       // OUT with more than one entry on the stack
    AfterEnd,           // a line after END
    NeverWritten,       // the list ends with a result that no OUT wrote
    BranchStackFull,    // MPS with kBranchStackDepth entries on the branch stack
    BranchStackEmpty,   // MRD or MPP with nothing on the branch stack
    BranchNotTakenBack, // an MPS that no MPP takes back before its rung or the list ends
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

// The state a list carries from line to line.
template <class Value>
struct ListStacks {
    std::vector<Value> blocks;          // bottom first; the top is the current result
    std::vector<Value> branches;        // the branch stack, bottom first
    std::vector<std::size_t> pushedAt;  // the index of the MPS line of each branch entry
    bool afterOut = false;
    bool ended = false;

    void clear() {
        blocks.clear();
        branches.clear();
        pushedAt.clear();
        afterOut = ended = false;
    }
};

// What one instruction (the line of index `index`) does to the stacks,
// whatever a value is (a Boolean, a decision diagram): `operand` is the
// device's value for the contact instructions, already negated for LDI, ANI
// and ORI. OUT leaves the top, which the caller writes to the device. The
// check and the simulation both run their lines through this. On
// BranchNotTakenBack the MPS to blame is `s.pushedAt.back()`.
template <class Value, class Logic>
ListFault applyInstruction(Op op, const Value& operand, std::size_t index, ListStacks<Value>& s, Logic& logic) {
    if (s.ended) return ListFault::AfterEnd;
    std::vector<Value>& stack = s.blocks;
    switch (op) {
    case Op::LD:
    case Op::LDI:
        if (s.afterOut) {
            if (!s.branches.empty()) return ListFault::BranchNotTakenBack;
            stack.clear();
        }
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
    case Op::MPS:
        if (stack.empty()) return ListFault::NothingToCombine;
        if (s.branches.size() >= kBranchStackDepth) return ListFault::BranchStackFull;
        s.branches.push_back(stack.back());
        s.pushedAt.push_back(index);
        break;
    case Op::MRD:
    case Op::MPP:
        if (s.branches.empty()) return ListFault::BranchStackEmpty;
        // An MPS found a current result, and the block stack only empties
        // again when a new rung starts, which needs the branch stack empty.
        stack.back() = s.branches.back();
        if (op == Op::MPP) {
            s.branches.pop_back();
            s.pushedAt.pop_back();
        }
        break;
    case Op::END: s.ended = true; return ListFault::None;
    }
    s.afterOut = op == Op::OUT;
    return ListFault::None;
}

// What is wrong with the state a list ends in, after its last line:
// NeverWritten when a result is left that no OUT wrote (blame the last line
// before END), else BranchNotTakenBack (blame `s.pushedAt.back()`), else None.
template <class Value>
ListFault endOfListFault(const ListStacks<Value>& s) {
    if (!s.blocks.empty() && !s.afterOut) return ListFault::NeverWritten;
    if (!s.branches.empty()) return ListFault::BranchNotTakenBack;
    return ListFault::None;
}

// Whether the instruction reads a device: LD, LDI, AND, ANI, OR, ORI.
inline bool readsDevice(Op op) { return op <= Op::ORI; }
// Whether the line names a device: the contact instructions and OUT.
inline bool namesDevice(Op op) { return readsDevice(op) || op == Op::OUT; }
// Whether it reads the device negated: LDI, ANI, ORI.
inline bool readsNegated(Op op) { return op == Op::LDI || op == Op::ANI || op == Op::ORI; }

// Runs the lines with every write taking effect at once. The faults found
// do not depend on the reading. With `maxWrites`, the run stops at the OUT
// that makes that many writes, and the lines after it are not looked at.
ListRun runList(const std::vector<Instruction>& lines, DeviceTable& devices, Reading reading,
                std::size_t maxWrites = SIZE_MAX);

}  // namespace lp
