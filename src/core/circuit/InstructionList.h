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
    ListFault fault = ListFault::None;
    std::size_t faultLine = 0;  // 1-based
};

// Cuts the text at CR LF; every line must be an instruction and end in CR LF.
ParsedList parseList(std::string_view text);

struct ListRun {
    ListFault fault = ListFault::None;
    std::size_t faultLine = 0;  // 1-based
    std::vector<Write> writes;
    std::vector<std::size_t> lineOfWrite;  // 0-based index of each OUT line
    bool endsWithEnd = false;
};

// Runs the lines with every write taking effect at once. The faults found
// do not depend on the reading.
ListRun runList(const std::vector<Instruction>& lines, DeviceTable& devices, Reading reading);

}  // namespace lp
