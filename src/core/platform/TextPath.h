#pragma once
// A file path from the program's UTF-8 text, for the standard library's
// file streams and std::filesystem. On Windows the path is made of UTF-16
// through the system's converter, so that a path holding Chinese opens the
// file it names whatever the system's ANSI code page.
#include <filesystem>
#include <string_view>

namespace lp {

std::filesystem::path pathFromText(std::string_view text);

}  // namespace lp
