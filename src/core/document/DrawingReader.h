#pragma once
// Reads and checks a whole drawing file (docs/file-format.md) before
// anything is changed: the result is a complete drawing or the first fault.
#include <optional>
#include <string>
#include <string_view>

#include "document/DrawingState.h"

namespace lp {

struct DrawingFault {
    long line = 0;     // 1 for the first line; 0 when the fault is the file's as a whole
    std::string what;  // plain Chinese, without the file's name
};

struct DrawingRead {
    std::optional<DrawingState> drawing;  // set when every check held
    DrawingFault fault;                   // otherwise
};

DrawingRead readDrawing(std::string_view bytes);

}  // namespace lp
