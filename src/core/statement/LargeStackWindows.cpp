#include "statement/LargeStack.h"

#include <windows.h>

#include <algorithm>
#include <exception>
#include <mutex>
#include <system_error>

namespace lp {

namespace {

struct Job {
    const std::function<void()>* work;
    std::exception_ptr error;
};

void runJob(Job& job) {
    try {
        (*job.work)();
    } catch (...) {
        job.error = std::current_exception();
    }
}

[[noreturn]] void fail(DWORD error, const char* what) {
    throw std::system_error(static_cast<int>(error), std::system_category(), what);
}

// One thread for the work of one run after another, waiting between runs.
// A new thread is a fresh stack every time, and every page the work touches
// is committed anew; on the kept thread the pages stay. Pages deeper than an
// ordinary thread's stack are given back to the system after each run (their
// contents dropped), so that one very deep run does not hold memory for good.
class KeptThread {
public:
    static constexpr std::size_t kKeptBytes = 8u << 20;

    std::mutex mutex;

    // Runs the job on the kept thread, whose stack reserves at least `bytes`,
    // with `alongside` meanwhile on the calling thread.
    void run(std::size_t bytes, Job& job, const std::function<void()>* alongside);

private:
    static DWORD WINAPI loop(void* self);
    static void trim();
    void start(std::size_t bytes);
    void stop();

    HANDLE thread_ = nullptr;
    HANDLE go_ = nullptr;    // a job is there
    HANDLE done_ = nullptr;  // the job is done
    std::size_t reserved_ = 0;
    Job* job_ = nullptr;
    bool quit_ = false;  // the thread is to end instead of running a job
};

// On the kept thread, between runs: the stack grows down from its top, and
// every page of it below the top kKeptBytes that is committed is reset.
void KeptThread::trim() {
    ULONG_PTR low = 0, high = 0;
    ::GetCurrentThreadStackLimits(&low, &high);
    if (high - low <= kKeptBytes) return;
    const ULONG_PTR end = high - kKeptBytes;
    for (ULONG_PTR at = low; at < end;) {
        MEMORY_BASIC_INFORMATION region{};
        if (::VirtualQuery(reinterpret_cast<void*>(at), &region, sizeof region) == 0) return;
        const ULONG_PTR from = reinterpret_cast<ULONG_PTR>(region.BaseAddress);
        const ULONG_PTR to = std::min<ULONG_PTR>(from + region.RegionSize, end);
        if (region.State == MEM_COMMIT && (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) == 0 && to > from)
            ::VirtualAlloc(reinterpret_cast<void*>(from), to - from, MEM_RESET, PAGE_NOACCESS);
        at = from + region.RegionSize;
    }
}

DWORD WINAPI KeptThread::loop(void* self) {
    KeptThread& kept = *static_cast<KeptThread*>(self);
    while (::WaitForSingleObject(kept.go_, INFINITE) == WAIT_OBJECT_0 && !kept.quit_) {
        runJob(*kept.job_);
        trim();
        ::SetEvent(kept.done_);
    }
    return 0;
}

void KeptThread::start(std::size_t bytes) {
    if (!go_) go_ = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!done_) done_ = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!go_ || !done_) fail(::GetLastError(), "starting the conversion thread");
    quit_ = false;
    thread_ = ::CreateThread(nullptr, bytes, loop, this, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (!thread_) fail(::GetLastError(), "starting the conversion thread");
    reserved_ = bytes;
}

// Ends the kept thread, for one with a larger stack.
void KeptThread::stop() {
    if (!thread_) return;
    quit_ = true;
    ::SetEvent(go_);
    ::WaitForSingleObject(thread_, INFINITE);
    ::CloseHandle(thread_);
    thread_ = nullptr;
    reserved_ = 0;
}

void KeptThread::run(std::size_t bytes, Job& job, const std::function<void()>* alongside) {
    if (thread_ && reserved_ < bytes) stop();
    if (!thread_) start(bytes);
    job_ = &job;
    ::SetEvent(go_);
    std::exception_ptr alongsideError;
    if (alongside) {
        try {
            (*alongside)();
        } catch (...) {
            alongsideError = std::current_exception();
        }
    }
    ::WaitForSingleObject(done_, INFINITE);
    job_ = nullptr;
    if (alongsideError) std::rethrow_exception(alongsideError);
}

// Never destroyed: at the program's end the system ends the waiting thread.
KeptThread& keptThread() {
    static KeptThread* kept = new KeptThread;
    return *kept;
}

DWORD WINAPI runOwnJob(void* arg) {
    runJob(*static_cast<Job*>(arg));
    return 0;
}

// A thread of its own for this run, ended with it.
void runOwnThread(std::size_t bytes, Job& job, const std::function<void()>* alongside) {
    HANDLE thread = ::CreateThread(nullptr, bytes, runOwnJob, &job, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (!thread) fail(::GetLastError(), "starting the conversion thread");
    std::exception_ptr alongsideError;
    if (alongside) {
        try {
            (*alongside)();
        } catch (...) {
            alongsideError = std::current_exception();
        }
    }
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
    if (alongsideError) std::rethrow_exception(alongsideError);
}

void run(std::size_t stackBytes, const std::function<void()>& work, const std::function<void()>* alongside) {
    Job job{&work, nullptr};
    KeptThread& kept = keptThread();
    // While another run holds the kept thread (another thread, or work that
    // itself runs on a large stack), this run gets a thread of its own.
    std::unique_lock lock(kept.mutex, std::try_to_lock);
    if (lock.owns_lock())
        kept.run(stackBytes, job, alongside);
    else
        runOwnThread(stackBytes, job, alongside);
    if (job.error) std::rethrow_exception(job.error);
}

}  // namespace

void runOnLargeStack(std::size_t stackBytes, const std::function<void()>& work) { run(stackBytes, work, nullptr); }

void runOnLargeStack(std::size_t stackBytes, const std::function<void()>& work, const std::function<void()>& alongside) {
    run(stackBytes, work, &alongside);
}

}  // namespace lp
