#pragma once
// Cutting a text into lines.
#include <string>
#include <string_view>
#include <vector>

namespace lp {

// Cut at every CR LF only. Text after the last break is one more line;
// nothing follows a final break.
std::vector<std::string> splitAtCrLf(std::string_view text);

// Cut at every line break a text box knows: CR LF, LF or a lone CR.
std::vector<std::string> splitLineBreaks(std::string_view text);

}  // namespace lp
