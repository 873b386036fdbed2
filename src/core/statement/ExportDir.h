#pragma once
// Where the exported list goes.
#include <string>

namespace lp {

// The file name of the exported list.
inline constexpr const char* kExportFileName = "生成的语句表.txt";

#ifndef _WIN32
// The user's documents folder: XDG_DOCUMENTS_DIR from
// configHome/user-dirs.dirs (configHome defaults to home/.config) when that
// folder exists, else home itself.
std::string documentsFolder(const std::string& home, const std::string& configHome);
#endif

// The full path of the exported file in `folder` (the default folder when
// it is empty: "D:\" on Windows; a relative folder is taken from the
// working directory).
std::string exportFilePath(const std::string& folder);

}  // namespace lp
