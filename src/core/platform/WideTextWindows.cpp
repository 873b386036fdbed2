#include "platform/WideText.h"

#include <windows.h>

#include <limits>
#include <stdexcept>

namespace lp {

namespace {

int checkedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        throw std::length_error("text too long for the system's converter");
    return static_cast<int>(size);
}

}  // namespace

std::wstring wideFromText(std::string_view text) {
    if (text.empty()) return {};
    const int length = checkedLength(text.size());
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), n);
    return wide;
}

std::string textFromWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int length = checkedLength(wide.size());
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, text.data(), n, nullptr, nullptr);
    return text;
}

}  // namespace lp
