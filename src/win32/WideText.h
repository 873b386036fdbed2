#pragma once
// Texts of windows: the core's UTF-8 through the core's converter
// (platform/WideText.h) to the UTF-16 of the "W" calls and back.
#include <string>
#include <string_view>

#include <windows.h>

#include "platform/WideText.h"

namespace lp::win {

inline std::wstring wide(std::string_view utf8) { return wideFromText(utf8); }
inline std::string utf8(std::wstring_view text) { return textFromWide(text); }

// The text of a window (WM_GETTEXT) and setting it (WM_SETTEXT).
std::wstring windowText(HWND window);
void setWindowText(HWND window, std::string_view utf8);

}  // namespace lp::win
