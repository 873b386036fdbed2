#pragma once
// Texts in a drawing file: between double quotes, UTF-8, with
//   \\  \"  \n  \r  \t  and \xHH (two hex digits) for any other byte below
// 0x20, for 0x7F and for every byte that is not part of well-formed UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace lp {

// Appends `"bytes"` with its escapes to `out`.
void appendQuoted(std::string& out, std::string_view bytes);

// Reads one quoted text from the front of `in` and removes it from `in`.
// nullopt when `in` does not start with a well-formed quoted text.
std::optional<std::string> takeQuoted(std::string_view& in);
// The same into `out` (replacing what it held); false instead of nullopt.
bool takeQuoted(std::string_view& in, std::string& out);

}  // namespace lp
