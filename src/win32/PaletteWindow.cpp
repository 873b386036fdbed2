#include "PaletteWindow.h"

namespace lp::win {

PaletteWindow::PaletteWindow(HWND parent, int id) {
    create(kClassName, COLOR_BTNFACE, WS_EX_CONTROLPARENT, L"",
           WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_CLIPCHILDREN, parent,
           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

LRESULT PaletteWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return ::SendMessageW(::GetParent(hwnd()), message, wParam, lParam);
    case WM_LBUTTONDOWN:
        ::SetFocus(hwnd());
        return 0;
    default:
        return byDefault(message, wParam, lParam);
    }
}

}  // namespace lp::win
