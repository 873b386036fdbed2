#pragma once
// The core's UTF-8 text and the UTF-16 of the "W" calls, converted by the
// system at the window's boundary.
#include <string>
#include <string_view>

#include <windows.h>

namespace lp::win {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);

// The text of a window (WM_GETTEXT) and setting it (WM_SETTEXT).
std::wstring windowText(HWND window);
void setWindowText(HWND window, std::string_view utf8);

}  // namespace lp::win
