#pragma once
// Replacing a file so that a failure never leaves it half written.
#include <string>
#include <string_view>

namespace lp {

// Writes `bytes` to a new file in the folder of `path`, flushes it to disk,
// closes it and renames it over `path`. False when any of it fails; the new
// file is removed then and whatever `path` held before is left untouched.
// A file marked read-only (no owner write permission; the read-only
// attribute on Windows) is not replaced, whoever asks. On POSIX systems an
// existing file's permissions carry over to its replacement.
bool replaceFile(const std::string& path, std::string_view bytes);

}  // namespace lp
