#pragma once
// Drawing files on disk. Paths are UTF-8.
#include <optional>
#include <string>

#include "document/DrawingState.h"

namespace lp {

struct DrawingLoad {
    std::optional<DrawingState> drawing;  // set when the file was read and every check held
    std::string message;                  // otherwise: what the user is told, naming the file and line
};

// Refuses anything but a regular file of at most 8 MiB before reading it,
// then reads and checks all of it.
DrawingLoad loadDrawingFile(const std::string& path);

// Writes the drawing atomically (a new file beside `path`, flushed, then
// moved over it). "" on success; otherwise the message for the user, naming
// the full path, and whatever `path` held before is untouched.
std::string saveDrawingFile(const std::string& path, const DrawingState& drawing);

// The full path of `path` as the messages show it.
std::string fullPath(const std::string& path);
// The file name without its folders: the caption shows it.
std::string fileNameOf(const std::string& path);

}  // namespace lp
