#pragma once
// The text of the exported file, before encoding.
#include <string>
#include <string_view>

namespace lp {

// Every line break of the list box's text (CR LF, LF or a lone CR) as CR LF,
// then one more CR LF.
std::string exportedText(std::string_view text1);

}  // namespace lp
