#include "statement/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace lp {

namespace {

std::atomic<unsigned> tempCounter{0};

// The temporary file lies beside the target, hidden, named after it.
std::string tempPathFor(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(::getpid()) + "." + std::to_string(tempCounter++) + ".tmp";
}

int createTemp(const std::string& path, std::string& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = tempPathFor(path);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool syncToDisk(int fd) {
    while (::fsync(fd) != 0) {
        if (errno == EINTR) continue;
        // A file system that cannot sync (EINVAL) has still taken the data.
        return errno == EINVAL;
    }
    return true;
}

}  // namespace

bool replaceFile(const std::string& path, std::string_view bytes) {
    // A file its owner marked read-only is not replaced, as on Windows: the
    // rename would otherwise go round the mark.
    struct stat target;
    if (::stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode) && !(target.st_mode & S_IWUSR)) return false;

    std::string temp;
    const int fd = createTemp(path, temp);
    if (fd < 0) return false;

    struct stat old;
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) (void)::fchmod(fd, old.st_mode & 07777);

    bool ok = writeAll(fd, bytes) && syncToDisk(fd);
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace lp
