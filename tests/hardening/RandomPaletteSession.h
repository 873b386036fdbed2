#pragma once
// Random palette sessions written as replay scripts: mostly presses of the
// buttons a user could press, now and then a disabled one, replies to the
// name prompt (good names and bad ones), edits of the list box, convert,
// export and dumps. The session is played on the core while it is made, so
// that every reply in the script is one the prompt takes: the script can be
// cut between any two steps without leaving a reply behind.
#include <cstdint>
#include <string>
#include <vector>

namespace lp::hardening {

// Each step is one or more whole script lines, each ended by '\n'.
std::vector<std::string> randomPaletteSession(uint64_t seed, std::size_t steps);

}  // namespace lp::hardening
