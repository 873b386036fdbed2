#include "app/AnsiText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace lp {

#ifdef _WIN32

namespace {
std::wstring toWide(std::string_view bytes, UINT codePage) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
    return wide;
}

std::string fromWide(const std::wstring& wide, UINT codePage) {
    if (wide.empty()) return {};
    int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), n,
                        nullptr, nullptr);
    return bytes;
}
}  // namespace

std::string ansiFromText(std::string_view text) { return fromWide(toWide(text, CP_UTF8), CP_ACP); }
std::string textFromAnsi(std::string_view ansi) { return fromWide(toWide(ansi, CP_ACP), CP_UTF8); }

#else

std::string ansiFromText(std::string_view text) { return std::string(text); }
std::string textFromAnsi(std::string_view ansi) { return std::string(ansi); }

#endif

}  // namespace lp
