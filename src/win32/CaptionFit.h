#pragma once
// The system's message box sizes itself to its text, so that a short text
// under a longer caption cuts the caption short ("梯..."). These boxes grow
// to show the whole caption.
#include <string>

#include <windows.h>

namespace lp::win {

// MessageBoxW, the box made wide enough for its caption.
int messageBoxShowingCaption(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);

}  // namespace lp::win
