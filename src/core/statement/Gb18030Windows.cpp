#include "statement/Gb18030.h"

#include <windows.h>

#include <limits>
#include <string>

namespace lp {

namespace {

constexpr UINT kGb18030CodePage = 54936;
// GBK: the same two-byte codes as GB18030 for every character it holds,
// apart from the user-defined area and the euro sign (see below).
constexpr UINT kGbkCodePage = 936;

std::optional<std::wstring> wideFromUtf8(std::string_view utf8) {
    const int length = static_cast<int>(utf8.size());
    const int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    if (::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, wide.data(), n) != n)
        return std::nullopt;
    return wide;
}

// Every character through the system's GB18030 converter; it refuses what it
// cannot convert instead of putting a replacement character in its place.
std::optional<std::string> throughGb18030(const std::wstring& wide) {
    const int length = static_cast<int>(wide.size());
    const int n = ::WideCharToMultiByte(kGb18030CodePage, WC_ERR_INVALID_CHARS, wide.data(), length, nullptr, 0,
                                        nullptr, nullptr);
    if (n <= 0) return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    if (::WideCharToMultiByte(kGb18030CodePage, WC_ERR_INVALID_CHARS, wide.data(), length, out.data(), n, nullptr,
                              nullptr) != n)
        return std::nullopt;
    return out;
}

bool isPrivateUse(wchar_t c) { return c >= 0xE000 && c <= 0xF8FF; }

// Where the system has no GB18030 converter (Wine, for one): through GBK,
// which writes every GB2312 and GBK character as GB18030 does. A character
// GBK does not hold is refused, not replaced, and so are those it codes
// otherwise: the user-defined area, which GB18030 maps elsewhere, and the
// single byte 0x80 (the euro sign in GBK), which GB18030 does not have.
std::optional<std::string> throughGbk(const std::wstring& wide) {
    for (wchar_t c : wide)
        if (isPrivateUse(c)) return std::nullopt;
    const int length = static_cast<int>(wide.size());
    BOOL defaulted = FALSE;
    const int n = ::WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr,
                                        &defaulted);
    if (n <= 0 || defaulted) return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    if (::WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, out.data(), n, nullptr,
                              &defaulted) != n ||
        defaulted)
        return std::nullopt;
    // A GBK character is one byte below 0x80, two from a first byte of 0x81 up.
    for (std::size_t i = 0; i < out.size();) {
        const auto first = static_cast<unsigned char>(out[i]);
        if (first == 0x80) return std::nullopt;
        i += first < 0x80 ? 1 : 2;
    }
    return out;
}

}  // namespace

std::optional<std::string> toGb18030(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    if (utf8.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() / 4)) return std::nullopt;
    const std::optional<std::wstring> wide = wideFromUtf8(utf8);
    if (!wide) return std::nullopt;
    static const bool hasGb18030 = ::IsValidCodePage(kGb18030CodePage);
    return hasGb18030 ? throughGb18030(*wide) : throughGbk(*wide);
}

}  // namespace lp
