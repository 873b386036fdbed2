#pragma once
// Why a text cannot be written in GB18030: it names the first character
// that has no code (a lone surrogate from a damaged paste, a byte that is
// not UTF-8) and its line.
#include <string>
#include <string_view>

namespace lp {

// "第 3 行的字符 U+D800 无法用 GB18030 编码写入", or "" when every
// character of `utf8` is a Unicode scalar value in well-formed UTF-8.
std::string unencodableReason(std::string_view utf8);

}  // namespace lp
