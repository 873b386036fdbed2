#include "statement/LargeStack.h"

#include <pthread.h>

#include <exception>
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

}  // namespace

void runOnLargeStack(std::size_t stackBytes, const std::function<void()>& work) {
    Job job{&work, nullptr};
    pthread_attr_t attr;
    check(pthread_attr_init(&attr), "pthread_attr_init");
    pthread_t thread;
    int rc = pthread_attr_setstacksize(&attr, stackBytes);
    if (rc == 0) rc = pthread_create(&thread, &attr, runJob, &job);
    pthread_attr_destroy(&attr);
    check(rc, "starting the conversion thread");
    check(pthread_join(thread, nullptr), "pthread_join");
    if (job.error) std::rethrow_exception(job.error);
}

}  // namespace lp
