#include "statement/LargeStack.h"

#include <pthread.h>
#include <sys/mman.h>
#include <unistd.h>

#include <exception>
#include <mutex>
#include <system_error>

namespace lp {

namespace {

struct Job {
    const std::function<void()>* work;
    std::exception_ptr error;
};

void* runJob(void* arg) {
    Job* job = static_cast<Job*>(arg);
    try {
        (*job->work)();
    } catch (...) {
        job->error = std::current_exception();
    }
    return nullptr;
}

void check(int rc, const char* what) {
    if (rc != 0) throw std::system_error(rc, std::generic_category(), what);
}

std::size_t pageSize() {
    static const std::size_t size = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return size;
}

// One stack kept from one run to the next. A new thread stack of this size
// is a fresh mapping every time, made and unmade around each run, and every
// page the work touches is faulted in anew; on the kept one, the pages stay.
// Pages deeper than an ordinary thread's stack go back to the system after
// each run, so that one very deep run does not hold memory for good.
class KeptStack {
public:
    static constexpr std::size_t kKeptBytes = 8u << 20;

    std::mutex mutex;

    // Makes the stack hold at least `bytes`; false when it cannot be mapped.
    bool reserve(std::size_t bytes) {
        const std::size_t page = pageSize();
        bytes = (bytes + page - 1) / page * page;
        if (bytes <= bytes_) return true;
        // The lowest page is a guard: overrunning the stack faults there.
        void* block = mmap(nullptr, bytes + page, PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_STACK, -1, 0);
        if (block == MAP_FAILED) return false;
        if (mprotect(block, page, PROT_NONE) != 0) {
            munmap(block, bytes + page);
            return false;
        }
        if (block_) munmap(block_, bytes_ + page);
        block_ = block;
        bytes_ = bytes;
        return true;
    }

    void* stack() const { return static_cast<char*>(block_) + pageSize(); }
    std::size_t bytes() const { return bytes_; }

    // Gives back the pages below the top kKeptBytes; the stack grows down.
    void trim() {
        if (bytes_ > kKeptBytes) madvise(stack(), bytes_ - kKeptBytes, MADV_DONTNEED);
    }

private:
    void* block_ = nullptr;
    std::size_t bytes_ = 0;
};

KeptStack& keptStack() {
    static KeptStack kept;
    return kept;
}

// Starts the thread with `attr`, runs `alongside` meanwhile, and waits for the thread.
void runThread(pthread_attr_t& attr, Job& job, const std::function<void()>* alongside) {
    pthread_t thread;
    const int rc = pthread_create(&thread, &attr, runJob, &job);
    pthread_attr_destroy(&attr);
    check(rc, "starting the conversion thread");
    std::exception_ptr alongsideError;
    if (alongside) {
        try {
            (*alongside)();
        } catch (...) {
            alongsideError = std::current_exception();
        }
    }
    check(pthread_join(thread, nullptr), "pthread_join");
    if (alongsideError) std::rethrow_exception(alongsideError);
}

void run(std::size_t stackBytes, const std::function<void()>& work, const std::function<void()>* alongside) {
    Job job{&work, nullptr};
    pthread_attr_t attr;
    check(pthread_attr_init(&attr), "pthread_attr_init");
    KeptStack& kept = keptStack();
    // While another run holds the kept stack (another thread, or work that
    // itself runs on a large stack), this run gets a stack of its own.
    std::unique_lock lock(kept.mutex, std::try_to_lock);
    if (lock.owns_lock() && kept.reserve(stackBytes) && pthread_attr_setstack(&attr, kept.stack(), kept.bytes()) == 0) {
        runThread(attr, job, alongside);
        kept.trim();
    } else {
        if (lock.owns_lock()) lock.unlock();
        const int rc = pthread_attr_setstacksize(&attr, stackBytes);
        if (rc != 0) {
            pthread_attr_destroy(&attr);
            check(rc, "starting the conversion thread");
        }
        runThread(attr, job, alongside);
    }
    if (job.error) std::rethrow_exception(job.error);
}

}  // namespace

void runOnLargeStack(std::size_t stackBytes, const std::function<void()>& work) { run(stackBytes, work, nullptr); }

void runOnLargeStack(std::size_t stackBytes, const std::function<void()>& work, const std::function<void()>& alongside) {
    run(stackBytes, work, &alongside);
}

}  // namespace lp
