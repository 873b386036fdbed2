#pragma once
// What `--version` prints: the program's name and version, then the licence.
#include <string>

namespace lp {

std::string versionText(const char* programName);

}  // namespace lp
