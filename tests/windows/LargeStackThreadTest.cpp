// The scan's thread on Windows: a stack reserved as large as asked for, the
// thread kept from one run to the next, and a run deeper than an ordinary
// stack giving its memory back.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <stdexcept>
#include <system_error>
#include <thread>
#include <vector>

#include "statement/LargeStack.h"

namespace lp {
namespace {

struct Stack {
    ULONG_PTR low = 0, high = 0;
    DWORD thread = 0;
};

Stack ownStack() {
    Stack s;
    ::GetCurrentThreadStackLimits(&s.low, &s.high);
    s.thread = ::GetCurrentThreadId();
    return s;
}

// About 1 KiB of stack per level that the compiler cannot fold away.
int deepSum(int depth) {
    volatile char frame[1024];
    frame[depth % 1024] = static_cast<char>(depth);
    if (depth == 0) return frame[0];
    return deepSum(depth - 1) + frame[depth % 1024] % 2;
}

// How many pages of [from, from + bytes) are in the process's memory.
std::size_t residentPages(ULONG_PTR from, std::size_t bytes) {
    constexpr std::size_t page = 4096;
    std::vector<PSAPI_WORKING_SET_EX_INFORMATION> pages(bytes / page);
    for (std::size_t i = 0; i < pages.size(); ++i) pages[i].VirtualAddress = reinterpret_cast<void*>(from + i * page);
    if (!::K32QueryWorkingSetEx(::GetCurrentProcess(), pages.data(),
                                static_cast<DWORD>(pages.size() * sizeof pages[0])))
        return pages.size();
    std::size_t resident = 0;
    for (const auto& p : pages) resident += p.VirtualAttributes.Valid;
    return resident;
}

TEST(WindowsLargeStack, ReservesTheStackAskedForAndHoldsDeepRecursion) {
    Stack s;
    int sum = -1;
    runOnLargeStack(256u << 20, [&] {
        s = ownStack();
        sum = deepSum(64 * 1024);  // 64 MiB: far past the usual 1 MiB of a Windows thread
    });
    EXPECT_NE(s.thread, ::GetCurrentThreadId());
    EXPECT_GE(s.high - s.low, std::size_t{256} << 20);
    EXPECT_GE(sum, 0);
}

TEST(WindowsLargeStack, OneRunAfterAnotherUsesTheSameThreadAndStack) {
    Stack first, second, small;
    runOnLargeStack(256u << 20, [&] { first = ownStack(); });
    runOnLargeStack(256u << 20, [&] { second = ownStack(); });
    runOnLargeStack(16u << 20, [&] { small = ownStack(); });
    EXPECT_EQ(first.thread, second.thread);
    EXPECT_EQ(first.low, second.low);
    EXPECT_EQ(small.thread, first.thread);  // a smaller stack is served by the kept one
    // A larger one than the kept thread has gets a new thread.
    Stack larger;
    runOnLargeStack(512u << 20, [&] { larger = ownStack(); });
    EXPECT_GE(larger.high - larger.low, std::size_t{512} << 20);
}

TEST(WindowsLargeStack, ADeepRunGivesItsDeepPagesBack) {
    Stack deep;
    ULONG_PTR touchedFrom = 0, keptFrom = 0;
    std::size_t residentWhileRunning = 0;
    runOnLargeStack(256u << 20, [&] {
        deep = ownStack();
        deepSum(48 * 1024);  // 48 MiB of frames
        touchedFrom = deep.high - (std::size_t{46} << 20);
        keptFrom = deep.high - (std::size_t{8} << 20);
        residentWhileRunning = residentPages(touchedFrom, keptFrom - touchedFrom);
    });
    const std::size_t deepPages = (keptFrom - touchedFrom) / 4096;
    // The pages more than 8 MiB below the stack's top were in memory while
    // the work ran; after it they are given back.
    EXPECT_EQ(residentWhileRunning, deepPages);
    EXPECT_EQ(residentPages(touchedFrom, keptFrom - touchedFrom), 0u);
    // The thread and its stack are kept all the same.
    Stack next;
    runOnLargeStack(256u << 20, [&] { next = ownStack(); });
    EXPECT_EQ(next.thread, deep.thread);
    EXPECT_EQ(next.low, deep.low);
}

TEST(WindowsLargeStack, ARunInsideARunOrBesideItGetsAThreadOfItsOwn) {
    Stack outer, inner, other;
    runOnLargeStack(64u << 20, [&] {
        outer = ownStack();
        runOnLargeStack(64u << 20, [&] {
            inner = ownStack();
            deepSum(32 * 1024);
        });
        std::thread t([&] { runOnLargeStack(64u << 20, [&] { other = ownStack(); }); });
        t.join();
    });
    EXPECT_NE(inner.thread, outer.thread);
    EXPECT_NE(other.thread, outer.thread);
    EXPECT_GE(inner.high - inner.low, std::size_t{64} << 20);
    EXPECT_GE(other.high - other.low, std::size_t{64} << 20);
}

TEST(WindowsLargeStack, WhatEitherSideThrowsComesBackOnTheCallingThread) {
    EXPECT_THROW(runOnLargeStack(16u << 20, [] { throw std::out_of_range("worker"); }), std::out_of_range);
    bool besideRan = false;
    EXPECT_THROW(runOnLargeStack(16u << 20, [] { throw std::logic_error("worker"); }, [&] { besideRan = true; }),
                 std::logic_error);
    EXPECT_TRUE(besideRan);
    EXPECT_THROW(runOnLargeStack(16u << 20, [] { throw std::logic_error("worker"); }, [] { throw std::out_of_range("x"); }),
                 std::out_of_range);
    // And the kept thread still works afterwards.
    bool ran = false;
    runOnLargeStack(16u << 20, [&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST(WindowsLargeStack, AThreadThatCannotStartIsReportedAndNothingRuns) {
    bool besideRan = false;
    EXPECT_THROW(runOnLargeStack(std::size_t(1) << 62, [] {}, [&] { besideRan = true; }), std::system_error);
    EXPECT_FALSE(besideRan);
}

}  // namespace
}  // namespace lp
