#include <windows.h>

#include "platform/SystemReason.h"
#include "platform/WideText.h"

namespace lp {

namespace {

// The system's own words for a Windows error, in the user's language,
// without the full stop and line end FormatMessageW adds.
std::string windowsReason(DWORD code) {
    LPWSTR buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                             text.back() == L'.' || text.back() == L'\x3002'))
        text.pop_back();
    if (text.empty()) return "错误 " + std::to_string(code);
    return textFromWide(text);
}

}  // namespace

std::string lastSystemReason() { return windowsReason(::GetLastError()); }

std::string systemReason(const std::error_code& ec) {
    if (ec.category() == std::system_category()) return windowsReason(static_cast<DWORD>(ec.value()));
    return errnoReason(ec.value());
}

}  // namespace lp
