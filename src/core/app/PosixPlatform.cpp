#ifndef _WIN32

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "app/Platform.h"

namespace lp {

namespace {

StartResult failure(int error) { return {std::error_code(error, std::generic_category())}; }

// Between fork and exec only async-signal-safe calls are made.
[[noreturn]] void reportAndExit(int pipeOut, int error, int status) {
    ssize_t written;
    do written = ::write(pipeOut, &error, sizeof error);
    while (written < 0 && errno == EINTR);
    ::_exit(status);
}

[[noreturn]] void execDetached(const char* path, int pipeOut) {
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
    reportAndExit(pipeOut, errno, 127);
}

class PosixPlatform final : public Platform {
public:
    bool fileExists(const std::string& path) override {
        struct stat info {};
        return !path.empty() && path.find('\0') == std::string::npos &&
               ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    }

    // Double fork: the intermediate child ends at once and is reaped here;
    // the program itself then belongs to init, which reaps it, so no child
    // is left behind and no SIGCHLD handling of the rest of the program is
    // touched. A close-on-exec pipe carries the error of a failed exec back:
    // it closes without data when the exec succeeded.
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
        if (child == 0) {
            ::close(fds[0]);
            pid_t grandchild = ::fork();
            if (grandchild < 0) reportAndExit(fds[1], errno, 1);
            if (grandchild > 0) ::_exit(0);
            execDetached(file, fds[1]);
        }

        ::close(fds[1]);
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }

        int error = 0;
        ssize_t got;
        do got = ::read(fds[0], &error, sizeof error);
        while (got < 0 && errno == EINTR);
        int readError = errno;
        ::close(fds[0]);

        if (got == 0) return {};  // the pipe closed by the exec: the program runs
        if (got == static_cast<ssize_t>(sizeof error)) return failure(error != 0 ? error : ECHILD);
        return failure(got < 0 ? readError : EIO);
    }
};

}  // namespace

std::unique_ptr<Platform> makeSystemPlatform() { return std::make_unique<PosixPlatform>(); }

}  // namespace lp

#endif
