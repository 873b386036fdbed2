#include "statement/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <vector>

#include "platform/SystemReason.h"

namespace lp {

namespace {

std::atomic<unsigned> tempCounter{0};
constexpr int kMaxLinkHops = 40;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The folder for calls that take one: "." for a bare name.
std::string folderForCalls(const std::string& path) {
    const std::string folder = folderOf(path);
    return folder.empty() ? std::string(".") : folder;
}

// Follows symbolic links from `path` to the name that is really written.
std::string resolveLinks(std::string path, std::string& resolved) {
    for (int hops = 0;; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) break;  // a new name (the folder is checked later)
            return errnoReason(errno);
        }
        if (!S_ISLNK(st.st_mode)) break;
        if (hops == kMaxLinkHops) return errnoReason(ELOOP);
        std::vector<char> link(PATH_MAX + 1);
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0) return errnoReason(errno);
        if (static_cast<std::size_t>(n) >= link.size()) return errnoReason(ENAMETOOLONG);
        const std::string to(link.data(), static_cast<std::size_t>(n));
        path = (!to.empty() && to[0] == '/') ? to : folderOf(path) + to;
    }
    resolved = path;
    return "";
}

std::string inTheWay(mode_t mode) {
    if (S_ISDIR(mode)) return "这个名字是一个文件夹，不是普通文件";
    if (S_ISFIFO(mode)) return "这个名字是一个命名管道，不是普通文件";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "这个名字是一个设备，不是普通文件";
    if (S_ISSOCK(mode)) return "这个名字是一个套接字，不是普通文件";
    return "这个名字不是普通文件";
}

std::string tempNameIn(const std::string& folder) {
    return folder + kTempFilePrefix + std::to_string(::getpid()) + "-" + std::to_string(tempCounter++) + ".tmp";
}

// Removes temporary files this program left in `folder` (owned by this
// user, named PREFIX<pid>-<n>.tmp) whose process no longer runs.
void removeStaleTemps(const std::string& folder) {
    DIR* dir = ::opendir(folderForCalls(folder).c_str());
    if (!dir) return;
    const std::string prefix = kTempFilePrefix;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - 4, 4, ".tmp") != 0)
            continue;
        const std::size_t dash = name.find('-', prefix.size());
        if (dash == std::string::npos || dash == prefix.size()) continue;
        const std::string digits = name.substr(prefix.size(), dash - prefix.size());
        if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) continue;
        const pid_t pid = static_cast<pid_t>(std::stol(digits));
        if (pid <= 0 || pid == ::getpid()) continue;
        if (::kill(pid, 0) == 0 || errno != ESRCH) continue;
        const std::string full = folder + name;
        struct stat st;
        if (::lstat(full.c_str(), &st) != 0) continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != ::getuid()) continue;
        ::unlink(full.c_str());
    }
    ::closedir(dir);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = ENOSPC;
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

// Fills the open file `fd`: the bytes, the old file's permissions, flushed.
std::string fill(int fd, std::string_view bytes, const struct stat* old) {
    if (old) (void)::fchmod(fd, old->st_mode & 07777);
    if (!writeAll(fd, bytes) || !syncToDisk(fd)) return errnoReason(errno);
    return "";
}

// Closes `fd` and reports a failure of the close (a late write error) as
// the reason, unless there is one already.
std::string closeKeeping(int fd, std::string why) {
    if (::close(fd) != 0 && why.empty()) why = errnoReason(errno);
    return why;
}

#ifdef O_TMPFILE
// An unnamed file in the folder, linked in at the end: a process killed
// midway leaves nothing. nullopt-like "-" when the system cannot make one.
constexpr const char* kNoUnnamedFile = "-";

std::string replaceThroughUnnamedFile(const std::string& target, const std::string& folder, std::string_view bytes,
                                      const struct stat* old) {
    const int fd = ::open(folderForCalls(folder).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return kNoUnnamedFile;
        return errno == ENOENT ? std::string("找不到路径") : errnoReason(errno);
    }
    std::string why = fill(fd, bytes, old);
    if (!why.empty()) return closeKeeping(fd, why);
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    // A new name is linked in directly; an existing file is replaced by
    // linking under a short temporary name and renaming that over it.
    const std::string linkName = old ? tempNameIn(folder) : target;
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, linkName.c_str(), AT_SYMLINK_FOLLOW) != 0) {
        const int error = errno;
        ::close(fd);
        // Without /proc (or where linking is not allowed) a named file is used.
        if (error == ENOENT || error == EPERM || error == EXDEV || error == EOPNOTSUPP) return kNoUnnamedFile;
        return errnoReason(error);
    }
    why = closeKeeping(fd, "");
    if (old && why.empty() && ::rename(linkName.c_str(), target.c_str()) != 0) why = errnoReason(errno);
    if (!why.empty() && old) ::unlink(linkName.c_str());
    if (!why.empty() && !old) ::unlink(target.c_str());
    return why;
}
#endif

std::string replaceThroughNamedFile(const std::string& target, const std::string& folder, std::string_view bytes,
                                    const struct stat* old) {
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = tempNameIn(folder);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return errno == ENOENT ? std::string("找不到路径") : errnoReason(errno);
    std::string why = closeKeeping(fd, fill(fd, bytes, old));
    if (why.empty() && ::rename(temp.c_str(), target.c_str()) != 0) why = errnoReason(errno);
    if (!why.empty()) ::unlink(temp.c_str());
    return why;
}

}  // namespace

std::string replaceFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return errnoReason(ENOENT);
    std::string target;
    if (std::string why = resolveLinks(path, target); !why.empty()) return why;

    struct stat old;
    const bool exists = ::lstat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return errnoReason(errno);
    if (exists && !S_ISREG(old.st_mode)) return inTheWay(old.st_mode);
    // A file its owner marked read-only is not replaced, as on Windows: the
    // rename would otherwise go round the mark.
    if (exists && !(old.st_mode & S_IWUSR)) return "文件是只读的";

    const std::string folder = folderOf(target);
    removeStaleTemps(folder);
#ifdef O_TMPFILE
    const std::string why = replaceThroughUnnamedFile(target, folder, bytes, exists ? &old : nullptr);
    if (why != kNoUnnamedFile) return why;
#endif
    return replaceThroughNamedFile(target, folder, bytes, exists ? &old : nullptr);
}

}  // namespace lp
