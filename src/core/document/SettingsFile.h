#pragma once
// The small files in the user's settings folder.
#include <string>

namespace lp {

// Replaces `file` by `text`, making its folder if needed; best effort: a
// file that cannot be written stays as it was. Nothing for an empty name.
void keepSettingsFile(const std::string& file, const std::string& text);

// The file called `name` in the folder of `file` (with `file`'s ending, if
// it has one): "" when `file` is "".
std::string siblingSettingsFile(const std::string& file, const std::string& name);

}  // namespace lp
