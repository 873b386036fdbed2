#pragma once
// What the exported file must hold: the text of the list box with every
// line break written as CR LF, then one more CR LF, in GB18030.
#include <optional>
#include <string>

namespace lp::hardening {

inline constexpr const char* kExportFileName = "生成的语句表.txt";

// The bytes an export of `text1` must write, or nothing when the text is
// not well-formed UTF-8.
std::optional<std::string> expectedExportBytes(const std::string& text1);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readFileBytes(const std::string& path);

}  // namespace lp::hardening
