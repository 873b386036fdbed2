#include "statement/Gb18030.h"

#include <windows.h>

#include <limits>
#include <string>

namespace lp {

namespace {

constexpr UINT kGb18030CodePage = 54936;

}  // namespace

// Through UTF-16 with the system's converters; either step refuses what it
// cannot convert instead of putting a replacement character in its place.
std::optional<std::string> toGb18030(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    if (utf8.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() / 4)) return std::nullopt;
    const int inLength = static_cast<int>(utf8.size());
    const int wideLength = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inLength, nullptr, 0);
    if (wideLength <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    if (::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inLength, wide.data(), wideLength) !=
        wideLength)
        return std::nullopt;

    const int outLength = ::WideCharToMultiByte(kGb18030CodePage, WC_ERR_INVALID_CHARS, wide.data(), wideLength,
                                                nullptr, 0, nullptr, nullptr);
    if (outLength <= 0) return std::nullopt;
    std::string out(static_cast<std::size_t>(outLength), '\0');
    if (::WideCharToMultiByte(kGb18030CodePage, WC_ERR_INVALID_CHARS, wide.data(), wideLength, out.data(), outLength,
                              nullptr, nullptr) != outLength)
        return std::nullopt;
    return out;
}

}  // namespace lp
