#pragma once
// The text of a drawing file (docs/file-format.md).
#include <string>

#include "document/DrawingState.h"

namespace lp {

std::string writeDrawing(const DrawingState& drawing);

}  // namespace lp
