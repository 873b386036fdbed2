#pragma once
// The main window's button tooltips, from the core's texts (the export
// button names the file it writes).
#include <windows.h>

#include <array>
#include <functional>
#include <string>

namespace lp::win {

// Makes a tooltip window owned by `owner` and gives each of CommandN
// (buttons[1..22]) whose tip(n) is not empty that text. The window is
// destroyed with its owner. Returns the tooltip window, or nullptr.
HWND addButtonTooltips(HWND owner, const std::array<HWND, 23>& buttons, const std::function<std::string(int)>& tip);

}  // namespace lp::win
