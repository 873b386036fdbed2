// Running work on a thread with a stack sized for it.
#include <gtest/gtest.h>
#include <pthread.h>

#include <stdexcept>
#include <system_error>
#include <thread>

#include "statement/LargeStack.h"

namespace lp {
namespace {

// About 1 KiB of stack per level that the compiler cannot fold away.
int deepSum(int depth) {
    volatile char frame[1024];
    frame[depth % 1024] = static_cast<char>(depth);
    if (depth == 0) return frame[0];
    return deepSum(depth - 1) + frame[depth % 1024] % 2;
}

TEST(LargeStack, RunsTheWorkOnAnotherThreadAndWaitsForIt) {
    const std::thread::id caller = std::this_thread::get_id();
    std::thread::id worker;
    bool done = false;
    runOnLargeStack(64u << 20, [&] {
        worker = std::this_thread::get_id();
        done = true;
    });
    EXPECT_TRUE(done);
    EXPECT_NE(worker, caller);
}

TEST(LargeStack, GivesTheThreadTheStackAskedFor) {
    std::size_t size = 0;
    runOnLargeStack(256u << 20, [&] {
        pthread_attr_t attr;
        ASSERT_EQ(pthread_getattr_np(pthread_self(), &attr), 0);
        pthread_attr_getstacksize(&attr, &size);
        pthread_attr_destroy(&attr);
    });
    EXPECT_GE(size, 256u << 20);
}

TEST(LargeStack, HoldsRecursionFarDeeperThanAnOrdinaryThreadStack) {
    // 64 MiB of frames: far past the usual 8 MiB of a thread.
    int result = -1;
    runOnLargeStack(256u << 20, [&] { result = deepSum(64 * 1024); });
    EXPECT_GE(result, 0);
}

TEST(LargeStack, ThrowsWhatTheWorkThrewOnTheCallingThread) {
    try {
        runOnLargeStack(16u << 20, [] { throw std::out_of_range("from the worker"); });
        FAIL() << "nothing was thrown";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "from the worker");
    }
}

TEST(LargeStack, ReportsAThreadThatCannotStart) {
    // No platform gives a thread a stack of half the address space.
    EXPECT_THROW(runOnLargeStack(std::size_t(1) << 62, [] {}), std::system_error);
}

}  // namespace
}  // namespace lp
