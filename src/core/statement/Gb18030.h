#pragma once
// GB18030: the same bytes as GB2312 and GBK for every character they hold,
// and a code for every other character, so no device name is lost.
#include <optional>
#include <string>
#include <string_view>

namespace lp {

// UTF-8 to GB18030. Nothing when the text is not valid UTF-8 or the
// converter is not available.
std::optional<std::string> toGb18030(std::string_view utf8);

}  // namespace lp
