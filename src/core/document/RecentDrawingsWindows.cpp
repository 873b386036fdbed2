#include <windows.h>

#include <string>

#include "document/RecentDrawings.h"
#include "platform/WideText.h"

namespace lp {

std::string recentDrawingsFile() {
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = ::GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return {};
    return textFromWide(std::wstring(folder, length)) + "\\LadderPad\\recent-drawings.txt";
}

}  // namespace lp
