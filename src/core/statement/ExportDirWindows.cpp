#include "statement/ExportDir.h"
#include "statement/Convert.h"

#include <windows.h>

#include <string>

#include "platform/WideText.h"

namespace lp {

namespace {

// The folder the list goes to when none is given: the drive D: itself.
constexpr const char* kDefaultExportDir = "D:\\";

// The full form of a folder, a relative one taken from the working
// directory; the folder as given when the system cannot tell.
std::string fullFolder(const std::string& folder) {
    const std::wstring wide = wideFromText(folder);
    const DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return folder;
    std::wstring full(needed, L'\0');
    const DWORD length = ::GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return folder;
    full.resize(length);
    return textFromWide(full);
}

}  // namespace

std::string defaultExportDir() { return kDefaultExportDir; }

std::string exportFilePath(const std::string& folder) {
    std::string path = fullFolder(folder.empty() ? kDefaultExportDir : folder);
    if (path.empty() || (path.back() != '\\' && path.back() != '/')) path += '\\';
    return path + kExportFileName;
}

}  // namespace lp
