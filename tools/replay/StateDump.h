#pragma once
#include <string>

namespace lp {

class Ladder;

// The exact state block of the replay tool's "dump", from the counters line
// to "end", each line ended by '\n'.
std::string stateDump(const Ladder& ladder);

}  // namespace lp
