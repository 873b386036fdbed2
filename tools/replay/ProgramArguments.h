#pragma once
// What the replay tool needs from the system at its start: its arguments as
// UTF-8 texts, and standard streams that pass bytes through unchanged, so
// that it prints on every system exactly the same bytes.
#include <string>
#include <vector>

namespace lp {

// The program's arguments after its own name, as UTF-8. On Windows they are
// read as UTF-16 from the system, whatever the ANSI code page.
std::vector<std::string> programArguments(int argc, char** argv);

// Standard input, output and error in binary mode (no CR LF translation).
// A console shown the output on Windows is set to UTF-8 while the tool runs.
void useBinaryStandardStreams();

}  // namespace lp
