#pragma once
// The program's message loop, and the modal loops nested in it. Keys go to
// the top-level window they arise under first (dialog keys, accelerators,
// tab order).
#include <functional>

#include <windows.h>

namespace lp::win {

// Runs until the program ends; gives the exit code.
int runMessageLoop();

// Runs until done() holds. When the program ends meanwhile, the process
// ends at once: the command waiting for the box cannot be left unanswered.
void runModalLoop(const std::function<bool()>& done);

// Ends the program: every loop returns.
void endProgram();

}  // namespace lp::win
