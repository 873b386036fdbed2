#pragma once
// Replacing a file so that a failure never leaves it half written and never
// harms anything else that is there.
#include <string>
#include <string_view>

namespace lp {

// Writes `bytes` to a new file in the folder of `path`, flushes it to disk
// and moves it over `path`. "" on success; otherwise the reason as the user
// is told it ("找不到路径", "文件是只读的", ...), and whatever `path` held
// before is left untouched, with no temporary file left behind.
//
// - A symbolic link is followed: the file it points to is replaced and the
//   link stays. A loop of links is named as such.
// - Only a regular file or a name that does not exist yet is written; a
//   folder, named pipe, device or socket in the way is refused, named.
// - A file marked read-only (no owner write permission; the read-only
//   attribute on Windows) is not replaced, whoever asks. On POSIX systems an
//   existing file's permissions carry over to its replacement.
// - The temporary file's name is short whatever the target's length. Where
//   the system allows, it is an unnamed file that vanishes with the process;
//   otherwise temporary files that this program left beside the target and
//   whose process is gone are removed.
std::string replaceFile(const std::string& path, std::string_view bytes);

// The prefix of this program's temporary file names: PREFIX<pid>-<n>.tmp.
#ifdef _WIN32
inline constexpr const char* kTempFilePrefix = "~ladderpad-";
#else
inline constexpr const char* kTempFilePrefix = ".ladderpad-";
#endif

}  // namespace lp
