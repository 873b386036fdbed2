#ifndef _WIN32

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

#include "app/Platform.h"

namespace lp {

namespace {

StartResult failure(int error) { return {std::error_code(error, std::generic_category()), 0}; }

// Between fork and exec only async-signal-safe calls are made.
[[noreturn]] void execProgram(const char* path, int pipeOut) {
    ::setsid();  // its own session: no signals from our terminal
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    for (int sig = 1; sig < NSIG; ++sig) ::sigaction(sig, &fallback, nullptr);
    char* const argv[] = {const_cast<char*>(path), nullptr};
    ::execv(path, argv);
    int error = errno;
    ssize_t written;
    do written = ::write(pipeOut, &error, sizeof error);
    while (written < 0 && errno == EINTR);
    ::_exit(127);
}

void reap(pid_t child) {
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// Reaps the program when it ends, so that it never lingers as a zombie. Only
// this child is waited for: other children and SIGCHLD are left alone.
void reapWhenDone(pid_t child) {
    try {
        std::thread(reap, child).detach();
    } catch (const std::system_error&) {
        // No thread to spare: the program runs all the same and is reaped
        // by the system when this program ends.
    }
}

class PosixPlatform final : public Platform {
public:
    bool fileExists(const std::string& path) override {
        struct stat info {};
        return !path.empty() && path.find('\0') == std::string::npos &&
               ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    }

    // A close-on-exec pipe carries the error of a failed exec back; it
    // closes without data when the exec succeeded.
    StartResult startProgram(const std::string& path) override {
        if (path.find('\0') != std::string::npos) return failure(EINVAL);
        const char* file = path.c_str();

        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return failure(errno);

        pid_t child = ::fork();
        if (child < 0) {
            int error = errno;
            ::close(fds[0]);
            ::close(fds[1]);
            return failure(error);
        }
        if (child == 0) execProgram(file, fds[1]);

        ::close(fds[1]);
        int error = 0;
        ssize_t got;
        do got = ::read(fds[0], &error, sizeof error);
        while (got < 0 && errno == EINTR);
        int readError = errno;
        ::close(fds[0]);

        if (got == 0) {  // the exec closed the pipe: the program runs
            reapWhenDone(child);
            return {{}, static_cast<long>(child)};
        }
        if (got < 0) {  // cannot tell whether it runs: never wait for it here
            reapWhenDone(child);
            return failure(readError);
        }
        reap(child);  // it ends right after reporting its failed exec
        if (got == static_cast<ssize_t>(sizeof error)) return failure(error != 0 ? error : ECHILD);
        return failure(EIO);
    }
};

}  // namespace

std::unique_ptr<Platform> makeSystemPlatform() { return std::make_unique<PosixPlatform>(); }

}  // namespace lp

#endif
