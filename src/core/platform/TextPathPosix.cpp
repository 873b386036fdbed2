#include "platform/TextPath.h"

namespace lp {

// The system's narrow encoding is taken as UTF-8: the bytes are the path.
std::filesystem::path pathFromText(std::string_view text) { return std::filesystem::path(std::string(text)); }

}  // namespace lp
