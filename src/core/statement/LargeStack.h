#pragma once
// Running deep recursion on a thread whose stack is sized for it, whatever
// the platform gives a thread by default.
#include <cstddef>
#include <functional>

namespace lp {

// Runs `work` on a new thread with a stack of at least `stackBytes` and waits
// for it to finish. Whatever `work` throws is caught on that thread and
// thrown again here, on the calling thread. Throws std::system_error when the
// thread cannot be started.
void runOnLargeStack(std::size_t stackBytes, const std::function<void()>& work);

// The same, running `alongside` on the calling thread while `work` runs, so
// that the caller does not sit idle. Returns when both are done. When the
// thread cannot be started, throws std::system_error without running
// `alongside`. When both throw, what `alongside` threw is thrown.
void runOnLargeStack(std::size_t stackBytes, const std::function<void()>& work, const std::function<void()>& alongside);

}  // namespace lp
