#pragma once
// Runs a program to its end with its standard input from a file and its
// output captured, and tells how it ended.
#include <string>
#include <vector>

namespace lp::hardening {

struct ProcessOutcome {
    bool exited = false;   // ended by exit (not by a signal)
    int status = -1;       // exit status, when exited
    int signal = 0;        // the signal that ended it, when not exited
    std::string out, err;  // what it wrote on standard output and error
};

// `stdinPath` empty: standard input is /dev/null.
ProcessOutcome runProcess(const std::vector<std::string>& argv, const std::string& stdinPath = "");

// Writes bytes to a file (created or replaced); false on failure.
bool writeFileBytes(const std::string& path, const std::string& bytes);

}  // namespace lp::hardening
