#pragma once
// Device names in a typed list against the names of the drawing. People
// type names in small letters as often as in capitals, as PLC programming
// tools let them; the drawing keeps every name as it was typed there.
#include <string>
#include <vector>

#include "circuit/CircuitGraph.h"
#include "circuit/InstructionList.h"

namespace lp {

// Gives every device name of `lines` that matches no name of the drawing
// exactly, but exactly one of them apart from ASCII letter case, that
// name's spelling. A name that matches several spellings of the drawing
// apart from case is left as it is. A name the drawing has in no spelling
// takes the spelling the list first gives it.
void matchDrawingNames(std::vector<Instruction>& lines, const Circuit& circuit);

// The names of the drawing that differ in letter case only: each group
// holds two or more spellings, in code-point order; the groups likewise.
std::vector<std::vector<std::string>> namesSpelledTwoWays(const Circuit& circuit);

// A note naming those groups, e.g. "注意：梯形图中 x01 和 X01 只有大小写不同，
// 按不同的器件处理"; empty when there are none.
std::string twoSpellingsNote(const Circuit& circuit);

}  // namespace lp
