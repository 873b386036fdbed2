#pragma once
// What is wrong with a line of a list, in plain Chinese, as the check and
// the simulation tell the user ("第K行：" is put in front by the caller).
#include <string>

#include "circuit/InstructionList.h"

namespace lp {

// `op` is the instruction on the line (unused for NotAnInstruction).
std::string listFaultText(ListFault fault, Op op);

// The whole line of the message: "第K行：" followed by the text.
std::string lineMessage(std::size_t line, const std::string& why);

// A list with no instruction at all.
inline constexpr const char* kEmptyListText = "语句表是空的，没有任何指令";

// A well-formed list, read as a person types it: the first fault with its
// line of the text, or ListFault::None. An empty list counts as a fault of
// line 1 (ListFault::NotAnInstruction with `empty` set).
struct TypedListReading {
    ParsedList parsed;
    ListFault fault = ListFault::None;
    std::size_t line = 0;  // of the text, 1-based
    std::string why;       // the text of the fault
};
TypedListReading readTypedList(std::string_view text);

}  // namespace lp
