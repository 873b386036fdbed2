#include "platform/TextPath.h"

#include "platform/WideText.h"

namespace lp {

std::filesystem::path pathFromText(std::string_view text) { return std::filesystem::path(wideFromText(text)); }

}  // namespace lp
