// The scan's thread: work on the calling thread alongside it, and the large
// stack kept from one run to the next.
#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <vector>

#include "ScanDiagrams.h"
#include "statement/Conversion.h"
#include "statement/LargeStack.h"

namespace lp::test {
namespace {

using namespace std::chrono_literals;

// Waits until `flag` is set, for at most two seconds; whether it was.
bool waitFor(const std::atomic<bool>& flag) {
    const auto until = std::chrono::steady_clock::now() + 2s;
    while (!flag.load()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(100us);
    }
    return true;
}

// The lowest address and the size of the running thread's stack.
std::pair<char*, std::size_t> ownStack() {
    pthread_attr_t attr;
    void* addr = nullptr;
    std::size_t size = 0;
    if (pthread_getattr_np(pthread_self(), &attr) == 0) {
        pthread_attr_getstack(&attr, &addr, &size);
        pthread_attr_destroy(&attr);
    }
    return {static_cast<char*>(addr), size};
}

// About 1 KiB of stack per level that the compiler cannot fold away.
int deepSum(int depth) {
    volatile char frame[1024];
    frame[depth % 1024] = static_cast<char>(depth);
    if (depth == 0) return frame[0];
    return deepSum(depth - 1) + frame[depth % 1024] % 2;
}

TEST(LargeStackAlongside, RunsOnTheCallingThreadWhileTheWorkRuns) {
    const std::thread::id caller = std::this_thread::get_id();
    std::thread::id worker, beside;
    std::atomic<bool> workStarted{false}, besideStarted{false};
    bool workSawBeside = false, besideSawWork = false;
    runOnLargeStack(
        64u << 20,
        [&] {
            worker = std::this_thread::get_id();
            workStarted = true;
            workSawBeside = waitFor(besideStarted);
        },
        [&] {
            beside = std::this_thread::get_id();
            besideStarted = true;
            besideSawWork = waitFor(workStarted);
        });
    EXPECT_EQ(beside, caller);
    EXPECT_NE(worker, caller);
    // Each saw the other running: neither waited for the other to end.
    EXPECT_TRUE(workSawBeside);
    EXPECT_TRUE(besideSawWork);
}

TEST(LargeStackAlongside, WhatTheCallerThrowsComesOnceTheThreadHasEnded) {
    std::atomic<bool> workDone{false};
    try {
        runOnLargeStack(
            16u << 20,
            [&] {
                std::this_thread::sleep_for(20ms);
                workDone = true;
            },
            [] { throw std::out_of_range("beside"); });
        FAIL() << "nothing was thrown";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "beside");
        EXPECT_TRUE(workDone.load());
    }
}

TEST(LargeStackAlongside, WhatTheWorkThrowsComesAfterTheCallersPart) {
    bool besideDone = false;
    try {
        runOnLargeStack(16u << 20, [] { throw std::logic_error("worker"); }, [&] { besideDone = true; });
        FAIL() << "nothing was thrown";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "worker");
    }
    EXPECT_TRUE(besideDone);
    // Both threw: the caller's own error wins.
    EXPECT_THROW(runOnLargeStack(16u << 20, [] { throw std::logic_error("worker"); }, [] { throw std::out_of_range("x"); }),
                 std::out_of_range);
}

TEST(LargeStackAlongside, NothingRunsWhenTheThreadCannotStart) {
    bool besideRan = false;
    EXPECT_THROW(runOnLargeStack(std::size_t(1) << 62, [] {}, [&] { besideRan = true; }), std::system_error);
    EXPECT_FALSE(besideRan);
}

TEST(KeptStack, OneRunAfterAnotherUsesTheSameStack) {
    std::pair<char*, std::size_t> first, second;
    runOnLargeStack(256u << 20, [&] { first = ownStack(); });
    runOnLargeStack(256u << 20, [&] { second = ownStack(); });
    ASSERT_NE(first.first, nullptr);
    EXPECT_EQ(first.first, second.first);
    EXPECT_GE(first.second, std::size_t{256} << 20);
    // A smaller stack asked for is served from the kept one.
    std::pair<char*, std::size_t> small;
    runOnLargeStack(16u << 20, [&] { small = ownStack(); });
    EXPECT_EQ(small.first, first.first);
}

TEST(KeptStack, ARunInsideARunOrBesideItGetsAStackOfItsOwn) {
    std::pair<char*, std::size_t> outer, inner, other;
    int innerSum = -1, otherSum = -1;
    runOnLargeStack(64u << 20, [&] {
        outer = ownStack();
        runOnLargeStack(64u << 20, [&] {
            inner = ownStack();
            innerSum = deepSum(32 * 1024);  // 32 MiB: past any default thread stack
        });
        // Another thread converting at the same time.
        std::thread t([&] {
            runOnLargeStack(64u << 20, [&] {
                other = ownStack();
                otherSum = deepSum(32 * 1024);
            });
        });
        t.join();
    });
    EXPECT_GE(innerSum, 0);
    EXPECT_GE(otherSum, 0);
    EXPECT_NE(inner.first, outer.first);
    EXPECT_NE(other.first, outer.first);
    EXPECT_GE(inner.second, std::size_t{64} << 20);
    EXPECT_GE(other.second, std::size_t{64} << 20);
}

TEST(KeptStack, ADeepRunGivesItsDeepPagesBack) {
    std::pair<char*, std::size_t> stack;
    int sum = -1;
    runOnLargeStack(256u << 20, [&] {
        stack = ownStack();
        sum = deepSum(48 * 1024);  // 48 MiB of frames
    });
    ASSERT_GE(sum, 0);
    ASSERT_GE(stack.second, std::size_t{64} << 20);
    // The stack grows down from stack.first + stack.second: the pages more
    // than 8 MiB below its top were touched, and are given back.
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t touchedFrom = stack.second - (std::size_t{48} << 20);  // offsets from the bottom
    const std::size_t keptFrom = stack.second - (std::size_t{8} << 20);
    const std::size_t length = keptFrom - touchedFrom;
    char* from = stack.first + touchedFrom;
    std::vector<unsigned char> resident(length / page);
    ASSERT_EQ(mincore(from, length, resident.data()), 0);
    std::size_t kept = 0;
    for (unsigned char r : resident) kept += r & 1;
    EXPECT_EQ(kept, 0u);
}

TEST(ScanAlongside, GivesTheSameListAndRunsTheCallersPart) {
    TestLadder plain, beside;
    twoRungs(plain.ladder);
    twoRungs(beside.ladder);
    bool ran = false;
    EXPECT_EQ(runScan(plain.ladder), ScanOutcome::Finished);
    EXPECT_EQ(runScan(beside.ladder, [&] { ran = true; }), ScanOutcome::Finished);
    EXPECT_TRUE(ran);
    EXPECT_EQ(beside.ladder.StatementList, plain.ladder.StatementList);
    TestLadder endless;
    endlessLoop(endless.ladder);
    EXPECT_EQ(runScan(endless.ladder, [] {}), ScanOutcome::TooDeep);
}

}  // namespace
}  // namespace lp::test
